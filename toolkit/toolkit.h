// The toolkit's lifetime. InitToolkit brings up every service (windows, controls, drawing, images,
// fonts, files, requesters, events) before the program's first call; ShutdownToolkit takes them
// down in order: controls, windows (every open window is closed), files (open files are closed),
// events, images, drawing, fonts. After it, no handler runs.
#pragma once

namespace tk {

void InitToolkit();
void ShutdownToolkit();
[[noreturn]] void ExitProcess(int code);

}  // namespace tk

// The program's only event loop. Everything the program does happens inside the wait: the
// toolkit runs the bound handlers while it dispatches each system message. The loop itself acts
// on one thing, the close request of the main window, and that ends the program.
#pragma once

namespace app {

[[noreturn]] void RunEventLoop();

}  // namespace app

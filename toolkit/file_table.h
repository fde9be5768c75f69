// The file service's part of the toolkit's shutdown.
#pragma once

namespace tk::core {

// Closes every file still open (the platform writes out what it buffers); File objects that
// outlive it then report failure and do nothing.
void CloseOpenFiles();

}  // namespace tk::core

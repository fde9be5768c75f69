// Writing a file so that a failure never leaves a half-written one in its place.
//
// The new content goes into a file of its own beside the target, created anew under a temporary
// name in the same folder; it is flushed to the disk, closed, and then put in the target's place in
// one step. Whatever fails, the temporary file is removed and an existing target stays as it was.
// Only where the folder takes no new file is the target itself opened and written, which is the
// one way left to save there; its errors are reported all the same.
#pragma once

#include <string_view>

#include "toolkit/files.h"

namespace password {

// Writes the whole content into an open file; false when a write failed.
using FileWriter = bool (*)(tk::File& file);

// True when the target holds the complete new content.
bool WriteWholeFile(std::u16string_view target, FileWriter write);

}  // namespace password

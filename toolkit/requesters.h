// Modal requesters over a window: the save-file dialog and message boxes. While one is open,
// timer ticks and control events of the program's windows go on being handled.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/ids.h"

namespace tk {

// defaultPath is split at its last separator into the initial folder and the proposed name;
// filter is "display|pattern". The dialog neither asks about overwriting nor appends an
// extension, hides the read-only box and leaves the current folder alone. Returns the full path
// chosen, or an empty text when the user cancels.
std::u16string SaveFileRequester(WindowId owner, std::u16string_view title,
                                 std::u16string_view defaultPath, std::u16string_view filter);

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Without icon. Any way of closing a Yes/No box other than Yes answers No.
MessageAnswer MessageRequester(WindowId owner, std::u16string_view title, std::u16string_view text,
                               MessageButtons buttons);

// Where a save dialog should start: the user's documents folder, else the home folder.
std::u16string DocumentsFolder();
// The platform's path separator, for joining a folder and a file name.
char16_t PathSeparator();

}  // namespace tk

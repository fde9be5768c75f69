// The two account fields with their placeholders, and saving the password with them into the
// info file at a place the user picks.
//
// A field shows its placeholder when its text equals the placeholder exactly; such a text, typed
// or not, is never saved. Gaining the focus empties the field that shows its placeholder and gives
// it black text in the password font. A save empties the placeholders, asks for the path, writes
// the file and, only when it succeeded, puts the placeholders back into the fields left empty.
//
// An existing file is replaced only by a complete new one: the file is written beside it under a
// temporary name, flushed and then put in its place in one step. Only where the folder takes no
// new file is the chosen file written directly. Every failure is reported with one message.
#pragma once

#include <string>
#include <string_view>

namespace password {

inline constexpr std::u16string_view AccountPlaceholder =
    u"Benutzername, Account eingeben, wenn Sie die Infos speichern möchten";
inline constexpr std::u16string_view UsagePlaceholder =
    u"Verwendung, Hinweis eingeben, wenn Sie die Infos speichern möchten";

// The last component of a path: what follows its last separator.
std::u16string_view FileNameOf(std::u16string_view path);

// Bound to all events of AccountField and of UsageField; acts on focus gained only.
int AccountFieldEvents();
// Bound to the click of SaveButton.
int SaveAccountInfo();

}  // namespace password

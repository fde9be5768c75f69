// The system clipboard, as Unicode text. A sensitive text is marked so that clipboard history,
// cloud clipboard and clipboard managers leave it out.
#pragma once

#include <string_view>

namespace tk {

enum class ClipboardPrivacy { Ordinary, Sensitive };

// Replaces the clipboard's contents; false when the clipboard could not be set (nothing changed).
bool SetClipboardText(std::u16string_view text, ClipboardPrivacy privacy);

}  // namespace tk

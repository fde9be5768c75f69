#include "toolkit/clipboard.h"

#include "toolkit/platform.h"

namespace tk {

bool SetClipboardText(std::u16string_view text, ClipboardPrivacy privacy) {
  return platform::SetClipboardText(text, privacy == ClipboardPrivacy::Sensitive);
}

}  // namespace tk

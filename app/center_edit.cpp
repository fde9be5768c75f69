#include "app/chrome.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"

namespace app {

// The field has no border, so its client rectangle is its outer rectangle moved to (0, 0).
int CenterEditVertically(tk::ControlId field) {
  const int lines = tk::EditLineCount(field);
  const int lineHeight = tk::MeasureText(tk::GetControlFont(field), u"ABC").height;
  const tk::Rect outer = tk::ControlRect(field);
  const int block = lines * lineHeight;
  const int top = (outer.height - block) / 2;
  const int bottom = top + block + 4;
  if (bottom < outer.height) {
    tk::SetEditFormattingRect(field, tk::Rect{0, top, outer.width, bottom - top});
  }
  return 0;
}

}  // namespace app

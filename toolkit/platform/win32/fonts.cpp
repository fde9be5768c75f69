// Fonts are GDI fonts made by CreateFontW; text is measured by GDI in a memory DC.
#include "toolkit/fonts.h"

#include "toolkit/platform.h"
#include "toolkit/platform/win32/gdi_objects.h"

namespace tk::platform {

using namespace tk::win32;

FontHandle CreateNativeFont(std::u16string_view face, int height, int flags) {
  std::wstring name = Wide(face);
  HFONT font = ::CreateFontW(height, 0, 0, 0, (flags & kFontBold) ? FW_BOLD : FW_NORMAL,
                             (flags & kFontItalic) != 0, (flags & kFontUnderline) != 0,
                             (flags & kFontStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS,
                             (flags & kFontProofQuality) ? PROOF_QUALITY : DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, name.c_str());
  return reinterpret_cast<FontHandle>(font);
}

void DeleteNativeFont(FontHandle font) {
  if (font != 0 && font != DefaultGuiFont())
    ::DeleteObject(reinterpret_cast<HFONT>(font));
}

FontHandle DefaultGuiFont() {
  return reinterpret_cast<FontHandle>(::GetStockObject(DEFAULT_GUI_FONT));
}

Size MeasureText(FontHandle font, std::u16string_view text) {
  if (text.empty())
    return {};
  OwnedDc dc(::CreateCompatibleDC(nullptr));
  if (!dc)
    return {};
  HGDIOBJ chosen = font != 0 ? reinterpret_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT);
  Selection selected(dc.Get(), chosen);
  SIZE extent{};
  std::wstring wide = Wide(text);
  if (!::GetTextExtentPoint32W(dc.Get(), wide.c_str(), int(wide.size()), &extent))
    return {};
  return {extent.cx, extent.cy};
}

}  // namespace tk::platform

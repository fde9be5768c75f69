// Glyphs drawn by GDI into a canvas picture. The picture is copied into a DIB, GDI draws the text
// over it (with its own anti-aliasing against the real background), and the pixels GDI changed
// are copied back opaque: GDI leaves the alpha bytes undefined.
#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/dib.h"

namespace tk::platform {

using namespace tk::win32;

void DrawGlyphs(PixelBuffer& buffer, FontHandle font, Point origin, std::u16string_view text,
                Color color) {
  if (text.empty() || buffer.width <= 0 || buffer.height <= 0)
    return;
  Dib dib = CreateDib(buffer.width, buffer.height);
  OwnedDc dc(::CreateCompatibleDC(nullptr));
  if (!dib.pixels || !dc)
    return;
  std::copy(buffer.pixels.begin(), buffer.pixels.end(), dib.pixels);
  {
    Selection bitmap(dc.Get(), dib.bitmap.Get());
    HGDIOBJ chosen =
        font != 0 ? reinterpret_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT);
    Selection selected(dc.Get(), chosen);
    ::SetBkMode(dc.Get(), TRANSPARENT);
    ::SetTextColor(dc.Get(), ToColorRef(color));
    ::SetTextAlign(dc.Get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    std::wstring wide = Wide(text);
    ::TextOutW(dc.Get(), origin.x, origin.y, wide.c_str(), int(wide.size()));
    ::GdiFlush();
  }
  for (std::size_t i = 0; i < buffer.pixels.size(); ++i) {
    if ((dib.pixels[i] & 0xFFFFFFu) != (buffer.pixels[i] & 0xFFFFFFu)) {
      buffer.pixels[i] = 0xFF000000u | (dib.pixels[i] & 0xFFFFFFu);
    }
  }
}

}  // namespace tk::platform

#include "toolkit/platform/win32/dib.h"

namespace tk::win32 {

Dib CreateDib(int width, int height) {
  Dib dib;
  if (width <= 0 || height <= 0)
    return dib;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib.bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib.bitmap)
    dib.pixels = static_cast<std::uint32_t*>(bits);
  return dib;
}

}  // namespace tk::win32

// The image view's picture: a bitmap made from the toolkit's image, premultiplied as the
// common controls expect of a 32-bit bitmap, owned by the platform while the view shows it.
#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/dib.h"
#include "toolkit/platform/win32/native_table.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

std::uint32_t Premultiplied(std::uint32_t pixel) {
  std::uint32_t alpha = pixel >> 24;
  auto scale = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
  return (alpha << 24) | (scale((pixel >> 16) & 0xFF) << 16) | (scale((pixel >> 8) & 0xFF) << 8) |
         scale(pixel & 0xFF);
}

}  // namespace

void SetImageViewPicture(Handle view, const Image* image) {
  Dib dib;
  if (image && image->width > 0 && image->height > 0) {
    dib = CreateDib(image->width, image->height);
    if (!dib.pixels)
      return;
    std::transform(image->pixels.begin(), image->pixels.end(), dib.pixels, Premultiplied);
  }
  HWND window = ToHwnd(view);
  auto shown = reinterpret_cast<HBITMAP>(::SendMessageW(
      window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(dib.bitmap.Get())));
  NativeLook& look = LookOf(window);
  // The version 6 static may show a copy of a 32-bit bitmap; a handle it hands back that is not
  // ours is that copy, and ours to delete.
  if (shown && shown != look.picture.Get())
    ::DeleteObject(shown);
  look.picture = std::move(dib.bitmap);
}

}  // namespace tk::platform

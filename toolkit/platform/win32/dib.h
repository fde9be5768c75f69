// 32-bit top-down DIB sections: the one pixel layout shared by the toolkit's buffers
// (0xAARRGGBB is B, G, R, A in memory) and GDI.
#pragma once

#include <cstdint>

#include "toolkit/platform/win32/gdi_objects.h"

namespace tk::win32 {

struct Dib {
  OwnedBitmap bitmap;
  std::uint32_t* pixels = nullptr;  // width * height, rows from the top; null on failure
};

Dib CreateDib(int width, int height);

}  // namespace tk::win32

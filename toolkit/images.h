// Images by number. Pixels are 0xAARRGGBB with straight (not premultiplied) alpha. PNG data is
// decoded by the platform (WIC, libpng); the toolkit has no decoder of its own. An image's handle
// is what an image view's state and the drawing layer take.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/ids.h"

namespace tk {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row from the top
};

// Each returns the new number for kAnyNumber, else the image handle; 0 on failure.
std::intptr_t CatchPngImage(ImageId id, std::span<const std::uint8_t> png);
std::intptr_t CopyImage(ImageId source, ImageId target);

bool ResizeImage(ImageId id, int width, int height);  // smooth; the same size leaves it unchanged
void FreeImage(ImageId id);
bool IsImage(ImageId id);
Handle ImageHandleOf(ImageId id);  // 0 for an empty number
const Image* ImageFromHandle(Handle handle);
int ImageWidth(ImageId id);
int ImageHeight(ImageId id);

}  // namespace tk

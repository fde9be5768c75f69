// PNG through libpng's simplified API. Pixels are read and written as BGRA bytes, which on this
// little-endian layout are exactly the 0xAARRGGBB words of an Image or a PixelBuffer.
#include <png.h>

#include <bit>
#include <cstring>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/script.h"

namespace tk {
namespace {

static_assert(std::endian::native == std::endian::little, "BGRA bytes are 0xAARRGGBB words");

}  // namespace

bool platform::DecodePng(std::span<const std::uint8_t> png, Image& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
    return false;
  image.format = PNG_FORMAT_BGRA;
  Image decoded;
  decoded.width = int(image.width);
  decoded.height = int(image.height);
  decoded.pixels.resize(std::size_t(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out = std::move(decoded);
  return true;
}

bool headless::WritePng(const PixelBuffer& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0)
    return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.width);
  image.height = png_uint_32(picture.height);
  image.format = PNG_FORMAT_BGRA;
  return png_image_write_to_file(&image, path.c_str(), 0, picture.pixels.data(), 0, nullptr) != 0;
}

}  // namespace tk

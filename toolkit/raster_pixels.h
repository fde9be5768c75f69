// Pixel helpers shared by the rasteriser's source files; not part of the toolkit's public API.
//
// A buffer whose pixel vector is shorter than width × height (or whose sizes are negative) is
// treated as empty, so that no primitive can index past its storage. Blending treats the buffer
// as an opaque backdrop: colour channels mix by the source's alpha, the alpha channel composes
// source-over.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolkit/raster.h"

namespace tk::raster {

inline bool IsDrawable(const PixelBuffer& buffer) {
  return buffer.width > 0 && buffer.height > 0 &&
         buffer.pixels.size() >= std::size_t(buffer.width) * std::size_t(buffer.height);
}

inline std::uint32_t* RowOf(PixelBuffer& buffer, int y) {
  return buffer.pixels.data() + std::size_t(y) * std::size_t(buffer.width);
}

// Mixes the colour channels of source over target by alpha (0 to 255); 255 gives the source's
// colour exactly and an opaque pixel, 0 leaves the target as it is.
inline std::uint32_t BlendPixel(std::uint32_t target, std::uint32_t source, std::uint32_t alpha) {
  const std::uint32_t keep = 255 - alpha;
  std::uint32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t t = (target >> shift) & 0xFFu;
    const std::uint32_t s = (source >> shift) & 0xFFu;
    result |= ((t * keep + s * alpha + 127) / 255) << shift;
  }
  const std::uint32_t target_alpha = target >> 24;
  const std::uint32_t alpha_out = target_alpha + ((255 - target_alpha) * alpha + 127) / 255;
  return result | (alpha_out << 24);
}

}  // namespace tk::raster

// The logo picture of the title strip, kept in the program's constant data: a complete PNG file
// (18 x 22 pixels, 8 bits per channel, RGB without alpha, not interlaced) that the window toolkit
// decodes. The bytes are embedded at build time from resources/logo.png.
#pragma once

#include <cstdint>
#include <span>

namespace resources {

std::span<const std::uint8_t> LogoPicturePng();

}  // namespace resources

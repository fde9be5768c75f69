// Colours are 24-bit RGB packed as red + green * 256 + blue * 65536, the form every colour
// operation of the toolkit takes and returns. Pixel buffers hold 0xAARRGGBB instead; the
// conversion happens once, where a colour is written into a buffer.
#pragma once

#include <cstdint>

namespace tk {

using Color = std::int32_t;

constexpr Color Rgb(int red, int green, int blue) { return red + green * 256 + blue * 65536; }
constexpr Color Grey(int n) { return Rgb(n, n, n); }
constexpr int Red(Color c) { return c & 0xFF; }
constexpr int Green(Color c) { return (c >> 8) & 0xFF; }
constexpr int Blue(Color c) { return (c >> 16) & 0xFF; }

// An opaque pixel of a 32-bit buffer (0xAARRGGBB) for a packed colour, and back.
constexpr std::uint32_t ToPixel(Color c) {
  return 0xFF000000u | (std::uint32_t(Red(c)) << 16) | (std::uint32_t(Green(c)) << 8) |
         std::uint32_t(Blue(c));
}
constexpr Color FromPixel(std::uint32_t p) {
  return Rgb(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
}

}  // namespace tk

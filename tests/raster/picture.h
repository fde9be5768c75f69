// Test fixtures that show a pixel buffer as text, so that a failing case prints the picture it
// drew next to the one it should have drawn.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "toolkit/raster.h"

namespace tk::testing {

// One string per row, one character per pixel: the legend's character for a known pixel value,
// '?' for any other.
inline std::vector<std::string> Picture(const PixelBuffer& buffer,
                                        const std::map<std::uint32_t, char>& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < buffer.height; ++y) {
    std::string row;
    for (int x = 0; x < buffer.width; ++x) {
      const auto it = legend.find(buffer.At(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

// One row as runs of equal pixels, such as "F1 B583 F1", for rows too wide to picture.
inline std::string Runs(const PixelBuffer& buffer, int y,
                        const std::map<std::uint32_t, char>& legend) {
  std::string runs;
  int x = 0;
  while (x < buffer.width) {
    const std::uint32_t pixel = buffer.At(x, y);
    int end = x;
    while (end < buffer.width && buffer.At(end, y) == pixel) {
      ++end;
    }
    const auto it = legend.find(pixel);
    if (!runs.empty()) {
      runs += ' ';
    }
    runs += (it == legend.end() ? '?' : it->second) + std::to_string(end - x);
    x = end;
  }
  return runs;
}

}  // namespace tk::testing

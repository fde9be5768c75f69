// Boxes, outlines, gradients, lines, plots and image blending over a pixel buffer.
//
// Every extent is worked out in 64-bit arithmetic and clipped before a pixel is touched, so that
// any int argument, however large, draws only what lies inside the buffer.
#include "toolkit/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "toolkit/raster_pixels.h"

namespace tk {

namespace {

using raster::BlendPixel;
using raster::IsDrawable;
using raster::RowOf;

// A half-open range of pixel columns or rows; empty when lo >= hi.
struct Span {
  int lo = 0;
  int hi = 0;
  bool Empty() const { return lo >= hi; }
};

// The pixels a box edge of the given size covers from pos, clipped to 0..limit: a negative size
// reaches back from pos, 0 covers nothing.
Span BoxSpan(int pos, int size, int limit) {
  std::int64_t lo = pos;
  std::int64_t hi = pos;
  if (size > 0) {
    hi += size;
  } else {
    lo += size;
  }
  lo = std::max<std::int64_t>(lo, 0);
  hi = std::min<std::int64_t>(hi, limit);
  if (lo >= hi) {
    return {};
  }
  return {int(lo), int(hi)};
}

void FillRows(PixelBuffer& buffer, Span columns, Span rows, std::uint32_t pixel) {
  for (int y = rows.lo; y < rows.hi; ++y) {
    std::uint32_t* row = RowOf(buffer, y);
    std::fill(row + columns.lo, row + columns.hi, pixel);
  }
}

// Bresenham's minor-axis offset at step i of a line n steps long that moves m on its minor axis:
// i * m / n rounded half up. Unsigned 64 bits hold 2 * i * m + n for any int line.
std::int64_t MinorOffset(std::uint64_t i, std::uint64_t m, std::uint64_t n) {
  return std::int64_t((2 * i * m + n) / (2 * n));
}

// The steps first..last of 0..n at which a coordinate starting at start and moving by sign per
// step lies in 0..limit - 1; none when first > last.
struct Steps {
  std::int64_t first = 0;
  std::int64_t last = -1;
};

Steps StepsInside(std::int64_t start, int sign, std::int64_t n, int limit) {
  if (sign > 0) {
    return {std::max<std::int64_t>(0, -start), std::min<std::int64_t>(n, limit - 1 - start)};
  }
  return {std::max<std::int64_t>(0, start - (limit - 1)), std::min<std::int64_t>(n, start)};
}

// The end point of a line along one axis: width - 1 beyond the start, or width + 1 for a
// negative width, so that the start and end both belong to the line.
std::int64_t LineEnd(int start, int size) {
  return std::int64_t(start) + size + (size > 0 ? -1 : 1);
}

int RoundChannel(double value) {
  return int(std::nearbyint(value));
}

}  // namespace

PixelBuffer::PixelBuffer(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(std::size_t(width) * std::size_t(height), fill) {}

void FillBox(PixelBuffer& buffer, int x, int y, int width, int height, Color color) {
  if (!IsDrawable(buffer)) {
    return;
  }
  const Span columns = BoxSpan(x, width, buffer.width);
  const Span rows = BoxSpan(y, height, buffer.height);
  if (columns.Empty() || rows.Empty()) {
    return;
  }
  FillRows(buffer, columns, rows, ToPixel(color));
}

void OutlineBox(PixelBuffer& buffer, int x, int y, int width, int height, Color color) {
  if (!IsDrawable(buffer) || width == 0 || height == 0) {
    return;
  }
  // The box's own edges before clipping; an edge outside the buffer is simply not drawn.
  const std::int64_t left = width > 0 ? std::int64_t(x) : std::int64_t(x) + width;
  const std::int64_t top = height > 0 ? std::int64_t(y) : std::int64_t(y) + height;
  const std::int64_t right = left + std::abs(std::int64_t(width)) - 1;
  const std::int64_t bottom = top + std::abs(std::int64_t(height)) - 1;
  const Span columns = BoxSpan(x, width, buffer.width);
  const Span rows = BoxSpan(y, height, buffer.height);
  if (columns.Empty() || rows.Empty()) {
    return;
  }
  const std::uint32_t pixel = ToPixel(color);
  if (top >= rows.lo) {
    FillRows(buffer, columns, {int(top), int(top) + 1}, pixel);
  }
  if (bottom < rows.hi && bottom != top) {
    FillRows(buffer, columns, {int(bottom), int(bottom) + 1}, pixel);
  }
  for (int row = rows.lo; row < rows.hi; ++row) {
    std::uint32_t* line = RowOf(buffer, row);
    if (left >= columns.lo) {
      line[left] = pixel;
    }
    if (right < columns.hi) {
      line[right] = pixel;
    }
  }
}

void GradientBox(PixelBuffer& buffer, int x, int y, int width, int height,
                 const LinearGradient& gradient) {
  if (!IsDrawable(buffer)) {
    return;
  }
  const Span columns = BoxSpan(x, width, buffer.width);
  const Span rows = BoxSpan(y, height, buffer.height);
  if (columns.Empty() || rows.Empty()) {
    return;
  }
  const double axis_x = gradient.x2 - gradient.x1;
  const double axis_y = gradient.y2 - gradient.y1;
  const double length_squared = axis_x * axis_x + axis_y * axis_y;
  if (!(length_squared > 0) || !std::isfinite(length_squared)) {
    FillRows(buffer, columns, rows, ToPixel(gradient.start));
    return;
  }
  const int start[3] = {Red(gradient.start), Green(gradient.start), Blue(gradient.start)};
  const int end[3] = {Red(gradient.end), Green(gradient.end), Blue(gradient.end)};
  for (int row = rows.lo; row < rows.hi; ++row) {
    std::uint32_t* line = RowOf(buffer, row);
    for (int column = columns.lo; column < columns.hi; ++column) {
      double t = ((column - gradient.x1) * axis_x + (row - gradient.y1) * axis_y) / length_squared;
      t = t > 0 ? std::min(t, 1.0) : 0.0;  // also maps a NaN to the start
      int channel[3];
      for (int i = 0; i < 3; ++i) {
        channel[i] = RoundChannel(start[i] + (end[i] - start[i]) * t);
      }
      line[column] = ToPixel(Rgb(channel[0], channel[1], channel[2]));
    }
  }
}

void DrawLine(PixelBuffer& buffer, int x, int y, int width, int height, Color color) {
  // A line with no extent on one axis has no end point there: like a box, it draws nothing.
  if (!IsDrawable(buffer) || width == 0 || height == 0) {
    return;
  }
  const std::int64_t dx = LineEnd(x, width) - x;
  const std::int64_t dy = LineEnd(y, height) - y;
  const bool x_major = std::abs(dx) >= std::abs(dy);
  const std::int64_t major_start = x_major ? x : y;
  const std::int64_t minor_start = x_major ? y : x;
  const std::int64_t major_delta = x_major ? dx : dy;
  const std::int64_t minor_delta = x_major ? dy : dx;
  const int major_sign = major_delta < 0 ? -1 : 1;
  const int minor_sign = minor_delta < 0 ? -1 : 1;
  const int major_limit = x_major ? buffer.width : buffer.height;
  const int minor_limit = x_major ? buffer.height : buffer.width;
  const std::int64_t steps = std::abs(major_delta);
  const std::uint64_t minor_length = std::uint64_t(std::abs(minor_delta));
  const std::uint32_t pixel = ToPixel(color);

  const Steps inside = StepsInside(major_start, major_sign, steps, major_limit);
  for (std::int64_t i = inside.first; i <= inside.last; ++i) {
    const std::int64_t major = major_start + major_sign * i;
    const std::int64_t minor =
        steps == 0 ? minor_start
                   : minor_start + minor_sign * MinorOffset(std::uint64_t(i), minor_length,
                                                            std::uint64_t(steps));
    if (minor < 0 || minor >= minor_limit) {
      continue;
    }
    const int px = int(x_major ? major : minor);
    const int py = int(x_major ? minor : major);
    RowOf(buffer, py)[px] = pixel;
  }
}

void Plot(PixelBuffer& buffer, int x, int y, Color color) {
  if (!IsDrawable(buffer) || x < 0 || y < 0 || x >= buffer.width || y >= buffer.height) {
    return;
  }
  RowOf(buffer, y)[x] = ToPixel(color);
}

void BlendImage(PixelBuffer& buffer, const Image& image, int x, int y, int opacity) {
  const bool image_whole =
      image.width > 0 && image.height > 0 &&
      image.pixels.size() >= std::size_t(image.width) * std::size_t(image.height);
  if (!IsDrawable(buffer) || !image_whole || opacity <= 0) {
    return;
  }
  const std::uint32_t scale = std::uint32_t(std::min(opacity, 255));
  const Span columns = BoxSpan(x, image.width, buffer.width);
  const Span rows = BoxSpan(y, image.height, buffer.height);
  for (int row = rows.lo; row < rows.hi; ++row) {
    std::uint32_t* target = RowOf(buffer, row);
    const std::uint32_t* source =
        image.pixels.data() + std::size_t(std::int64_t(row) - y) * std::size_t(image.width);
    for (int column = columns.lo; column < columns.hi; ++column) {
      const std::uint32_t pixel = source[std::int64_t(column) - x];
      const std::uint32_t alpha = ((pixel >> 24) * scale + 127) / 255;
      if (alpha == 255) {
        target[column] = pixel;
      } else if (alpha != 0) {
        target[column] = BlendPixel(target[column], pixel, alpha);
      }
    }
  }
}

}  // namespace tk

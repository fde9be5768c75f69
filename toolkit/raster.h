// The software rasteriser: one implementation for every platform, pixel-exact.
//
// Every primitive clips to the buffer and takes coordinates in buffer pixels (the drawing origin
// is applied by the caller). Boxes follow one rule: a negative width or height places the box
// left of or above its corner by that many pixels, and 0 draws nothing. Lines are given by a start
// point and a width and height; the end point is start + width - 1 (start + width + 1 for a
// negative width), likewise vertically, and both end points are drawn; a line with a width or
// height of 0 has no end point on that axis and draws nothing.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/images.h"

namespace tk {

struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row from the top

  PixelBuffer() = default;
  PixelBuffer(int w, int h, std::uint32_t fill = 0xFFFFFFFFu);
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  Color ColorAt(int x, int y) const { return FromPixel(At(x, y)); }
};

struct LinearGradient {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the axis; t = 0 at the start, 1 at the end
  Color start = 0;
  Color end = 0;
};

struct PointF {
  double x = 0;
  double y = 0;
};

void FillBox(PixelBuffer& buffer, int x, int y, int width, int height, Color color);
void OutlineBox(PixelBuffer& buffer, int x, int y, int width, int height, Color color);
// Each pixel's colour is the start mixed towards the end by its projection on the axis, clamped.
void GradientBox(PixelBuffer& buffer, int x, int y, int width, int height,
                 const LinearGradient& gradient);
void DrawLine(PixelBuffer& buffer, int x, int y, int width, int height, Color color);
void Plot(PixelBuffer& buffer, int x, int y, Color color);
// Blends the image with its own alpha, scaled by opacity (0 to 255).
void BlendImage(PixelBuffer& buffer, const Image& image, int x, int y, int opacity);
// Strokes an open polyline: flat caps, mitred joins, anti-aliased; rgba is 0xAARRGGBB.
void StrokePolyline(PixelBuffer& buffer, std::span<const PointF> points, double width,
                    std::uint32_t rgba);
// Smooth (bilinear) scaling; the same size returns an exact copy. A size of 0 or less, a target
// beyond 2^28 pixels or an image with fewer pixels than its size gives an empty image.
Image ScaleImage(const Image& image, int width, int height);

}  // namespace tk

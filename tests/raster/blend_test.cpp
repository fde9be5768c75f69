#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "toolkit/raster.h"

namespace tk {
namespace {

Image Solid(int width, int height, std::uint32_t pixel) {
  return {width, height, std::vector<std::uint32_t>(std::size_t(width) * height, pixel)};
}

// A 3 x 3 image whose pixels all differ, to show which source pixel lands where.
Image Numbered() {
  Image image{3, 3, {}};
  for (std::uint32_t i = 0; i < 9; ++i) {
    image.pixels.push_back(0xFF000000u | (i + 1));
  }
  return image;
}

TEST(BlendImage, MixesWhiteOverBlackByAlphaTimesOpacity) {
  struct Case {
    std::uint32_t alpha;
    int opacity;
    int channel;
  };
  const Case cases[] = {
      {0, 255, 0},    {128, 255, 128}, {255, 255, 255}, {255, 128, 128},
      {128, 128, 64}, {255, 0, 0},     {255, -5, 0},    {255, 1000, 255},
  };
  for (const Case& c : cases) {
    PixelBuffer buffer(1, 1, 0xFF000000u);
    BlendImage(buffer, Solid(1, 1, c.alpha << 24 | 0xFFFFFFu), 0, 0, c.opacity);
    EXPECT_EQ(buffer.At(0, 0), 0xFF000000u | std::uint32_t(c.channel) * 0x010101u)
        << "alpha " << c.alpha << ", opacity " << c.opacity;
  }
}

TEST(BlendImage, OpaquePixelsAtFullOpacityAreCopiedExactly) {
  PixelBuffer buffer(2, 1, 0xFFFFFFFFu);
  BlendImage(buffer, Solid(2, 1, 0xFF123456u), 0, 0, 255);
  EXPECT_EQ(buffer.pixels, (std::vector<std::uint32_t>{0xFF123456u, 0xFF123456u}));
}

TEST(BlendImage, ClipsAtEveryEdgeAndKeepsPixelsAligned) {
  struct Case {
    int x, y;
    std::vector<std::uint32_t> expected;  // the 4 x 4 buffer's low bytes, 0 for untouched
  };
  const Case cases[] = {
      {-1, -1, {5, 6, 0, 0, 8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {3, 2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 4}},
      {INT_MAX, INT_MIN, std::vector<std::uint32_t>(16, 0)},
      {INT_MIN, INT_MAX, std::vector<std::uint32_t>(16, 0)},
  };
  for (const Case& c : cases) {
    PixelBuffer buffer(4, 4, 0xFF000000u);
    BlendImage(buffer, Numbered(), c.x, c.y, 255);
    std::vector<std::uint32_t> low;
    for (std::uint32_t p : buffer.pixels) {
      low.push_back(p & 0xFFu);
    }
    EXPECT_EQ(low, c.expected) << "at (" << c.x << ", " << c.y << ")";
  }
}

TEST(BlendImage, AnImageWithTooFewPixelsDrawsNothing) {
  PixelBuffer buffer(4, 4, 0xFF000000u);
  Image broken = Solid(4, 4, 0xFFFFFFFFu);
  broken.pixels.resize(3);
  BlendImage(buffer, broken, 0, 0, 255);
  EXPECT_EQ(buffer.pixels, std::vector<std::uint32_t>(16, 0xFF000000u));
}

}  // namespace
}  // namespace tk

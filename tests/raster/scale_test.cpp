#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "toolkit/raster.h"

namespace tk {
namespace {

TEST(ScaleImage, TheSameSizeIsAnExactCopy) {
  const Image image{2, 2, {0x00ABCDEFu, 0x80FF0000u, 0xFF00FF00u, 0x01020304u}};
  const Image copy = ScaleImage(image, 2, 2);
  EXPECT_EQ(copy.width, 2);
  EXPECT_EQ(copy.height, 2);
  EXPECT_EQ(copy.pixels, image.pixels);
}

TEST(ScaleImage, DoublingMixesNeighboursBilinearly) {
  const Image image{2, 1, {0xFF000000u, 0xFFFFFFFFu}};
  const Image scaled = ScaleImage(image, 4, 2);
  ASSERT_EQ(scaled.width, 4);
  ASSERT_EQ(scaled.height, 2);
  const std::vector<std::uint32_t> row = {0xFF000000u, 0xFF404040u, 0xFFBFBFBFu, 0xFFFFFFFFu};
  EXPECT_EQ(std::vector<std::uint32_t>(scaled.pixels.begin(), scaled.pixels.begin() + 4), row);
  EXPECT_EQ(std::vector<std::uint32_t>(scaled.pixels.begin() + 4, scaled.pixels.end()), row);
}

TEST(ScaleImage, ATransparentPixelsColourDoesNotBleed) {
  const Image image{2, 1, {0xFFFF0000u, 0x0000FF00u}};
  const Image scaled = ScaleImage(image, 4, 1);
  ASSERT_EQ(scaled.pixels.size(), 4u);
  EXPECT_EQ(scaled.pixels[1], 0xBFFF0000u);
  EXPECT_EQ(scaled.pixels[2], 0x40FF0000u);
  EXPECT_EQ(scaled.pixels[3], 0x00000000u);
}

TEST(ScaleImage, ASinglePixelStretchesEvenly) {
  const Image scaled = ScaleImage(Image{1, 1, {0x80102030u}}, 3, 2);
  EXPECT_EQ(scaled.pixels, std::vector<std::uint32_t>(6, 0x80102030u));
}

TEST(ScaleImage, EmptyOrHugeSizesAndBrokenImagesGiveAnEmptyImage) {
  const Image image{2, 2, std::vector<std::uint32_t>(4, 0xFFFFFFFFu)};
  const Image broken{2, 2, std::vector<std::uint32_t>(3, 0xFFFFFFFFu)};
  const Image cases[] = {ScaleImage(image, 0, 5),   ScaleImage(image, 5, -1),
                         ScaleImage(Image{}, 4, 4), ScaleImage(broken, 4, 4),
                         ScaleImage(broken, 2, 2),  ScaleImage(image, 1 << 15, 1 << 14)};
  for (const Image& scaled : cases) {
    EXPECT_EQ(scaled.width, 0);
    EXPECT_EQ(scaled.height, 0);
    EXPECT_TRUE(scaled.pixels.empty());
  }
}

}  // namespace
}  // namespace tk

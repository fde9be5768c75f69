#include <gtest/gtest.h>

#include "toolkit/raster.h"

namespace tk {
namespace {

constexpr Color kStart = Rgb(0, 0, 0);
constexpr Color kEnd = Rgb(200, 100, 50);

TEST(GradientBox, RunsFromTheStartPixelToTheEndPixelAndClampsBeyond) {
  PixelBuffer buffer(16, 1);
  GradientBox(buffer, 0, 0, 16, 1,
              {.x1 = 4, .y1 = 0, .x2 = 14, .y2 = 0, .start = kStart, .end = kEnd});
  EXPECT_EQ(buffer.ColorAt(0, 0), kStart);  // before the start
  EXPECT_EQ(buffer.ColorAt(4, 0), kStart);
  EXPECT_EQ(buffer.ColorAt(5, 0), Rgb(20, 10, 5));
  EXPECT_EQ(buffer.ColorAt(9, 0), Rgb(100, 50, 25));
  EXPECT_EQ(buffer.ColorAt(14, 0), kEnd);
  EXPECT_EQ(buffer.ColorAt(15, 0), kEnd);  // beyond the end
}

TEST(GradientBox, ColoursEachPixelByItsPerpendicularProjection) {
  PixelBuffer buffer(5, 5);
  GradientBox(buffer, 0, 0, 5, 5,
              {.x1 = 0, .y1 = 0, .x2 = 4, .y2 = 4, .start = kStart, .end = kEnd});
  // The anti-diagonal through (2, 2) lies across the axis at its middle.
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(buffer.ColorAt(i, 4 - i), Rgb(100, 50, 25)) << i;
  }
  EXPECT_EQ(buffer.ColorAt(0, 0), kStart);
  EXPECT_EQ(buffer.ColorAt(4, 4), kEnd);
}

TEST(GradientBox, FollowsTheBoxRuleAndADegenerateAxisGivesTheStart) {
  PixelBuffer buffer(8, 1, 0xFFFFFFFFu);
  GradientBox(buffer, 6, 1, -3, -1, {.x1 = 2, .y1 = 0, .x2 = 2, .y2 = 0, .start = kEnd, .end = 0});
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(buffer.ColorAt(x, 0), x >= 3 && x <= 5 ? kEnd : Rgb(255, 255, 255)) << x;
  }
}

}  // namespace
}  // namespace tk

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/raster/picture.h"
#include "toolkit/raster.h"

namespace tk {
namespace {

using testing::Picture;

constexpr Color kInk = Rgb(10, 20, 30);
const std::map<std::uint32_t, char> kLegend = {{0xFFFFFFFFu, '.'}, {ToPixel(kInk), '#'}};

struct LineCase {
  const char* name;
  int x, y, width, height;
  std::vector<std::string> picture;  // 8 x 6
};

const std::vector<std::string> kBlank = {"........", "........", "........",
                                         "........", "........", "........"};

const LineCase kLineCases[] = {
    {"horizontal, both ends drawn",
     2,
     3,
     5,
     1,
     {"........", "........", "........", "..#####.", "........", "........"}},
    {"horizontal with negative width",
     6,
     3,
     -5,
     1,
     {"........", "........", "........", "..#####.", "........", "........"}},
    {"vertical with negative height",
     1,
     4,
     1,
     -4,
     {"........", ".#......", ".#......", ".#......", ".#......", "........"}},
    {"a single pixel",
     4,
     2,
     1,
     1,
     {"........", "........", "....#...", "........", "........", "........"}},
    {"a single pixel from negative sizes",
     4,
     2,
     -1,
     -1,
     {"........", "........", "....#...", "........", "........", "........"}},
    {"shallow",
     0,
     0,
     8,
     3,
     {"##......", "..####..", "......##", "........", "........", "........"}},
    {"steep, drawn upwards",
     0,
     5,
     3,
     -6,
     {"..#.....", "..#.....", ".#......", ".#......", "#.......", "#......."}},
    {"width 0 draws nothing", 2, 2, 0, 3, kBlank},
    {"height 0 draws nothing", 2, 2, 3, 0, kBlank},
    {"clipped at both sides",
     -1000,
     2,
     3000,
     1,
     {"........", "........", "########", "........", "........", "........"}},
    {"diagonal from far outside",
     -1000000,
     -1000000,
     2000001,
     2000001,
     {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#.."}},
    {"diagonal reaching back from INT_MAX",
     INT_MAX,
     INT_MAX,
     INT_MIN,
     INT_MIN,
     {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#.."}},
    {"huge line that misses the buffer", INT_MIN, 0, INT_MAX, INT_MAX, kBlank},
    {"entirely right of the buffer", 8, 0, 4, 6, kBlank},
};

class LineRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRule, DrawsTheExpectedPixels) {
  const LineCase& c = GetParam();
  PixelBuffer buffer(8, 6);
  DrawLine(buffer, c.x, c.y, c.width, c.height, kInk);
  EXPECT_EQ(Picture(buffer, kLegend), c.picture) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Lines, LineRule, ::testing::ValuesIn(kLineCases));

// The close box: two diagonals that fill the 18 x 18 square from (18, 6) to (35, 23).
TEST(CloseBoxCross, DrawsBothDiagonalsEndToEndAndNothingElse) {
  constexpr Color kGreen = Rgb(149, 185, 104);
  constexpr Color kCross = Rgb(255, 255, 255);
  PixelBuffer buffer(52, 31);
  FillBox(buffer, 0, 0, 52, 31, kGreen);
  DrawLine(buffer, 18, 23, 18, -18, kCross);
  DrawLine(buffer, 18, 6, 18, 18, kCross);

  std::set<std::pair<int, int>> cross;
  for (int i = 0; i < 18; ++i) {
    cross.insert({18 + i, 23 - i});
    cross.insert({18 + i, 6 + i});
  }
  ASSERT_TRUE(cross.count({35, 6}) && cross.count({35, 23}));
  for (int y = 0; y < 31; ++y) {
    for (int x = 0; x < 52; ++x) {
      const Color expected = cross.count({x, y}) ? kCross : kGreen;
      EXPECT_EQ(buffer.ColorAt(x, y), expected) << "(" << x << ", " << y << ")";
    }
  }
}

TEST(Plot, SetsOnePixelAndIgnoresPointsOutside) {
  PixelBuffer buffer(8, 6);
  Plot(buffer, 7, 5, kInk);
  for (const auto& [x, y] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 6}, {INT_MIN, INT_MAX}}) {
    Plot(buffer, x, y, kInk);
  }
  EXPECT_EQ(Picture(buffer, kLegend),
            (std::vector<std::string>{"........", "........", "........", "........", "........",
                                      ".......#"}));
}

}  // namespace
}  // namespace tk

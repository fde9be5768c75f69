#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "tests/raster/picture.h"
#include "toolkit/raster.h"

namespace tk {
namespace {

using testing::Picture;
using testing::Runs;

constexpr Color kInk = Rgb(200, 30, 40);
const std::map<std::uint32_t, char> kLegend = {{0xFFFFFFFFu, '.'}, {ToPixel(kInk), '#'}};

using BoxFunction = void (*)(PixelBuffer&, int, int, int, int, Color);

struct BoxCase {
  const char* name;
  BoxFunction draw;
  int x, y, width, height;
  std::vector<std::string> picture;  // 8 x 6
};

const std::vector<std::string> kBlank = {"........", "........", "........",
                                         "........", "........", "........"};

const BoxCase kBoxCases[] = {
    {"fill",
     FillBox,
     2,
     1,
     3,
     2,
     {"........", "..###...", "..###...", "........", "........", "........"}},
    {"fill with negative width reaches left",
     FillBox,
     5,
     1,
     -3,
     2,
     {"........", "..###...", "..###...", "........", "........", "........"}},
    {"fill with negative height reaches up",
     FillBox,
     2,
     3,
     3,
     -2,
     {"........", "..###...", "..###...", "........", "........", "........"}},
    {"fill with both negative",
     FillBox,
     5,
     3,
     -3,
     -2,
     {"........", "..###...", "..###...", "........", "........", "........"}},
    {"fill of width 0", FillBox, 2, 1, 0, 2, kBlank},
    {"fill of height 0", FillBox, 2, 1, 3, 0, kBlank},
    {"fill clipped at the top left",
     FillBox,
     -2,
     -1,
     4,
     3,
     {"##......", "##......", "........", "........", "........", "........"}},
    {"fill clipped at the bottom right",
     FillBox,
     6,
     4,
     10,
     10,
     {"........", "........", "........", "........", "......##", "......##"}},
    {"fill far outside", FillBox, 100, -50, 5, 5, kBlank},
    {"fill just past the right edge", FillBox, 8, 0, 3, 6, kBlank},
    {"fill just above the top edge", FillBox, 0, 0, 8, -3, kBlank},
    {"fill whose end overflows int",
     FillBox,
     -5,
     -5,
     INT_MAX,
     INT_MAX,
     {"########", "########", "########", "########", "########", "########"}},
    {"fill reaching back from INT_MAX",
     FillBox,
     INT_MAX,
     INT_MAX,
     INT_MIN,
     INT_MIN,
     {"########", "########", "########", "########", "########", "########"}},
    {"fill reaching back from INT_MIN", FillBox, INT_MIN, INT_MIN, INT_MIN, INT_MIN, kBlank},
    {"outline",
     OutlineBox,
     1,
     1,
     5,
     4,
     {"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
    {"outline with negative sizes",
     OutlineBox,
     6,
     5,
     -5,
     -4,
     {"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
    {"outline one pixel high",
     OutlineBox,
     1,
     2,
     4,
     1,
     {"........", "........", ".####...", "........", "........", "........"}},
    {"outline one pixel wide",
     OutlineBox,
     3,
     1,
     1,
     3,
     {"........", "...#....", "...#....", "...#....", "........", "........"}},
    {"outline two by two is solid",
     OutlineBox,
     0,
     0,
     2,
     2,
     {"##......", "##......", "........", "........", "........", "........"}},
    {"outline of width 0", OutlineBox, 1, 1, 0, 4, kBlank},
    {"outline clipped at the top left",
     OutlineBox,
     -1,
     -1,
     4,
     4,
     {"..#.....", "..#.....", "###.....", "........", "........", "........"}},
    {"outline clipped at the bottom right",
     OutlineBox,
     5,
     3,
     5,
     5,
     {"........", "........", "........", ".....###", ".....#..", ".....#.."}},
    {"outline around the whole buffer", OutlineBox, -1, -1, 10, 8, kBlank},
    {"outline of the whole buffer",
     OutlineBox,
     0,
     0,
     8,
     6,
     {"########", "#......#", "#......#", "#......#", "#......#", "########"}},
    {"outline whose end overflows int",
     OutlineBox,
     2,
     2,
     INT_MAX,
     INT_MAX,
     {"........", "........", "..######", "..#.....", "..#.....", "..#....."}},
};

class BoxRule : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxRule, DrawsTheExpectedPixels) {
  const BoxCase& c = GetParam();
  PixelBuffer buffer(8, 6);
  c.draw(buffer, c.x, c.y, c.width, c.height, kInk);
  EXPECT_EQ(Picture(buffer, kLegend), c.picture) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxRule, ::testing::ValuesIn(kBoxCases));

TEST(PixelBuffer, NegativeSizesGiveAnEmptyBufferThatIgnoresDrawing) {
  PixelBuffer buffer(-3, 4);
  EXPECT_EQ(buffer.width, 0);
  EXPECT_TRUE(buffer.pixels.empty());
  FillBox(buffer, 0, 0, 10, 10, kInk);
  EXPECT_TRUE(buffer.pixels.empty());
}

TEST(PixelBuffer, StorageShorterThanItsSizeIsNeverWrittenPast) {
  PixelBuffer buffer(4, 4, 0xFF000000u);
  buffer.pixels.resize(5);
  FillBox(buffer, 0, 0, 4, 4, kInk);
  OutlineBox(buffer, 0, 0, 4, 4, kInk);
  DrawLine(buffer, 0, 3, 4, -4, kInk);
  Plot(buffer, 3, 3, kInk);
  EXPECT_EQ(buffer.pixels, std::vector<std::uint32_t>(5, 0xFF000000u));
}

// A progress bar is drawn as a frame box, a back box one pixel in and a fill box two pixels in;
// on low bars the inner boxes have zero or negative heights, and the box rule decides what shows.
TEST(ProgressBarBoxes, LowBarsFollowTheBoxRule) {
  constexpr Color kFrame = Rgb(109, 109, 109);
  constexpr Color kBack = Rgb(237, 237, 237);
  constexpr Color kFill = Rgb(0, 0, 0);
  const std::map<std::uint32_t, char> legend = {
      {ToPixel(kFrame), 'F'}, {ToPixel(kBack), 'B'}, {ToPixel(kFill), 'X'}};
  constexpr int kWidth = 585;
  constexpr int kFillWidth = 6;
  const std::vector<std::vector<std::string>> expected = {
      {"F1 B1 X6 B576 F1"},
      {"F2 X6 F577", "F2 X6 F577"},
      {"F585", "F1 B1 X6 B576 F1", "F585"},
      {"F585", "F1 B583 F1", "F1 B583 F1", "F585"},
      {"F585", "F1 B583 F1", "F1 B1 X6 B576 F1", "F1 B583 F1", "F585"},
  };
  for (int height = 1; height <= 5; ++height) {
    PixelBuffer buffer(kWidth, height);
    FillBox(buffer, 0, 0, kWidth, height, kFrame);
    FillBox(buffer, 1, 1, kWidth - 2, height - 2, kBack);
    FillBox(buffer, 2, 2, kFillWidth, height - 4, kFill);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      rows.push_back(Runs(buffer, y, legend));
    }
    EXPECT_EQ(rows, expected[height - 1]) << "bar height " << height;
  }
}

}  // namespace
}  // namespace tk

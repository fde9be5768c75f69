// The flat progress bar's pixels: fill widths in single precision, low bars, values outside the
// range.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "flat/flat_progress.h"
#include "flat_fixture.h"

namespace flat::testing {
namespace {

constexpr tk::ControlId kBar{17};
constexpr tk::Color kFill = tk::Rgb(0, 0, 0);
constexpr tk::Color kBack = tk::Rgb(237, 237, 237);
constexpr tk::Color kFrame = tk::Rgb(109, 109, 109);

// A row as letters: F frame, B back, X fill.
std::string Row(const tk::PixelBuffer& picture, int y) {
  std::string row;
  for (int x = 0; x < picture.width; ++x) {
    tk::Color c = picture.ColorAt(x, y);
    row += c == kFrame ? 'F' : c == kBack ? 'B' : c == kFill ? 'X' : '?';
  }
  return row;
}

std::string Rows(const tk::PixelBuffer& picture) {
  std::string rows;
  for (int y = 0; y < picture.height; ++y) {
    rows += Row(picture, y) + "\n";
  }
  return rows;
}

// The fill's last column on row y: F + 1 for a fill starting at column 2.
int FillEnd(const tk::PixelBuffer& picture, int y) {
  int last = -1;
  for (int x = 0; x < picture.width; ++x) {
    if (picture.ColorAt(x, y) == kFill) {
      last = x;
    }
  }
  return last;
}

class FlatProgressTest : public FlatTest {
 protected:
  void Create(tk::Rect rect, std::int32_t maximum = 100) {
    FlatProgressBar(kBar, rect, 0, maximum);
  }
  static void Set(std::int32_t value) { tk::SetControlState(kBar, value); }
};

TEST_F(FlatProgressTest, FillWidthsOfTheProgramsBars) {
  struct Case {
    const char* bar;
    tk::Rect rect;
    int row;
    std::int32_t value;
    int fill;
  };
  const Case cases[] = {
      {"RevealProgress", {0, 52, 585, 3}, 1, 1, 6},
      {"RevealProgress", {0, 52, 585, 3}, 1, 50, 290},
      {"RevealProgress", {0, 52, 585, 3}, 1, 100, 581},
      // 4.21 held in single precision is 4.2100000381..., so 50 steps round up to 211.
      {"CopiedProgress", {150, 309, 425, 1}, 0, 50, 211},
      {"CopiedProgress", {150, 309, 425, 1}, 0, 100, 421},
  };
  for (const Case& c : cases) {
    Create(c.rect);
    Set(c.value);
    tk::PixelBuffer picture = Picture(kBar);
    EXPECT_EQ(picture.ColorAt(2, c.row), kFill) << c.bar << " at " << c.value;
    EXPECT_EQ(FillEnd(picture, c.row), c.fill + 1) << c.bar << " at " << c.value;
    EXPECT_EQ(picture.ColorAt(c.fill + 2, c.row), kBack) << c.bar << " at " << c.value;
  }
  // Full: two columns stay free on each side.
  Create({0, 52, 585, 3});
  Set(100);
  EXPECT_EQ(Row(Picture(kBar), 1), "FB" + std::string(581, 'X') + "BF");
}

TEST_F(FlatProgressTest, LowBarsByHeight) {
  // Width 20, half full: F = float(0.16) * 50 = 8, columns 2 to 9.
  const std::string frame(20, 'F');
  const std::string singleRow = "FB" + std::string(8, 'X') + std::string(8, 'B') + "BF";
  const std::string ring = "F" + std::string(18, 'B') + "F";
  const std::string fillRow = "FB" + std::string(8, 'X') + std::string(9, 'B') + "F";
  struct Case {
    int height;
    std::string rows;
  };
  const Case cases[] = {
      {1, singleRow + "\n"},
      {2, "FF" + std::string(8, 'X') + std::string(10, 'F') + "\n" + "FF" + std::string(8, 'X') +
              std::string(10, 'F') + "\n"},
      {3, frame + "\n" + singleRow + "\n" + frame + "\n"},
      {4, frame + "\n" + ring + "\n" + ring + "\n" + frame + "\n"},
      {5, frame + "\n" + ring + "\n" + fillRow + "\n" + ring + "\n" + frame + "\n"},
      {6,
       frame + "\n" + ring + "\n" + fillRow + "\n" + fillRow + "\n" + ring + "\n" + frame + "\n"},
  };
  for (const Case& c : cases) {
    Create({10, 10, 20, c.height});
    Set(50);
    EXPECT_EQ(Rows(Picture(kBar)), c.rows) << "height " << c.height;
  }
}

TEST_F(FlatProgressTest, ValuesOutsideTheRangeAreDrawnAsTheyCome) {
  // Width 20, height 5: the fill rows are row 2 only.
  struct Case {
    std::int32_t value;
    std::string fillRow;
  };
  const Case cases[] = {
      {0, "FB" + std::string(17, 'B') + "F"},
      {106, "FB" + std::string(17, 'X') + "F"},  // F = 17 reaches the back column
      {150, "FB" + std::string(18, 'X')},        // F = 24, clipped at the right edge
      {-6, "FX" + std::string(17, 'B') + "F"},   // F = -1 covers the back column
      {-13, "XX" + std::string(17, 'B') + "F"},  // F = -2 also the frame column
      {-50, "XX" + std::string(17, 'B') + "F"},  // F = -8, clipped at column 0
  };
  for (const Case& c : cases) {
    Create({10, 10, 20, 5});
    Set(c.value);
    EXPECT_EQ(tk::GetControlState(kBar), c.value);
    EXPECT_EQ(Row(Picture(kBar), 2), c.fillRow) << "value " << c.value;
  }
}

TEST_F(FlatProgressTest, NoFillWithoutAUsableWidth) {
  const std::string backOnly = "F" + std::string(18, 'B') + "F";
  Create({10, 10, 20, 5}, 0);
  for (std::int32_t value : {0, 50, -5}) {
    Set(value);
    EXPECT_EQ(Row(Picture(kBar), 2), backOnly) << "maximum 0, value " << value;
  }
  Create({10, 10, 20, 5}, 1);
  for (std::int32_t value : {INT_MAX, INT_MIN}) {
    Set(value);  // F far beyond 32 bits
    EXPECT_EQ(Row(Picture(kBar), 2), backOnly) << "value " << value;
  }
  Set(1);
  EXPECT_EQ(FillEnd(Picture(kBar), 2), 17) << "a sound value fills again";
}

TEST_F(FlatProgressTest, MaximumRescalesAndMinimumShowsNothing) {
  Create({10, 10, 104, 3});  // Q = 1: F equals the percentage
  Set(30);
  EXPECT_EQ(FillEnd(Picture(kBar), 1), 31);
  tk::PixelBuffer before = Picture(kBar);
  tk::SetControlAttribute(kBar, FlatAttributeMinimum, 20);
  EXPECT_EQ(Picture(kBar).pixels, before.pixels);
  tk::SetControlAttribute(kBar, FlatAttributeMaximum, 60);
  EXPECT_EQ(FillEnd(Picture(kBar), 1), 51);
}

TEST_F(FlatProgressTest, RecoloursThroughSlotsOneToThree) {
  Create({10, 10, 104, 3});
  Set(50);
  tk::SetControlColor(kBar, FlatColorFront, tk::Rgb(149, 185, 104));
  tk::SetControlColor(kBar, FlatColorBack, tk::Rgb(255, 255, 255));
  tk::SetControlColor(kBar, FlatColorFrame, tk::Rgb(1, 1, 1));
  tk::PixelBuffer picture = Picture(kBar);
  EXPECT_EQ(picture.ColorAt(0, 0), tk::Rgb(1, 1, 1));
  EXPECT_EQ(picture.ColorAt(1, 1), tk::Rgb(255, 255, 255));
  EXPECT_EQ(picture.ColorAt(2, 1), tk::Rgb(149, 185, 104));
  EXPECT_EQ(picture.ColorAt(52, 1), tk::Rgb(255, 255, 255));
}

}  // namespace
}  // namespace flat::testing

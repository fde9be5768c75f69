// Fonts: the character height rule at two resolutions, empty numbers, and the headless metrics.
#include "toolkit/fonts.h"

#include <gtest/gtest.h>

#include "toolkit/platform/headless/script.h"

namespace {

using namespace tk;

TEST(FontPixelHeight, RoundsToTheNearestWithHalvesAwayFromZero) {
  struct Case {
    int points, dpi, pixels;
  };
  const Case cases[] = {{3, 12, 1}, {-3, 12, -1}, {1, 36, 1}, {-1, 36, -1}, {1, 35, 0}, {0, 96, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(FontPixelHeight(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
  }
}

TEST(LoadFont, CreatesFontsOfThePixelHeightThatTheDisplayResolutionGives) {
  const int points[] = {10, 12, 14, 18, 24, 12};
  const struct {
    int dpi;
    std::vector<int> heights;
  } screens[] = {{96, {13, 16, 19, 24, 32, 16}}, {120, {17, 20, 23, 30, 40, 20}}};
  for (const auto& screen : screens) {
    headless::Session session({.dpi = screen.dpi});
    std::vector<int> heights;
    for (int i = 0; i < 6; ++i) {
      LoadFont(FontId{i}, u"Segoe Ui", points[i], kFontProofQuality);
      heights.push_back(FontHeightOf(FontHandleOf(FontId{i})));
    }
    EXPECT_EQ(heights, screen.heights) << screen.dpi << " DPI";
    EXPECT_EQ(MeasureText(FontHandleOf(FontId{4}), u"A").height, screen.heights[4])
        << "the synthetic line height is the pixel height";
  }
}

TEST(LoadFont, TheDpiIsReadOnceAtStart) {
  headless::Session session({.dpi = 120});
  headless::SetScreenDpi(96);
  LoadFont(FontId{0}, u"Arial", 24, 0);
  EXPECT_EQ(FontHeightOf(FontHandleOf(FontId{0})), 40);
}

TEST(LoadFont, ReturnsTheNumberOrTheHandleAndEmptyNumbersGiveNoFont) {
  headless::Session session;
  std::intptr_t chosen = LoadFont(FontId{kAnyNumber}, u"Arial", 12, 0);
  EXPECT_NE(FontHandleOf(FontId{int(chosen)}), 0);
  std::intptr_t handle = LoadFont(FontId{3}, u"Arial", 12, 0);
  EXPECT_EQ(handle, FontHandleOf(FontId{3}));
  EXPECT_EQ(FontHandleOf(FontId{4}), 0);
  EXPECT_NE(DefaultControlFont(), 0);
}

TEST(MeasureText, HeadlessCharactersAreSevenSixteenthsOfTheHeightWide) {
  headless::Session session;
  FontHandle font = FontHandleOf(FontId{int(LoadFont(FontId{kAnyNumber}, u"Segoe Ui", 12, 0))});
  EXPECT_EQ(MeasureText(font, u"Passwort in"), (Size{77, 16}));
  EXPECT_EQ(MeasureText(font, u"\U0001F512ü"), (Size{14, 16})) << "a surrogate pair is one";
  EXPECT_EQ(MeasureText(font, u""), (Size{0, 0}));
}

}  // namespace

// Caption layout, with a measure of fixed-width characters so that the positions are exact, and
// drawn in a button with the headless font of the same metrics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flat/flat_button.h"
#include "flat/flat_caption.h"
#include "flat_fixture.h"
#include "toolkit/fonts.h"

namespace flat::testing {
namespace {

// Every character 7 pixels wide, lines 16 high: the 16-pixel synthetic font.
int SevenWide(std::u16string_view text) {
  return 7 * int(text.size());
}

std::vector<FlatCaptionLine> Layout(tk::Rect rect, std::u16string_view caption, std::int32_t flags,
                                    int height = 16, FlatTextWidth widthOf = SevenWide) {
  return LayoutFlatCaption(rect, caption, flags, caption.empty() ? 0 : height, widthOf);
}

TEST(FlatCaption, OneLineAlignment) {
  struct Case {
    const char* name;
    tk::Rect rect;
    std::u16string_view caption;
    std::int32_t flags;
    tk::Point at;
  };
  // A fixed 10-pixel width makes "123456789012" 120 wide, "1234567890" 100.
  auto tenWide = [](std::u16string_view text) { return 10 * int(text.size()); };
  const Case cases[] = {
      {"centred in a 265 x 60 button", {1, 1, 263, 58}, u"123456789012", 0, {72, 17}},
      {"right", {0, 0, 263, 58}, u"1234567890", FlatAlignRight, {161, 16}},
      {"left", {0, 0, 263, 58}, u"1234567890", FlatAlignLeft, {2, 16}},
      {"both flags: left wins",
       {0, 0, 263, 58},
       u"1234567890",
       FlatAlignLeft | FlatAlignRight,
       {2, 16}},
  };
  for (const Case& c : cases) {
    std::vector<FlatCaptionLine> lines = Layout(c.rect, c.caption, c.flags, 25, tenWide);
    ASSERT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(lines[0].at, c.at) << c.name;
    EXPECT_EQ(lines[0].text, c.caption) << c.name;
  }
  // Each term halved on its own: 4 / 2 - 3 / 2 = 1, where (4 - 3) / 2 would give 0.
  auto threeWide = [](std::u16string_view) { return 3; };
  EXPECT_EQ(Layout({0, 0, 4, 10}, u"x", 0, 16, threeWide)[0].at.x, 1);
}

TEST(FlatCaption, WrapsGreedilyAroundTheMiddle) {
  std::vector<FlatCaptionLine> lines =
      Layout({0, 0, 100, 40}, u"Passwort in Zwischenablage kopieren", FlatWrap);
  const std::vector<FlatCaptionLine> expected{
      {{12, -5}, u"Passwort in"}, {{1, 11}, u"Zwischenablage"}, {{22, 27}, u"kopieren"}};
  EXPECT_EQ(lines, expected);

  // The same caption offset: lines move with the rectangle and align on their own widths.
  lines =
      Layout({5, 10, 100, 40}, u"Passwort in Zwischenablage kopieren", FlatWrap | FlatAlignRight);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].at, (tk::Point{5 + 100 - 77 - 2, 10 - 5}));
  EXPECT_EQ(lines[2].at, (tk::Point{5 + 100 - 56 - 2, 10 + 27}));
}

TEST(FlatCaption, WrapEdgeCases) {
  struct Case {
    const char* name;
    int width;
    std::u16string_view caption;
    std::vector<std::u16string_view> lines;
  };
  // Width 96 leaves a joining limit of 84, twelve characters.
  const Case cases[] = {
      {"a line exactly at the limit takes no word", 96, u"abcde fghijk", {u"abcde", u"fghijk"}},
      {"one pixel under the limit it does", 96, u"abcde fghij", {u"abcde fghij"}},
      {"two spaces stay two", 100, u"ab  cd", {u"ab  cd"}},
      {"the ends of a line are trimmed", 100, u"  ab cd  ", {u"ab cd"}},
      {"an overlong word stands alone",
       100,
       u"Zwischenablagekopieren ja",
       {u"Zwischenablagekopieren", u"ja"}},
  };
  for (const Case& c : cases) {
    std::vector<FlatCaptionLine> lines = Layout({0, 0, c.width, 40}, c.caption, FlatWrap);
    ASSERT_EQ(lines.size(), c.lines.size()) << c.name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].text, c.lines[i]) << c.name;
    }
  }
  // Centred, the overlong word starts left of the rectangle: 50 - 154 / 2.
  EXPECT_EQ(Layout({0, 0, 100, 40}, u"Zwischenablagekopieren", FlatWrap)[0].at.x, -27);
  // The vertical start comes from the estimate (154 / 100 = 1 line more), not the lines drawn.
  EXPECT_EQ(Layout({0, 0, 100, 40}, u"Zwischenablagekopieren", FlatWrap)[0].at.y, 3);
  EXPECT_TRUE(Layout({0, 0, 0, 40}, u"ab cd", FlatWrap).empty()) << "width 0 draws nothing";
}

class FlatCaptionDrawn : public FlatTest {};

TEST_F(FlatCaptionDrawn, GlyphsLandInTheLaidOutLines) {
  tk::FontHandle font = tk::LoadFont(tk::FontId{0}, u"Segoe Ui", 12, 16);
  ASSERT_EQ(tk::MeasureText(font, u"Passwort"), (tk::Size{56, 16})) << "a 16-pixel font";
  constexpr tk::ControlId kButton{4};
  // A caption rectangle of 100 x 40 one pixel inside the frame, as in the layout example.
  CreateFlatButton(kButton, {10, 10, 102, 42}, u"Passwort in Zwischenablage kopieren", FlatWrap);
  tk::SetControlFont(kButton, font);
  tk::PixelBuffer picture = Picture(kButton);
  const tk::Color face = tk::Rgb(237, 237, 237);

  // Canvas coordinates: the layout's plus the rectangle's corner (1, 1), inside the frame. The
  // first line starts at y = -4 and the last ends below the frame: the canvas clips both.
  const tk::Rect extents[] = {{13, 1, 77, 11}, {2, 12, 98, 16}, {23, 28, 56, 13}};
  for (const tk::Rect& extent : extents) {
    std::optional<tk::Rect> ink = InkBounds(picture, extent, face);
    ASSERT_TRUE(ink.has_value()) << "line at y " << extent.y;
    EXPECT_LT(ink->x, extent.x + 7) << "ink starts in the line's first character";
    EXPECT_GE(ink->x + ink->width, extent.x + extent.width - 7) << "and ends in its last";
  }
  // Nothing left or right of the lines: the widest line spans columns 2 to 99.
  std::optional<tk::Rect> all = InkBounds(picture, {1, 1, 100, 40}, face);
  ASSERT_TRUE(all.has_value());
  EXPECT_GE(all->x, 2);
  EXPECT_LE(all->x + all->width, 2 + 98);
}

TEST_F(FlatCaptionDrawn, AnEmptyCaptionLeavesTheFaceBare) {
  const tk::ControlId oneLine{4}, wrapped{5};
  CreateFlatButton(oneLine, {10, 10, 60, 30}, u"", 0);
  CreateFlatButton(wrapped, {10, 50, 60, 30}, u"", FlatWrap);
  for (tk::ControlId id : {oneLine, wrapped}) {
    EXPECT_EQ(InkBounds(Picture(id), {1, 1, 58, 28}, tk::Rgb(237, 237, 237)), std::nullopt);
  }
}

}  // namespace
}  // namespace flat::testing

// The drawing session on a canvas: where it may start, when its picture is shown, the origin, and
// the drawing modes. The rasteriser's own pixel rules are tested with the rasteriser.
#include "toolkit/drawing.h"

#include <gtest/gtest.h>

#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{1};
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kWhite = Rgb(255, 255, 255);

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() {
    OpenWindow(kWindow, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {10, 10, 40, 30});
    // 12 points at 96 DPI: a 16-pixel line, 7-pixel characters; each glyph a block from
    // (1, 4) to (5, 13) of its cell.
    LoadFont(FontId{1}, u"Arial", 12, 0);
    font_ = FontHandleOf(FontId{1});
  }
  static PixelBuffer Picture() { return headless::CanvasPicture(kCanvas); }
  FontHandle font_ = 0;
  headless::Session session_;
};

TEST_F(DrawingTest, StartsOnlyOnAControlWhoseCurrentTableSaysCanvas) {
  CreateLabel(ControlId{2}, {0, 0, 10, 10}, u"");
  CreateEdit(ControlId{3}, {0, 0, 10, 10}, u"", {});
  CreateContainer(ControlId{4}, {0, 0, 10, 10});
  CloseContainer();
  for (int id : {2, 3, 4, 99})
    EXPECT_FALSE(Drawing::Start(ControlId{id})) << "control " << id;

  GadgetObject& canvas = *FindControl(kCanvas);
  GadgetOps* own = canvas.ops;
  GadgetOps copy = *own;  // as the flat kit takes a canvas over: the header comes along
  canvas.ops = &copy;
  EXPECT_TRUE(Drawing::Start(kCanvas));
  copy.type = GadgetType::Label;
  EXPECT_FALSE(Drawing::Start(kCanvas)) << "the type is read from the current table";
  canvas.ops = own;

  std::optional<Drawing> drawing = Drawing::Start(kCanvas);
  ASSERT_TRUE(drawing);
  EXPECT_EQ(drawing->OutputWidth(), 40);
  EXPECT_EQ(drawing->OutputHeight(), 30);
}

TEST_F(DrawingTest, ThePictureIsShownOnceWhenTheSessionEnds) {
  int before = headless::CanvasPresentations(kCanvas);
  {
    std::optional<Drawing> drawing = Drawing::Start(kCanvas);
    drawing->Box(0, 0, 40, 30, kRed);
    std::optional<Drawing> moved(std::move(*drawing));
    drawing.reset();
    EXPECT_EQ(headless::CanvasPresentations(kCanvas), before) << "the moved-from shows nothing";
    EXPECT_NE(Picture().ColorAt(0, 0), kRed) << "not shown before the end";
  }
  EXPECT_EQ(headless::CanvasPresentations(kCanvas), before + 1);
  EXPECT_EQ(Picture().ColorAt(39, 29), kRed);
}

TEST_F(DrawingTest, TheOriginShiftsEveryOperationAndTheGradientAxis) {
  {
    std::optional<Drawing> drawing = Drawing::Start(kCanvas);
    drawing->Box(0, 0, 40, 30, kWhite);
    drawing->Origin(20, 10);
    drawing->Box(0, 0, 2, 2, kRed);
    drawing->Plot(-20, -10, kBlue);
    drawing->Line(0, 5, 3, 1, kBlue);
    drawing->Mode(kModeGradient);
    drawing->GradientColors(Rgb(0, 0, 0), kWhite);
    drawing->LinearGradient(0, 0, 10, 0);
    drawing->Box(0, 15, 10, 1, 0);
  }
  PixelBuffer picture = Picture();
  EXPECT_EQ(picture.ColorAt(20, 10), kRed);
  EXPECT_EQ(picture.ColorAt(21, 11), kRed);
  EXPECT_EQ(picture.ColorAt(19, 10), kWhite);
  EXPECT_EQ(picture.ColorAt(0, 0), kBlue) << "plot at the origin's opposite";
  EXPECT_EQ(picture.ColorAt(22, 15), kBlue);
  EXPECT_EQ(picture.ColorAt(20, 25), Rgb(0, 0, 0)) << "the gradient starts at the shifted axis";
  EXPECT_EQ(picture.ColorAt(19, 25), kWhite) << "outside the box";
}

TEST_F(DrawingTest, TextFillsItsExtentInModeZeroAndLeavesTheBackgroundInModeOne) {
  struct Case {
    int mode;
    Color cellCorner;  // a pixel of the text's extent that no glyph covers
  };
  for (Case c : {Case{kModeDefault, kBlue}, Case{kModeTransparent, kWhite}}) {
    {
      std::optional<Drawing> drawing = Drawing::Start(kCanvas);
      drawing->Box(0, 0, 40, 30, kWhite);
      drawing->Mode(c.mode);
      drawing->Font(font_);
      drawing->Origin(2, 1);
      EXPECT_EQ(drawing->Text(3, 0, u"ab", kRed, kBlue), 3 + 14) << "x just after the text";
    }
    PixelBuffer picture = Picture();
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(picture.ColorAt(5, 1), c.cellCorner);
    EXPECT_EQ(picture.ColorAt(18, 16), c.cellCorner) << "the extent's far corner";
    EXPECT_EQ(picture.ColorAt(6, 5), kRed) << "the first glyph";
    EXPECT_EQ(picture.ColorAt(13, 5), kRed) << "the second glyph";
    EXPECT_EQ(picture.ColorAt(19, 1), kWhite) << "right of the extent";
    EXPECT_EQ(picture.ColorAt(5, 17), kWhite) << "below the extent";
  }
}

TEST_F(DrawingTest, ASessionStartsInItsDefaultsAndEachModeReplacesThePrevious) {
  struct Case {
    const char* name;
    std::vector<int> modes;
    Color inside;  // the middle of a 10 x 10 red box drawn after them, on blue
    Color border;
  };
  const Case cases[] = {
      {"defaults: filled", {}, kRed, kRed},
      {"outline", {kModeOutlined}, kBlue, kRed},
      {"outline, then transparent: filled again", {kModeOutlined, kModeTransparent}, kRed, kRed},
      {"gradient, then outline", {kModeGradient, kModeOutlined}, kBlue, kRed},
      {"outline, then default", {kModeOutlined, kModeDefault}, kRed, kRed},
      {"outline and gradient together: the outline", {kModeOutlined | kModeGradient}, kBlue, kRed},
  };
  for (const Case& c : cases) {
    {
      std::optional<Drawing> drawing = Drawing::Start(kCanvas);
      drawing->Box(0, 0, 40, 30, kBlue);
      for (int mode : c.modes)
        drawing->Mode(mode);
      drawing->Box(0, 0, 10, 10, kRed);
      drawing->Origin(30, 20);  // gone with the session
      drawing->Mode(kModeOutlined);
    }
    PixelBuffer picture = Picture();
    EXPECT_EQ(picture.ColorAt(5, 5), c.inside) << c.name;
    EXPECT_EQ(picture.ColorAt(0, 5), c.border) << c.name;
  }
  {
    std::optional<Drawing> drawing = Drawing::Start(kCanvas);
    drawing->Font(0);  // keeps the default font
    EXPECT_EQ(drawing->TextWidth(u"ab"), MeasureText(DefaultControlFont(), u"ab").width);
    EXPECT_EQ(drawing->TextHeight(u""), 0);
    drawing->Box(0, 0, 40, 30, kWhite);
    drawing->Text(0, 0, u"x");
  }
  EXPECT_EQ(Picture().ColorAt(0, 0), kWhite) << "white back colour by default";
  EXPECT_EQ(Picture().ColorAt(2, 5), Rgb(0, 0, 0)) << "black front colour by default";
}

}  // namespace

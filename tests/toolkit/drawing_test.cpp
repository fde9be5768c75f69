// The drawing session's own rules on top of the rasteriser: the type check, the origin, the
// modes, text with and without its background, and presenting the picture at the end.
#include "toolkit/drawing.h"

#include <gtest/gtest.h>

#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/vector_drawing.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{1};
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() {
    OpenWindow(kWindow, {0, 0, 100, 100}, u"Test");
    CreateCanvas(kCanvas, {0, 0, 40, 20});
  }
  static PixelBuffer Picture() { return headless::CanvasPicture(kCanvas); }
  headless::Session session_;
};

TEST_F(DrawingTest, StartsOnlyOnControlsWhoseCurrentTableSaysCanvas) {
  CreateLabel(ControlId{2}, {0, 0, 10, 10}, u"");
  EXPECT_FALSE(Drawing::Start(ControlId{2}));
  EXPECT_FALSE(Drawing::Start(ControlId{3}));
  EXPECT_FALSE(VectorDrawing::Start(ControlId{2}));

  // A patched copy keeps the header, and so stays drawable; a wrong type code does not.
  static GadgetOps copy;
  copy = *FindControl(kCanvas)->ops;
  FindControl(kCanvas)->ops = &copy;
  EXPECT_TRUE(Drawing::Start(kCanvas));
  copy.type = GadgetType::Container;
  EXPECT_FALSE(Drawing::Start(kCanvas));
  copy.type = GadgetType::Canvas;
}

TEST_F(DrawingTest, ThePictureIsShownWhenTheSessionEndsAndNotBefore) {
  int before = headless::CanvasPresentations(kCanvas);
  {
    auto drawing = Drawing::Start(kCanvas);
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->OutputWidth(), 40);
    EXPECT_EQ(drawing->OutputHeight(), 20);
    drawing->Box(0, 0, 40, 20, kRed);
    std::optional<Drawing> moved = std::move(drawing);
    EXPECT_EQ(Picture().ColorAt(5, 5), kWhite);
    EXPECT_EQ(headless::CanvasPresentations(kCanvas), before);
  }
  EXPECT_EQ(headless::CanvasPresentations(kCanvas), before + 1) << "once, by the moved-to object";
  EXPECT_EQ(Picture().ColorAt(5, 5), kRed);
}

TEST_F(DrawingTest, TheOriginOffsetsEveryPrimitiveAndModesReplaceEachOther) {
  {
    auto drawing = Drawing::Start(kCanvas);
    drawing->Origin(10, 5);
    drawing->Mode(kModeOutlined);
    drawing->Box(0, 0, 6, 6, kRed);
    drawing->Plot(2, 2, Rgb(0, 0, 255));
    drawing->Line(0, 8, 3, 1, Rgb(0, 255, 0));
    drawing->Mode(kModeDefault);
    drawing->Box(20, 0, 2, 2, kRed);
  }
  PixelBuffer p = Picture();
  EXPECT_EQ(p.ColorAt(10, 5), kRed) << "outline corner moved by the origin";
  EXPECT_EQ(p.ColorAt(12, 7), Rgb(0, 0, 255)) << "the plot";
  EXPECT_EQ(p.ColorAt(11, 6), kWhite) << "outlined: the inside stays";
  EXPECT_EQ(p.ColorAt(12, 13), Rgb(0, 255, 0)) << "the line, both ends";
  EXPECT_EQ(p.ColorAt(10, 13), Rgb(0, 255, 0));
  EXPECT_EQ(p.ColorAt(31, 6), kRed) << "mode 0 again: filled";
}

TEST_F(DrawingTest, TextInModeZeroFillsItsExtentWithTheBackColourFirst) {
  FontHandle font = FontHandleOf(FontId{int(LoadFont(FontId{kAnyNumber}, u"Segoe Ui", 12, 0))});
  int after = 0;
  {
    auto drawing = Drawing::Start(kCanvas);
    drawing->Box(0, 0, 40, 20, Rgb(0, 0, 255));
    drawing->Font(font);
    drawing->Font(0);  // keeps the font
    after = drawing->Text(2, 1, u"A ", kRed, Rgb(0, 255, 0));
    EXPECT_EQ(drawing->TextWidth(u"A "), 14);
    EXPECT_EQ(drawing->TextHeight(u""), 0);
  }
  EXPECT_EQ(after, 16);
  PixelBuffer p = Picture();
  EXPECT_EQ(p.ColorAt(2, 1), Rgb(0, 255, 0)) << "background at the extent's corner";
  EXPECT_EQ(p.ColorAt(10, 8), Rgb(0, 255, 0)) << "the blank's cell is background only";
  EXPECT_EQ(p.ColorAt(5, 8), kRed) << "the glyph block";
  EXPECT_EQ(p.ColorAt(16, 8), Rgb(0, 0, 255)) << "nothing beyond the extent";
  EXPECT_EQ(p.ColorAt(5, 17), Rgb(0, 0, 255)) << "nor below the line";

  {
    auto drawing = Drawing::Start(kCanvas);
    drawing->Box(0, 0, 40, 20, Rgb(0, 0, 255));
    drawing->Font(font);
    drawing->Mode(kModeTransparent);
    drawing->Origin(1, 0);
    drawing->FrontColor(kRed);
    drawing->Text(1, 1, u"A ");
  }
  p = Picture();
  EXPECT_EQ(p.ColorAt(2, 1), Rgb(0, 0, 255)) << "mode 1: no background";
  EXPECT_EQ(p.ColorAt(5, 8), kRed);
}

TEST_F(DrawingTest, GradientBoxesFollowTheAxisMovedByTheOrigin) {
  {
    auto drawing = Drawing::Start(kCanvas);
    drawing->Origin(10, 0);
    drawing->Mode(kModeGradient);
    drawing->GradientColors(Rgb(0, 0, 0), Rgb(200, 0, 0));
    drawing->LinearGradient(0, 0, 10, 0);
    drawing->Box(0, 0, 11, 2, 0);
  }
  PixelBuffer p = Picture();
  EXPECT_EQ(p.ColorAt(10, 0), Rgb(0, 0, 0));
  EXPECT_EQ(p.ColorAt(15, 0), Rgb(100, 0, 0));
  EXPECT_EQ(p.ColorAt(20, 1), Rgb(200, 0, 0));
}

TEST_F(DrawingTest, VectorStrokesTakeTheSourceColourWithItsAlpha) {
  {
    auto drawing = VectorDrawing::Start(kCanvas);
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->OutputWidth(), 40.0);
    drawing->SourceColor(kRed, 255);
    drawing->MovePathCursor(0, 10);
    drawing->AddPathLine(40, 10);
    drawing->StrokePath(4);
    drawing->AddPathLine(0, 0);  // the path was cleared: a lone point strokes nothing
    drawing->StrokePath(4);
  }
  PixelBuffer p = Picture();
  EXPECT_EQ(p.ColorAt(20, 10), kRed);
  EXPECT_EQ(p.ColorAt(20, 2), kWhite);
}

}  // namespace

// The check, the image button, the gradient bar and the caption bar.
#include <gtest/gtest.h>

#include <cstdlib>

#include "flat/flat_caption_bar.h"
#include "flat/flat_check.h"
#include "flat/flat_gradient_progress.h"
#include "flat/flat_image_button.h"
#include "flat_fixture.h"
#include "image_fixture.h"
#include "toolkit/images.h"

namespace flat::testing {
namespace {

namespace script = tk::headless;

constexpr tk::ControlId kGadget{30};
constexpr tk::Color kBack = tk::Rgb(237, 237, 237);
constexpr tk::Color kFrame = tk::Rgb(109, 109, 109);
constexpr tk::Color kBlack = tk::Rgb(0, 0, 0);

bool Near(int a, int b, int tolerance) {
  return std::abs(a - b) <= tolerance;
}

class FurtherKinds : public FlatTest {};

TEST_F(FurtherKinds, CheckSquareTwelveByTwelveInsideTheFrame) {
  CreateFlatCheck(kGadget, {10, 10, 20, 20}, FlatCheckSquare);
  EXPECT_EQ(InkBounds(Picture(kGadget), {1, 1, 18, 18}, kBack), std::nullopt) << "state 0";
  EXPECT_EQ(Pixel(kGadget, 0, 0), kFrame);

  tk::SetControlState(kGadget, 1);
  tk::PixelBuffer picture = Picture(kGadget);
  EXPECT_EQ(InkBounds(picture, {1, 1, 18, 18}, kBack), (tk::Rect{4, 4, 12, 12}));
  EXPECT_EQ(picture.ColorAt(4, 4), kBlack);
  EXPECT_EQ(picture.ColorAt(15, 15), kBlack);
  EXPECT_EQ(picture.ColorAt(19, 19), kFrame);
}

TEST_F(FurtherKinds, CheckMarkIsStrokedThroughItsThreePoints) {
  CreateFlatCheck(kGadget, {10, 10, 20, 20});
  tk::SetControlState(kGadget, 1);
  tk::PixelBuffer picture = Picture(kGadget);
  // (3, 10) to (10, 14) to (17, 3), three pixels wide: pixels on the path are nearly black.
  for (tk::Point p : {tk::Point{6, 11}, {10, 13}, {13, 8}, {15, 5}}) {
    EXPECT_LT(tk::Red(picture.ColorAt(p.x, p.y)), 100) << p.x << ", " << p.y;
  }
  for (tk::Point p : {tk::Point{4, 4}, {15, 15}, {10, 3}, {3, 16}}) {
    EXPECT_EQ(picture.ColorAt(p.x, p.y), kBack) << p.x << ", " << p.y;
  }
  EXPECT_EQ(picture.ColorAt(0, 0), kFrame);

  tk::SetControlState(kGadget, 0);
  EXPECT_EQ(InkBounds(Picture(kGadget), {1, 1, 18, 18}, kBack), std::nullopt);
}

TEST_F(FurtherKinds, ImageButtonCentresThePictureOfItsState) {
  const tk::Color red = tk::Rgb(200, 0, 0), blue = tk::Rgb(0, 0, 200);
  tk::ImageId first = MakeImage({18, 22}, red);
  tk::ImageId second = MakeImage({18, 22}, blue);
  CreateFlatImageButton(kGadget, {10, 10, 32, 32}, first, second);
  tk::PixelBuffer picture = Picture(kGadget);
  EXPECT_EQ(InkBounds(picture, {1, 1, 30, 30}, kBack), (tk::Rect{7, 5, 18, 22}));
  EXPECT_EQ(picture.ColorAt(7, 5), red);
  EXPECT_EQ(picture.ColorAt(0, 0), kFrame);

  script::MovePointer(kWindow, {12, 12});
  script::PressLeft();
  script::ReleaseLeft();
  EXPECT_EQ(Pixel(kGadget, 7, 5), blue) << "a press flips it to state 1";
}

TEST_F(FurtherKinds, ImageButtonHoldsOneCopyOfTheLastImageSet) {
  CreateFlatImageButton(kGadget, {10, 10, 32, 32}, {}, {});
  EXPECT_EQ(InkBounds(Picture(kGadget), {1, 1, 30, 30}, kBack), std::nullopt) << "no images";

  tk::ImageId first = MakeImage({18, 22}, tk::Rgb(200, 0, 0));
  tk::ImageId second = MakeImage({10, 9}, tk::Rgb(0, 200, 0));
  tk::SetControlAttribute(kGadget, FlatAttributeImage0, first.value);
  tk::ImageId firstCopy = Record(kGadget).images[0];
  EXPECT_NE(firstCopy, first);
  tk::SetControlAttribute(kGadget, FlatAttributeImage0, second.value);
  tk::ImageId secondCopy = Record(kGadget).images[0];

  EXPECT_FALSE(tk::IsImage(firstCopy)) << "the earlier copy is freed";
  EXPECT_TRUE(tk::IsImage(secondCopy));
  EXPECT_TRUE(tk::IsImage(first));
  EXPECT_TRUE(tk::IsImage(second));
  // An odd height left over rounds the picture down: y = (32 - 9 + 1) / 2.
  EXPECT_EQ(InkBounds(Picture(kGadget), {1, 1, 30, 30}, kBack), (tk::Rect{11, 12, 10, 9}));

  int paints = Paints(kGadget);
  tk::SetControlAttribute(kGadget, FlatAttributeImage0, 9999);  // names no image
  EXPECT_EQ(Record(kGadget).images[0], secondCopy);
  EXPECT_EQ(Paints(kGadget), paints + 1);

  tk::SetControlAttribute(kGadget, FlatAttributeImage0, secondCopy.value);  // its own copy
  EXPECT_TRUE(tk::IsImage(Record(kGadget).images[0]));
  EXPECT_FALSE(tk::IsImage(secondCopy));
  EXPECT_EQ(Pixel(kGadget, 11, 12), tk::Rgb(0, 200, 0));
}

TEST_F(FurtherKinds, GradientFillRunsOverTheWholeInnerWidth) {
  FlatGradientProgressBar(kGadget, {10, 10, 104, 6}, 0, 100);
  tk::SetControlState(kGadget, 50);
  tk::PixelBuffer picture = Picture(kGadget);
  EXPECT_EQ(picture.ColorAt(2, 2), kBlack) << "slots 13 and 14 unset";
  EXPECT_EQ(picture.ColorAt(51, 3), kBlack);
  EXPECT_EQ(picture.ColorAt(52, 2), kBack);
  EXPECT_EQ(picture.ColorAt(1, 1), kBack);
  EXPECT_EQ(picture.ColorAt(0, 0), kFrame);

  tk::SetControlColor(kGadget, FlatColorGradientBack, tk::Rgb(255, 0, 0));
  tk::SetControlColor(kGadget, FlatColorGradientFront, tk::Rgb(0, 0, 255));
  picture = Picture(kGadget);
  tk::Color start = picture.ColorAt(2, 2), half = picture.ColorAt(51, 2);
  EXPECT_GE(tk::Red(start), 250);
  EXPECT_TRUE(Near(tk::Red(half), 128, 6) && Near(tk::Blue(half), 128, 6))
      << "half full shows half the run: " << std::hex << half;
  EXPECT_EQ(picture.ColorAt(52, 2), kBack);
}

TEST_F(FurtherKinds, CaptionBarCrossFollowsThePointer) {
  CreateFlatCaptionBar(kGadget, {0, 300, 300, 40}, u"Titel");
  constexpr tk::Point cross[] = {{262, 2}, {288, 28}, {262, 28}, {288, 2}, {275, 15}};
  auto crossIs = [&](tk::Color color) {
    tk::PixelBuffer picture = Picture(kGadget);
    for (tk::Point p : cross) {
      if (picture.ColorAt(p.x, p.y) != color) {
        return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(crossIs(kFlatCaptionBarCross));
  EXPECT_EQ(Pixel(kGadget, 261, 2), kFlatCaptionBarBack) << "box corner at (260, 0)";

  script::MovePointer(kWindow, {100, 315});
  EXPECT_TRUE(crossIs(kFlatCaptionBarCross)) << "over the bar, outside the box";
  script::MovePointer(kWindow, {292, 332});  // box corner (260, 0) + (32, 32): still inside
  EXPECT_TRUE(crossIs(kFlatCaptionBarText));
  script::MovePointer(kWindow, {293, 315});
  EXPECT_TRUE(crossIs(kFlatCaptionBarCross));
  script::MovePointer(kWindow, {270, 310});
  EXPECT_TRUE(crossIs(kFlatCaptionBarText));
  script::MovePointer(kWindow, {100, 200});
  EXPECT_TRUE(crossIs(kFlatCaptionBarCross)) << "after leaving the bar";

  std::optional<tk::Rect> text = InkBounds(Picture(kGadget), {2, 2, 200, 36}, kFlatCaptionBarBack);
  ASSERT_TRUE(text.has_value());
  EXPECT_GE(text->x, 10);
  EXPECT_LT(text->x, 17);
}

}  // namespace
}  // namespace flat::testing

// The generic control operations on flat gadgets, as the overrides answer them.
#include <gtest/gtest.h>

#include "flat/flat_button.h"
#include "flat/flat_progress.h"
#include "flat_fixture.h"
#include "toolkit/fonts.h"

namespace flat::testing {
namespace {

constexpr tk::ControlId kButton{4};
constexpr tk::ControlId kToggle{5};
constexpr tk::ControlId kBar{17};

class FlatOverrides : public FlatTest {
 protected:
  FlatOverrides() {
    CreateFlatButton(kButton, {10, 10, 100, 30}, u"OK");
    CreateFlatButton(kToggle, {10, 50, 100, 30}, u"An", 0x1000);
    FlatProgressBar(kBar, {10, 100, 104, 5}, 0, 100);
  }
};

TEST_F(FlatOverrides, ColourSlotsOneToFourteenOnly) {
  int paints = Paints(kButton);
  for (int slot : {0, 15}) {
    tk::SetControlColor(kButton, slot, tk::Rgb(1, 2, 3));
    EXPECT_EQ(tk::GetControlColor(kButton, slot), -1) << "slot " << slot;
  }
  EXPECT_EQ(Paints(kButton), paints) << "an ignored slot draws nothing";

  for (int slot : {4, 5, 6, 13, 14}) {
    tk::SetControlColor(kButton, slot, tk::Rgb(slot, 2 * slot, 3 * slot));
    EXPECT_EQ(tk::GetControlColor(kButton, slot), tk::Rgb(slot, 2 * slot, 3 * slot));
  }
  EXPECT_EQ(Paints(kButton), paints + 5);
  EXPECT_EQ(tk::GetControlColor(kButton, FlatColorBack), tk::Rgb(237, 237, 237));
}

TEST_F(FlatOverrides, StateIsZeroOrOneForButtonsAndAsSetForBars) {
  tk::SetControlState(kButton, 5);
  EXPECT_EQ(Record(kButton).state, 1);
  EXPECT_EQ(tk::GetControlState(kButton), 0) << "a button never reports its state";

  tk::SetControlState(kToggle, 5);
  EXPECT_EQ(Pixel(kToggle, 50, 5), tk::Rgb(205, 205, 205)) << "toggled on: pressed colours";
  tk::SetControlState(kToggle, 0);
  EXPECT_EQ(Pixel(kToggle, 50, 5), tk::Rgb(237, 237, 237));

  for (int value : {5, -3, 1000}) {
    tk::SetControlState(kBar, value);
    EXPECT_EQ(tk::GetControlState(kBar), value) << "never clamped to the range";
  }
}

TEST_F(FlatOverrides, FontZeroIsIgnoredWithoutARepaint) {
  tk::FontHandle before = tk::GetControlFont(kButton);
  EXPECT_EQ(before, tk::DefaultControlFont());
  int paints = Paints(kButton);
  tk::SetControlFont(kButton, 0);
  EXPECT_EQ(tk::GetControlFont(kButton), before);
  EXPECT_EQ(Paints(kButton), paints);

  tk::FontHandle font = tk::LoadFont(tk::FontId{0}, u"Segoe Ui", 12, 16);
  ASSERT_NE(font, 0);
  tk::SetControlFont(kButton, font);
  EXPECT_EQ(tk::GetControlFont(kButton), font);
  EXPECT_EQ(Paints(kButton), paints + 1);
}

TEST_F(FlatOverrides, TextIsStoredAsACopyAndRepaints) {
  int paints = Paints(kButton);
  {
    std::u16string caption = u"Kopieren";
    tk::SetControlText(kButton, caption);
    caption[0] = u'X';
  }
  EXPECT_EQ(tk::GetControlText(kButton), u"Kopieren");
  EXPECT_EQ(Paints(kButton), paints + 1);
}

TEST_F(FlatOverrides, AttributesBelow1024AreTheCanvasesAndTheRestTheKits) {
  tk::GadgetObject& button = *tk::FindControl(kButton);
  auto canvasAttribute = [&](int attribute) {
    return Record(kButton).baseOps->getAttribute(button, attribute);
  };
  int paints = Paints(kButton);

  tk::SetControlAttribute(kButton, 1023, 7);
  EXPECT_EQ(tk::GetControlAttribute(kButton, 1023), 7);
  EXPECT_EQ(Paints(kButton), paints) << "canvas attributes repaint nothing";

  // A button hands kit attributes to the canvas, then repaints; getting them is the kit's.
  for (int attribute : {1024, 1025, 1027}) {
    tk::SetControlAttribute(kButton, attribute, attribute + 1);
    EXPECT_EQ(canvasAttribute(attribute), attribute + 1) << attribute;
    EXPECT_EQ(tk::GetControlAttribute(kButton, attribute), 0) << attribute;
  }
  EXPECT_EQ(Paints(kButton), paints + 3);

  tk::SetControlAttribute(kBar, FlatAttributeMaximum, 250);
  tk::SetControlAttribute(kBar, FlatAttributeMinimum, -20);
  EXPECT_EQ(tk::GetControlAttribute(kBar, FlatAttributeMaximum), 250);
  EXPECT_EQ(tk::GetControlAttribute(kBar, FlatAttributeMinimum), -20);
  int barPaints = Paints(kBar);
  tk::SetControlAttribute(kBar, 1024, 9);
  EXPECT_EQ(tk::GetControlAttribute(kBar, 1024), 0);
  EXPECT_EQ(Paints(kBar), barPaints + 1) << "an unknown kit attribute only repaints";
}

TEST_F(FlatOverrides, ResizeWithKeepValuesRedrawsForTheNewSize) {
  tk::ResizeControl(kButton, tk::kKeepValue, tk::kKeepValue, 140, 44);
  EXPECT_EQ(tk::ControlRect(kButton), (tk::Rect{10, 10, 140, 44}));
  tk::PixelBuffer picture = Picture(kButton);
  ASSERT_EQ(picture.width, 140);
  ASSERT_EQ(picture.height, 44);
  EXPECT_EQ(picture.ColorAt(139, 43), tk::Rgb(109, 109, 109)) << "frame at the new edge";
  EXPECT_EQ(picture.ColorAt(138, 42), tk::Rgb(237, 237, 237));

  tk::ResizeControl(kButton, 30, tk::kKeepValue, tk::kKeepValue, tk::kKeepValue);
  EXPECT_EQ(tk::ControlRect(kButton), (tk::Rect{30, 10, 140, 44}));
}

}  // namespace
}  // namespace flat::testing

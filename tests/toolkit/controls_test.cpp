// Controls: numbers, the open-container stack, the operation tables and their fallbacks.
#include "toolkit/controls.h"

#include <gtest/gtest.h>

#include "toolkit/fonts.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

constexpr WindowId kWindow{0};

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() { OpenWindow(kWindow, {0, 0, 400, 300}, u"Test"); }
  headless::Session session_;
};

TEST_F(ControlsTest, CreatorsReturnTheChosenNumberOrElseTheHandle) {
  std::intptr_t chosen = CreateCanvas(ControlId{kAnyNumber}, {0, 0, 10, 10});
  ASSERT_NE(chosen, 0);
  EXPECT_TRUE(IsControl(ControlId{int(chosen)}));
  std::intptr_t handle = CreateCanvas(ControlId{7}, {0, 0, 10, 10});
  EXPECT_EQ(handle, ControlHandle(ControlId{7}));
  EXPECT_NE(ControlId{int(chosen)}, ControlId{7});
  EXPECT_EQ(FindControl(ControlId{7})->window, kWindow);
  EXPECT_EQ(FindControl(ControlId{7})->handle, handle);
}

TEST_F(ControlsTest, ContainersNestUntilClosedAndClosingReturnsToTheParent) {
  CreateContainer(ControlId{1}, {10, 10, 200, 200});
  CreateContainer(ControlId{2}, {5, 5, 100, 100});
  CreateLabel(ControlId{3}, {0, 0, 10, 10}, u"in 2");
  CloseContainer();
  CreateLabel(ControlId{4}, {0, 0, 10, 10}, u"in 1");
  CloseContainer();
  CreateLabel(ControlId{5}, {0, 0, 10, 10}, u"on the window");
  CloseContainer();  // the window stays open
  CreateLabel(ControlId{6}, {0, 0, 10, 10}, u"still on the window");

  // Hiding a container hides what is inside it on the screen.
  SetWindowColor(kWindow, Rgb(0, 0, 255));
  SetControlColor(ControlId{1}, kColorBack, Rgb(255, 0, 0));
  SetControlColor(ControlId{2}, kColorBack, Rgb(0, 255, 0));
  SetControlColor(ControlId{4}, kColorBack, Rgb(1, 1, 1));
  SetControlColor(ControlId{5}, kColorBack, Rgb(2, 2, 2));
  PixelBuffer shot = headless::Screenshot(kWindow);
  EXPECT_EQ(shot.ColorAt(50, 50), Rgb(0, 255, 0)) << "2 inside 1 from (10+5, 10+5)";
  EXPECT_EQ(shot.ColorAt(14, 10), Rgb(1, 1, 1)) << "4 in 1, created after 2: on top";
  EXPECT_EQ(shot.ColorAt(150, 150), Rgb(255, 0, 0));
  EXPECT_EQ(shot.ColorAt(0, 0), Rgb(240, 240, 240)) << "6 covers 5, with the system's colour";
  EXPECT_EQ(shot.ColorAt(300, 250), Rgb(0, 0, 255));
  HideControl(ControlId{1}, true);
  shot = headless::Screenshot(kWindow);
  EXPECT_EQ(shot.ColorAt(50, 50), Rgb(0, 0, 255));
}

TEST_F(ControlsTest, StockColourTypesFollowTheKind) {
  CreateLabel(ControlId{1}, {0, 0, 10, 10}, u"");
  CreateContainer(ControlId{2}, {0, 0, 10, 10});
  CloseContainer();
  CreateCanvas(ControlId{3}, {0, 0, 10, 10});
  for (int id : {1, 2, 3}) {
    SetControlColor(ControlId{id}, kColorFront, Rgb(1, 2, 3));
    SetControlColor(ControlId{id}, kColorBack, Rgb(4, 5, 6));
    SetControlColor(ControlId{id}, 3, Rgb(7, 8, 9));
  }
  EXPECT_EQ(GetControlColor(ControlId{1}, kColorFront), Rgb(1, 2, 3));
  EXPECT_EQ(GetControlColor(ControlId{1}, kColorBack), Rgb(4, 5, 6));
  EXPECT_EQ(GetControlColor(ControlId{1}, 3), 0);
  EXPECT_EQ(GetControlColor(ControlId{2}, kColorFront), 0) << "containers take type 2 only";
  EXPECT_EQ(GetControlColor(ControlId{2}, kColorBack), Rgb(4, 5, 6));
  EXPECT_EQ(GetControlColor(ControlId{3}, kColorBack), 0) << "a canvas has no colour entries";
  CreateEdit(ControlId{4}, {0, 0, 10, 10}, u"", {});
  EXPECT_EQ(GetControlColor(ControlId{4}, kColorBack), -1) << "not set: the system's colour";
}

// A patched copy of a canvas table, as a higher layer makes one: its entries win, the empty ones
// fall back to the native handling.
std::intptr_t PatchedState(GadgetObject&) {
  return 42;
}
std::u16string PatchedText(GadgetObject&) {
  return u"from the table";
}

TEST_F(ControlsTest, GenericOperationsUseTheCurrentTableAndFallBackForEmptyEntries) {
  constexpr ControlId kCanvas{1};
  CreateCanvas(kCanvas, {10, 20, 30, 40});
  GadgetObject& object = *FindControl(kCanvas);
  EXPECT_EQ(object.ops->type, GadgetType::Canvas);
  GadgetOps patched = *object.ops;
  GadgetOps* original = object.ops;
  patched.getState = PatchedState;
  patched.getText = PatchedText;
  patched.resize = nullptr;
  object.ops = &patched;

  EXPECT_EQ(GetControlState(kCanvas), 42);
  EXPECT_EQ(GetControlText(kCanvas), u"from the table");
  SetControlText(kCanvas, u"native");  // empty entry: the native text
  EXPECT_EQ(SetControlState(kCanvas, 5), 0);
  EXPECT_EQ(GetControlAttribute(kCanvas, 1000), 0);
  ResizeControl(kCanvas, kKeepValue, 5, 60, kKeepValue);  // empty entry: the native move
  EXPECT_EQ(ControlRect(kCanvas), (Rect{10, 5, 60, 40}));
  EXPECT_EQ(headless::CanvasPicture(kCanvas).width, 30) << "the native move keeps the picture";
  FontHandle font = FontHandleOf(FontId{int(LoadFont(FontId{kAnyNumber}, u"Arial", 12, 0))});
  SetControlFont(kCanvas, font);
  EXPECT_EQ(GetControlFont(kCanvas), font);

  object.ops = original;
  EXPECT_EQ(GetControlText(kCanvas), u"native");
  EXPECT_EQ(GetControlState(kCanvas), 0);
  ResizeControl(kCanvas, kKeepValue, kKeepValue, 8, 9);
  EXPECT_EQ(ControlRect(kCanvas), (Rect{10, 5, 8, 9}));
  EXPECT_EQ(headless::CanvasPicture(kCanvas).width, 8) << "the canvas re-creates its picture";
  EXPECT_EQ(headless::CanvasPicture(kCanvas).height, 9);
  SetControlAttribute(kCanvas, 1023, 77);
  EXPECT_EQ(GetControlAttribute(kCanvas, 1023), 77);
}

TEST_F(ControlsTest, ATableShorterThanTheFullSetHasTheRestEmpty) {
  constexpr ControlId kEdit{1};
  CreateEdit(kEdit, {0, 0, 10, 10}, u"", {});
  GadgetObject& object = *FindControl(kEdit);
  static GadgetOps shortened;
  shortened = *object.ops;
  shortened.length = 8;  // up to setAttribute: the colour entries are not there
  object.ops = &shortened;
  SetControlColor(kEdit, kColorBack, Rgb(9, 9, 9));
  EXPECT_EQ(GetControlColor(kEdit, kColorBack), 0);
}

TEST_F(ControlsTest, ANumberGivenAgainReplacesTheControlThatHeldIt) {
  static int freed;
  freed = 0;
  CreateCanvas(ControlId{1}, {0, 0, 10, 10});
  static GadgetOps counting = *FindControl(ControlId{1})->ops;
  counting.free = [](GadgetObject&) -> std::intptr_t { return ++freed; };
  FindControl(ControlId{1})->ops = &counting;
  CreateLabel(ControlId{1}, {0, 0, 10, 10}, u"neu");
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(FindControl(ControlId{1})->ops->type, GadgetType::Label);
  int count = 0;
  ForEachControl([&](GadgetObject&) { return ++count, false; });
  EXPECT_EQ(count, 1);
}

TEST_F(ControlsTest, NoControlWithoutAnOpenWindow) {
  CloseWindow(kWindow);
  EXPECT_EQ(CreateLabel(ControlId{1}, {0, 0, 10, 10}, u"x"), 0);
  EXPECT_FALSE(IsControl(ControlId{1}));
}

TEST_F(ControlsTest, TheWalkVisitsInCreationOrderAndStopsWhenAsked) {
  for (int id : {5, 2, 9})
    CreateCanvas(ControlId{id}, {0, 0, 1, 1});
  std::vector<int> seen;
  ForEachControl([&](GadgetObject& control) {
    seen.push_back(control.number.value);
    return control.number.value == 2;
  });
  EXPECT_EQ(seen, (std::vector<int>{5, 2}));
}

}  // namespace

// Attach and release: what a flat gadget leaves behind when its control goes, and what the kit
// never touches.
#include <gtest/gtest.h>

#include "flat/flat_button.h"
#include "flat/flat_image_button.h"
#include "flat/flat_progress.h"
#include "flat_fixture.h"
#include "image_fixture.h"
#include "toolkit/events.h"
#include "toolkit/images.h"
#include "toolkit/toolkit.h"

namespace flat::testing {
namespace {

constexpr tk::ControlId kButton{4};
constexpr tk::ControlId kBar{17};
constexpr tk::ControlId kImageButton{30};

int cleanups = 0;
int CountCleanup(FlatGadget&) {
  return ++cleanups;
}

int events = 0;
int CountEvents() {
  return ++events, 0;
}

class FlatLifecycle : public FlatTest {
 protected:
  FlatLifecycle() {
    cleanups = 0;
    events = 0;
    CreateFlatButton(kButton, {10, 10, 100, 30}, u"OK");
    FlatProgressBar(kBar, {10, 50, 100, 3}, 0, 100);
  }
  static void CountCleanups(tk::ControlId id) { Record(id).cleanup = CountCleanup; }
};

TEST_F(FlatLifecycle, ClosingTheWindowReleasesEveryRecord) {
  tk::ImageId picture = MakeImage({18, 22}, tk::Rgb(200, 0, 0));
  CreateFlatImageButton(kImageButton, {200, 10, 32, 32}, picture, picture);
  std::array<tk::ImageId, 2> copies = Record(kImageButton).images;
  CountCleanups(kButton);
  CountCleanups(kBar);
  ASSERT_EQ(TheFlatRegistry()->Size(), 3u);

  tk::CloseWindow(kWindow);

  EXPECT_EQ(TheFlatRegistry()->Size(), 0u);
  EXPECT_EQ(cleanups, 2);
  EXPECT_FALSE(tk::IsImage(copies[0])) << "the image button's cleanup freed its copies";
  EXPECT_FALSE(tk::IsImage(copies[1]));
  EXPECT_TRUE(tk::IsImage(picture)) << "the caller's image stays the caller's";
}

TEST_F(FlatLifecycle, ShuttingTheToolkitDownReleasesEveryRecord) {
  CountCleanups(kButton);
  CountCleanups(kBar);
  tk::ShutdownToolkit();
  EXPECT_EQ(TheFlatRegistry()->Size(), 0u);
  EXPECT_EQ(cleanups, 2);
}

TEST_F(FlatLifecycle, FreeFlatHandsTheCanvasBackUnboundAndUnregistered) {
  FlatGadget& gadget = Record(kButton);
  tk::GadgetOps* canvasOps = gadget.baseOps;
  gadget.cleanup = CountCleanup;
  gadget.eventHandler = CountEvents;
  tk::BindControlEvent(kButton, CountEvents);
  tk::GadgetObject& object = *tk::FindControl(kButton);

  EXPECT_EQ(FreeFlat(object), 1);
  EXPECT_EQ(object.ops, canvasOps);
  EXPECT_EQ(cleanups, 1);
  EXPECT_EQ(TheFlatRegistry()->Find(object.handle), nullptr);
  tk::headless::MovePointer(kWindow, {20, 20});
  EXPECT_EQ(events, 0) << "the kind's handler was unbound";

  EXPECT_EQ(FreeFlat(object), 0) << "a second release finds nothing";
  EXPECT_EQ(object.ops, canvasOps);
  EXPECT_EQ(cleanups, 1);
  EXPECT_NE(AttachFlat(object), nullptr) << "the canvas can be made flat afresh";
}

TEST_F(FlatLifecycle, ASecondAttachOfALiveGadgetIsRefused) {
  tk::GadgetObject& object = *tk::FindControl(kButton);
  tk::GadgetOps* ops = object.ops;
  EXPECT_EQ(AttachFlat(object), nullptr);
  EXPECT_EQ(object.ops, ops);
  EXPECT_EQ(Record(kButton).kind, FlatKind::Button);
}

TEST_F(FlatLifecycle, ANewRegistryHandsLiveGadgetsTheirOwnTables) {
  tk::GadgetOps* canvasOps = Record(kButton).baseOps;
  CreateFlatRegistry();
  EXPECT_EQ(tk::FindControl(kButton)->ops, canvasOps);
  EXPECT_EQ(TheFlatRegistry()->Size(), 0u);
  tk::CloseWindow(kWindow);  // the canvases free themselves; nothing reaches a dropped record
}

TEST_F(FlatLifecycle, ControlsThatAreNotFlatKeepTheirOwnTables) {
  constexpr tk::ControlId kLabel{40}, kEdit{41}, kContainer{42}, kCanvas{43};
  tk::CreateLabel(kLabel, {300, 10, 80, 20}, u"Länge");
  tk::CreateEdit(kEdit, {300, 40, 80, 20}, u"20");
  tk::CreateContainer(kContainer, {300, 70, 80, 40});
  tk::CloseContainer();
  tk::CreateCanvas(kCanvas, {300, 120, 40, 40});
  std::array<tk::ControlId, 4> plain{kLabel, kEdit, kContainer, kCanvas};
  std::array<tk::GadgetOps*, 4> tables{};
  for (std::size_t i = 0; i < plain.size(); ++i) {
    tables[i] = tk::FindControl(plain[i])->ops;
  }

  CreateFlatButton(tk::ControlId{50}, {10, 100, 100, 30}, u"Neu");
  FlatProgressBar(tk::ControlId{tk::kAnyNumber}, {10, 140, 100, 3}, 0, 100);
  EXPECT_EQ(FreeFlat(*tk::FindControl(kCanvas)), 0);

  for (std::size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(tk::FindControl(plain[i])->ops, tables[i]) << "control " << plain[i].value;
  }
  EXPECT_EQ(tk::FindControl(kCanvas)->ops, Record(kButton).baseOps);
  tk::SetControlColor(kLabel, tk::kColorFront, tk::Rgb(1, 2, 3));
  EXPECT_EQ(tk::GetControlColor(kLabel, tk::kColorFront), tk::Rgb(1, 2, 3));
  EXPECT_EQ(tk::GetControlColor(kCanvas, FlatColorBack), 0) << "a plain canvas has no colours";
}

TEST_F(FlatLifecycle, CreatorsReturnTheCanvasResult) {
  std::intptr_t number = CreateFlatButton(tk::ControlId{tk::kAnyNumber}, {10, 100, 50, 20}, u"");
  ASSERT_NE(number, 0);
  tk::ControlId chosen{int(number)};
  EXPECT_EQ(Record(chosen).gadgetNumber, chosen.value);
  EXPECT_EQ(GadgetFromHandle(tk::ControlHandle(chosen)), chosen);
  EXPECT_EQ(GadgetFromHandle(0), tk::ControlId{tk::kAnyNumber});

  std::intptr_t handle = FlatProgressBar(tk::ControlId{60}, {10, 130, 50, 3}, 0, 100);
  EXPECT_EQ(handle, tk::ControlHandle(tk::ControlId{60}));
}

}  // namespace
}  // namespace flat::testing

// Canvas input: enter, move and leave, the click rule, pointer capture, and the pointer position
// as an attribute of the event being handled.
#include <gtest/gtest.h>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{7};
constexpr ControlId kOther{8};

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() {
    Calls().clear();
    OpenWindow(kWindow, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {100, 10, 50, 30});
    CreateCanvas(kOther, {0, 60, 50, 30});
    BindControlEvent(kCanvas, Logged<1>);
    BindControlEvent(kOther, Logged<2>);
  }
  std::vector<EventType> Types() const {
    std::vector<EventType> types;
    for (const auto& call : Calls())
      types.push_back(call.type);
    return types;
  }
  headless::Session session_;
};

using E = EventType;

TEST_F(CanvasTest, FirstMovementEntersLaterOnesMoveAndGoingAwayLeaves) {
  headless::MovePointer(kWindow, {10, 10});
  headless::MovePointer(kWindow, {110, 20});
  headless::MovePointer(kWindow, {111, 20});
  headless::MovePointer(kWindow, {10, 70});
  EXPECT_EQ(Calls(), (std::vector<test::Call>{{1, Event::Gadget, E::MouseEnter, kCanvas.value},
                                              {1, Event::Gadget, E::MouseMove, kCanvas.value},
                                              {1, Event::Gadget, E::MouseLeave, kCanvas.value},
                                              {2, Event::Gadget, E::MouseEnter, kOther.value}}));
}

TEST_F(CanvasTest, AClickIsAReleaseOverTheCanvasAfterAPressOnIt) {
  headless::Click(kWindow, {120, 20});
  EXPECT_EQ(Types(), (std::vector<E>{E::MouseEnter, E::LeftButtonDown, E::LeftButtonUp, E::Click}));

  Calls().clear();
  headless::MovePointer(kWindow, {10, 10});
  headless::PressLeft();  // on the window
  headless::MovePointer(kWindow, {120, 20});
  headless::ReleaseLeft();
  EXPECT_EQ(Types(), (std::vector<E>{E::MouseLeave, E::MouseEnter, E::LeftButtonUp}))
      << "pressed elsewhere: no click";
}

TEST_F(CanvasTest, APressCapturesThePointerUntilTheRelease) {
  headless::MovePointer(kWindow, {120, 20});
  headless::PressLeft();
  headless::MovePointer(kWindow, {20, 70});  // over the other canvas, still captured
  headless::MovePointer(kWindow, {25, 70});
  headless::ReleaseLeft();
  EXPECT_EQ(Types(), (std::vector<E>{E::MouseEnter, E::LeftButtonDown, E::MouseLeave,
                                     E::LeftButtonUp, E::MouseEnter}))
      << "the leave and the release go to the pressed canvas; no click outside it; the other "
         "canvas is entered only once the capture ends";
  EXPECT_EQ(Calls().back().handler, 2);

  Calls().clear();
  headless::MovePointer(kWindow, {120, 20});
  headless::PressLeft();
  headless::MovePointer(kWindow, {190, 90});
  headless::MovePointer(kWindow, {121, 21});
  headless::ReleaseLeft();
  EXPECT_EQ(Types(), (std::vector<E>{E::MouseLeave, E::MouseEnter, E::LeftButtonDown, E::MouseLeave,
                                     E::MouseEnter, E::LeftButtonUp, E::Click}))
      << "back over the canvas before the release: it is a click";
}

TEST_F(CanvasTest, DisabledOrHiddenCanvasesTakeNoInput) {
  DisableControl(kCanvas, true);
  headless::Click(kWindow, {120, 20});
  HideControl(kOther, true);
  headless::Click(kWindow, {10, 70});
  EXPECT_TRUE(Calls().empty());
}

TEST_F(CanvasTest, ThePointerPositionIsAnAttributeOfTheEventBeingHandled) {
  static Point seen;
  BindControlEvent(
      kCanvas,
      [] {
        seen = {int(GetControlAttribute(kCanvas, kCanvasMouseX)),
                int(GetControlAttribute(kCanvas, kCanvasMouseY))};
        return 0;
      },
      E::LeftButtonDown);
  headless::MovePointer(kWindow, {130, 35});
  headless::PressLeft();
  EXPECT_EQ(seen, (Point{30, 25}));
  EXPECT_EQ(GetControlAttribute(kOther, kCanvasMouseX), 0);
  headless::ReleaseLeft();
  EXPECT_EQ(GetControlAttribute(kCanvas, kCanvasMouseX), 0) << "no event being handled";
}

}  // namespace

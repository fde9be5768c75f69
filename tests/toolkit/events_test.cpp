// The dispatch rules: handler order, events dropped while the program sets a text or a state,
// numbers that name nothing, the blocking wait and its queue.
#include <gtest/gtest.h>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::HandlerOrder;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr ControlId kEdit{3};
constexpr ControlId kCanvas{4};

class EventsTest : public ::testing::Test {
 protected:
  EventsTest() {
    Calls().clear();
    OpenWindow(kWindow, {0, 0, 200, 100}, u"Test");
    CreateEdit(kEdit, {0, 0, 100, 20}, u"", {});
    CreateCanvas(kCanvas, {0, 50, 40, 30});
  }
  headless::Session session_;
};

TEST_F(EventsTest, TypeHandlersRunBeforeAllTypeHandlersAndLaterBoundFirst) {
  BindControlEvent(kCanvas, Logged<1>);
  BindControlEvent(kCanvas, Logged<2>, EventType::LeftButtonDown);
  BindControlEvent(kCanvas, Logged<3>);
  BindControlEvent(kCanvas, Logged<4>, EventType::LeftButtonDown);
  BindControlEvent(kCanvas, Logged<5>, EventType::Click);
  headless::MovePointer(kWindow, {10, 60});
  Calls().clear();
  headless::PressLeft();
  EXPECT_EQ(HandlerOrder(), (std::vector<int>{4, 2, 3, 1}));
  Calls().clear();
  headless::ReleaseLeft();
  EXPECT_EQ(HandlerOrder(), (std::vector<int>{3, 1, 5, 3, 1})) << "up, then the click";
  EXPECT_EQ(Calls()[2].type, EventType::Click);
}

TEST_F(EventsTest, UnbindingRemovesOnlyTheBindingNamed) {
  BindControlEvent(kEdit, Logged<1>);
  BindControlEvent(kEdit, Logged<1>, EventType::Change);
  BindControlEvent(kEdit, Logged<1>);  // bound already: no second call
  UnbindControlEvent(kEdit, Logged<1>, EventType::Change);
  SetActiveControl(kEdit);
  headless::Type(u"a");
  EXPECT_EQ(Calls(),
            (std::vector<test::Call>{{1, Event::Gadget, EventType::FocusGained, kEdit.value},
                                     {1, Event::Gadget, EventType::Change, kEdit.value}}));
  UnbindControlEvent(kEdit, Logged<1>);
  headless::Type(u"b");
  EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(EventsTest, EventsRaisedWhileTheProgramSetsATextAreDropped) {
  BindControlEvent(kEdit, Logged<1>);
  SetControlText(kEdit, u"set by the program");
  SetControlState(kEdit, 1);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(GetControlText(kEdit), u"set by the program");
  SetActiveControl(kEdit);
  headless::Type(u"x");
  ASSERT_EQ(Calls().size(), 2u) << "typing is the user's change and is not dropped";
  EXPECT_EQ(WaitEvent(), int(Event::Gadget));
  EXPECT_EQ(EventKind(), EventType::FocusGained) << "the dropped change was never queued";
  EXPECT_EQ(WaitEvent(), int(Event::Gadget));
  EXPECT_EQ(EventKind(), EventType::Change);
}

TEST_F(EventsTest, OperationsOnNumbersThatNameNothingDoNothing) {
  constexpr ControlId kNone{99};
  EXPECT_EQ(GetControlState(kNone), 0);
  EXPECT_EQ(SetControlText(kNone, u"x"), 0);
  EXPECT_EQ(GetControlText(kNone), u"");
  EXPECT_EQ(ResizeControl(kNone, 1, 2, 3, 4), 0);
  EXPECT_EQ(GetControlAttribute(kNone, kCanvasMouseX), 0);
  EXPECT_EQ(GetControlColor(kNone, kColorBack), 0);
  EXPECT_EQ(GetControlFont(kNone), 0);
  EXPECT_EQ(ControlHandle(kNone), 0);
  EXPECT_EQ(FindControl(kNone), nullptr);
  BindControlEvent(kNone, Logged<1>);
  SetActiveControl(kNone);
  EXPECT_EQ(ActiveControl(), ControlId{});
  SetWindowCallback(nullptr, WindowId{7});
  EXPECT_FALSE(IsWindow(WindowId{7}));
  EXPECT_EQ(WindowHandle(WindowId{7}), 0);
  CloseWindow(WindowId{7});
  EXPECT_TRUE(IsWindow(kWindow));
}

TEST_F(EventsTest, WaitReturnsQueuedEventsFirstThenDispatchesOneStep) {
  BindControlEvent(kCanvas, Logged<1>);
  headless::QueueStep([] { headless::Click(kWindow, {5, 55}); });
  headless::QueueStep([] { headless::RequestClose(kWindow); });
  // Enter, down, up, click: their handlers run inside the first step's dispatch.
  EXPECT_EQ(WaitEvent(), headless::kScriptMessage);
  EXPECT_EQ(Calls().size(), 4u);
  std::vector<EventType> returned;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(WaitEvent(), int(Event::Gadget));
    EXPECT_EQ(EventControl(), kCanvas);
    returned.push_back(EventKind());
  }
  EXPECT_EQ(returned, (std::vector<EventType>{EventType::MouseEnter, EventType::LeftButtonDown,
                                              EventType::LeftButtonUp, EventType::Click}));
  EXPECT_EQ(WaitEvent(), headless::kScriptMessage);
  EXPECT_EQ(WaitEvent(), int(Event::CloseRequest));
  EXPECT_EQ(EventWindow(), kWindow);
  EXPECT_TRUE(IsWindow(kWindow)) << "a close request does not close by itself";
  EXPECT_THROW(WaitEvent(), headless::ScriptError) << "no step left: fail, never hang";
}

TEST_F(EventsTest, TheWindowCallbackSeesPressesOnTheWindowAndItsContainersFirst) {
  static std::vector<Handle> pressed;
  pressed.clear();
  constexpr ControlId kPanel{5};
  constexpr ControlId kLabel{6};
  CreateContainer(kPanel, {100, 0, 100, 100});
  CreateLabel(kLabel, {0, 0, 50, 20}, u"Titel");
  CloseContainer();
  SetWindowCallback(
      [](Handle target, unsigned message, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        if (message == kMessageLeftButtonDown)
          pressed.push_back(target);
        return ContinueDefault;
      },
      kWindow);
  headless::Click(kWindow, {150, 50});  // the container
  headless::Click(kWindow, {110, 5});   // the label: presses fall through to its parent
  headless::Click(kWindow, {60, 40});   // the window itself
  headless::Click(kWindow, {5, 5});     // the edit field takes its own presses
  EXPECT_EQ(pressed, (std::vector<Handle>{ControlHandle(kPanel), ControlHandle(kPanel),
                                          WindowHandle(kWindow)}));
  EXPECT_EQ(ActiveControl(), kEdit);
}

}  // namespace

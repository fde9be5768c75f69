// Object lifetimes at the end: free entries when windows go, nothing running after the shutdown,
// and a fresh toolkit after a new start.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/timers.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kMain{0};
constexpr WindowId kSecond{1};
constexpr ControlId kCanvas{1};
constexpr TimerId kTimer{123};

// How often each control's free entry ran, and whether the control could still be found then.
std::map<int, int>& Freed() {
  static std::map<int, int> freed;
  return freed;
}

std::intptr_t CountingFree(GadgetObject& object) {
  EXPECT_EQ(FindControl(object.number), &object) << "freed before it was forgotten";
  ++Freed()[object.number.value];
  return 1;
}

class ShutdownTest : public ::testing::Test {
 protected:
  ShutdownTest() {
    Calls().clear();
    Freed().clear();
    OpenWindow(kMain, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {0, 0, 40, 30});
    BindControlEvent(kCanvas, Logged<1>);
    BindTimerEvent(kMain, kTimer, Logged<2>);
    StartTimer(kMain, kTimer, 2);
  }
  // Gives the control a copy of its table whose free entry counts, as the flat kit does.
  void CountFreesOf(ControlId id) {
    GadgetObject& object = *FindControl(id);
    tables_.push_back(*object.ops);
    tables_.back().free = CountingFree;
    object.ops = &tables_.back();
  }
  std::deque<GadgetOps> tables_;
  headless::Session session_;
};

TEST_F(ShutdownTest, EveryControlsCurrentFreeEntryRunsOnceWhenItsWindowGoes) {
  CreateContainer(ControlId{2}, {50, 0, 100, 100});
  CreateEdit(ControlId{3}, {0, 0, 50, 20}, u"", {});
  CreateCanvas(ControlId{4}, {0, 30, 20, 20});
  CloseContainer();
  CreateLabel(ControlId{5}, {0, 50, 40, 20}, u"Text");
  OpenWindow(kSecond, {300, 0, 100, 100}, u"Zweites");
  CreateCanvas(ControlId{6}, {0, 0, 10, 10});
  CreateImageView(ControlId{7}, {0, 20, 10, 10}, 0);
  for (int id = 1; id <= 7; ++id)
    CountFreesOf(ControlId{id});

  CloseWindow(kSecond);
  EXPECT_EQ(Freed(), (std::map<int, int>{{6, 1}, {7, 1}}));
  EXPECT_FALSE(IsControl(ControlId{6}));
  ShutdownToolkit();
  EXPECT_EQ(Freed(), (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}));
}

TEST_F(ShutdownTest, NoHandlerRunsAfterTheShutdown) {
  ShutdownToolkit();
  headless::Click(kMain, {5, 5});
  headless::Advance(20);
  headless::RequestClose(kMain);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(GetControlState(kCanvas), 0);
  EXPECT_FALSE(IsWindow(kMain));
}

// A handler that ends the program mid-dispatch: the handlers still due for the same event belong
// to a toolkit that is gone.
TEST_F(ShutdownTest, AHandlerThatShutsDownStopsTheRestOfTheDispatch) {
  BindControlEvent(
      kCanvas, [] { return ShutdownToolkit(), 0; }, EventType::LeftButtonDown);
  headless::MovePointer(kMain, {5, 5});
  Calls().clear();
  headless::PressLeft();
  EXPECT_TRUE(Calls().empty());
  headless::ReleaseLeft();
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ShutdownTest, AStartAfterTheShutdownGivesAFreshToolkit) {
  LoadFont(FontId{1}, u"Arial", 12, 0);
  SetActiveControl(kCanvas);
  headless::Click(kMain, {5, 5});  // leaves events in the queue
  ShutdownToolkit();
  InitToolkit();

  EXPECT_FALSE(IsWindow(kMain));
  EXPECT_FALSE(IsControl(kCanvas));
  EXPECT_EQ(FontHandleOf(FontId{1}), 0);
  EXPECT_EQ(ActiveControl(), ControlId{});
  EXPECT_EQ(CreateLabel(ControlId{2}, {0, 0, 10, 10}, u"x"), 0) << "no open container left";

  OpenWindow(kMain, {0, 0, 200, 100}, u"Test");
  CreateCanvas(kCanvas, {0, 0, 40, 30});
  Calls().clear();
  headless::Click(kMain, {5, 5});
  headless::Advance(20);
  EXPECT_TRUE(Calls().empty()) << "the old bindings and the old timer are gone";
  EXPECT_FALSE(IsTimerRunning(kMain, kTimer));
  std::vector<EventType> queued;
  headless::QueueStep([] {});
  while (WaitEvent() != headless::kScriptMessage)
    queued.push_back(EventKind());
  EXPECT_EQ(queued, (std::vector<EventType>{EventType::MouseEnter, EventType::LeftButtonDown,
                                            EventType::LeftButtonUp, EventType::Click}))
      << "only the new events are queued";
}

}  // namespace

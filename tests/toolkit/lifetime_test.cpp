// Object lifetimes across windows and restarts: the free entry of every kind of control, nested or
// not, a shutdown from inside a handler, and what a new start forgets.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kMain{0};
constexpr WindowId kSecond{1};
constexpr ControlId kCanvas{1};

std::map<int, int>& Freed() {
  static std::map<int, int> freed;
  return freed;
}

std::intptr_t CountingFree(GadgetObject& object) {
  ++Freed()[object.number.value];
  return 1;
}

class LifetimeTest : public ::testing::Test {
 protected:
  LifetimeTest() {
    Calls().clear();
    Freed().clear();
    OpenWindow(kMain, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {0, 0, 40, 30});
    BindControlEvent(kCanvas, Logged<1>);
  }
  // A copy of the control's table whose free entry counts, as the flat kit makes one.
  void CountFreesOf(ControlId id) {
    GadgetObject& object = *FindControl(id);
    tables_.push_back(*object.ops);
    tables_.back().free = CountingFree;
    object.ops = &tables_.back();
  }
  std::deque<GadgetOps> tables_;
  headless::Session session_;
};

TEST_F(LifetimeTest, EveryKindsCurrentFreeEntryRunsOnceWhenItsWindowGoes) {
  CreateContainer(ControlId{2}, {50, 0, 100, 100});
  CreateEdit(ControlId{3}, {0, 0, 50, 20}, u"", {});
  CreateContainer(ControlId{4}, {0, 30, 50, 50});
  CreateCanvas(ControlId{5}, {0, 0, 20, 20});
  CloseContainer();
  CloseContainer();
  CreateLabel(ControlId{6}, {0, 50, 40, 20}, u"Text");
  OpenWindow(kSecond, {300, 0, 100, 100}, u"Zweites");
  CreateCanvas(ControlId{7}, {0, 0, 10, 10});
  CreateImageView(ControlId{8}, {0, 20, 10, 10}, 0);
  for (int id = 1; id <= 8; ++id)
    CountFreesOf(ControlId{id});

  CloseWindow(kSecond);
  EXPECT_EQ(Freed(), (std::map<int, int>{{7, 1}, {8, 1}}));
  ShutdownToolkit();
  EXPECT_EQ(Freed(),
            (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}}));
}

// The handlers still due for the same event belong to a toolkit that is gone.
TEST_F(LifetimeTest, AHandlerThatShutsTheToolkitDownEndsTheDispatch) {
  BindControlEvent(
      kCanvas, [] { return ShutdownToolkit(), 0; }, EventType::LeftButtonDown);
  headless::MovePointer(kMain, {5, 5});
  Calls().clear();
  headless::PressLeft();
  headless::ReleaseLeft();
  EXPECT_TRUE(Calls().empty());
  EXPECT_FALSE(IsWindow(kMain));
}

TEST_F(LifetimeTest, ANewStartForgetsTheOldBindingsAndTheQueue) {
  headless::Click(kMain, {5, 5});  // leaves four events queued
  ShutdownToolkit();
  InitToolkit();
  OpenWindow(kMain, {0, 0, 200, 100}, u"Test");
  CreateCanvas(kCanvas, {0, 0, 40, 30});
  Calls().clear();
  headless::Click(kMain, {5, 5});
  EXPECT_TRUE(Calls().empty()) << "the same numbers again, but not the old handler";
  std::vector<EventType> queued;
  headless::QueueStep([] {});
  while (WaitEvent() != headless::kScriptMessage)
    queued.push_back(EventKind());
  EXPECT_EQ(queued, (std::vector<EventType>{EventType::MouseEnter, EventType::LeftButtonDown,
                                            EventType::LeftButtonUp, EventType::Click}))
      << "only the new events";
}

}  // namespace

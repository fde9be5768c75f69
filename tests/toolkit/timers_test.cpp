// Window timers on the virtual clock: one tick per period, coalescing, restart, stop, and ticks
// going on inside a modal requester.
#include "toolkit/timers.h"

#include <gtest/gtest.h>

#include "tests/toolkit/event_log.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/requesters.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr TimerId kFast{123};
constexpr TimerId kSlow{456};

class TimersTest : public ::testing::Test {
 protected:
  TimersTest() {
    Calls().clear();
    OpenWindow(kWindow, {0, 0, 100, 100}, u"Test");
    BindTimerEvent(kWindow, kFast, Logged<1>);
    BindTimerEvent(kWindow, kSlow, Logged<2>);
  }
  int Ticks(int handler) const {
    return int(std::count_if(Calls().begin(), Calls().end(),
                             [&](const test::Call& c) { return c.handler == handler; }));
  }
  headless::Session session_;
};

TEST_F(TimersTest, TicksOncePerElapsedPeriodInOrderOfDueTime) {
  StartTimer(kWindow, kFast, 2);
  StartTimer(kWindow, kSlow, 5);
  headless::Advance(10);
  EXPECT_EQ(test::HandlerOrder(), (std::vector<int>{1, 1, 2, 1, 1, 1, 2}))
      << "2, 4, 5, 6, 8, 10 and the tie at 10 in starting order";
  EXPECT_EQ(Calls()[0], (test::Call{1, Event::Timer, EventType::Click, kFast.value}));
  EXPECT_TRUE(IsTimerRunning(kWindow, kFast));
}

TEST_F(TimersTest, PeriodsThatPassWithoutDispatchGiveOneTick) {
  StartTimer(kWindow, kFast, 2);
  headless::Stall(50);
  headless::Advance(1);
  EXPECT_EQ(Ticks(1), 1);
  headless::Advance(2);
  EXPECT_EQ(Ticks(1), 2) << "the next tick is one period after the coalesced one";
}

TEST_F(TimersTest, AHandlerThatTakesLongerThanThePeriodGetsOneTickAfterIt) {
  static int ticks;
  ticks = 0;
  BindTimerEvent(kWindow, kFast, [] {
    if (++ticks == 1)
      headless::Stall(30);  // a busy handler
    return 0;
  });
  StartTimer(kWindow, kFast, 2);
  headless::Advance(10);
  EXPECT_EQ(ticks, 2) << "tick at 2, busy until 32, then one tick for all the periods missed";
}

TEST_F(TimersTest, StartingAgainTakesTheNewPeriodAndStoppingEndsTheTicks) {
  StartTimer(kWindow, kFast, 10);
  headless::Advance(5);
  StartTimer(kWindow, kFast, 3);
  headless::Advance(9);
  EXPECT_EQ(Ticks(1), 3) << "8, 11 and 14 on the new period counted from the restart";
  StopTimer(kWindow, kFast);
  EXPECT_FALSE(IsTimerRunning(kWindow, kFast));
  headless::Advance(100);
  EXPECT_EQ(Ticks(1), 3);
  EXPECT_FALSE(IsTimerRunning(kWindow, kSlow)) << "bound but never started";
}

TEST_F(TimersTest, TicksGoOnWhileARequesterIsOpen) {
  StartTimer(kWindow, kFast, 2);
  headless::AnswerMessageBox(MessageAnswer::Yes, [] { headless::Advance(6); });
  EXPECT_EQ(MessageRequester(kWindow, u"Achtung", u"Frage?", MessageButtons::YesNo),
            MessageAnswer::Yes);
  EXPECT_EQ(Ticks(1), 3);
}

TEST_F(TimersTest, ClosingTheWindowStopsItsTimersAndNoHandlerRunsAfter) {
  StartTimer(kWindow, kFast, 2);
  headless::Advance(2);
  ASSERT_EQ(Ticks(1), 1);
  CloseWindow(kWindow);
  headless::Advance(20);
  EXPECT_EQ(Ticks(1), 1);
  EXPECT_FALSE(IsTimerRunning(kWindow, kFast));
}

}  // namespace

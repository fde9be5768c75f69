// Native timers: ticks of the system's WM_TIMER reach the bound handler with the timer's number
// while the wait dispatches, and a stopped timer raises nothing more.
#include "toolkit/timers.h"

#include "tests/win32/native_fixture.h"
#include "toolkit/events.h"

namespace kennwerk_test {
namespace {

int ticks = 0;

int CountTick() {
  EXPECT_EQ(tk::EventTimer(), tk::TimerId{7});
  ++ticks;
  return 0;
}

using NativeTimers = NativeWindowTest;

TEST_F(NativeTimers, TicksRunTheHandlerBeforeTheWaitReturnsTheirEvent) {
  ticks = 0;
  tk::BindTimerEvent(kWindow, tk::TimerId{7}, CountTick);
  tk::StartTimer(kWindow, tk::TimerId{7}, 10);
  int events = 0;
  while (events < 3) {
    if (tk::WaitEvent() == int(tk::Event::Timer)) {
      ++events;
      EXPECT_EQ(ticks, events);
    }
  }
  tk::StopTimer(kWindow, tk::TimerId{7});
  EXPECT_FALSE(tk::IsTimerRunning(kWindow, tk::TimerId{7}));
  MSG pending{};
  EXPECT_FALSE(::PeekMessageW(&pending, WindowHwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

}  // namespace
}  // namespace kennwerk_test

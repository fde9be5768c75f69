#include "toolkit/timers.h"

#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk {

// Starting a running timer again replaces its period; the platform counts the new period from
// now. Coalescing of ticks is the platform's message queue's doing (one pending tick at most).
void StartTimer(WindowId window, TimerId timer, int periodMs) {
  core::WindowRecord* record = core::FindWindowRecord(window);
  if (!record)
    return;
  int period = periodMs > 0 ? periodMs : 1;
  record->timers[timer.value] = period;
  platform::StartTimer(record->handle, timer.value, period);
}

void StopTimer(WindowId window, TimerId timer) {
  core::WindowRecord* record = core::FindWindowRecord(window);
  if (!record || record->timers.erase(timer.value) == 0)
    return;
  platform::StopTimer(record->handle, timer.value);
}

bool IsTimerRunning(WindowId window, TimerId timer) {
  core::WindowRecord* record = core::FindWindowRecord(window);
  return record && record->timers.contains(timer.value);
}

}  // namespace tk

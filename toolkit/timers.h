// Window timers. A timer that is started again takes the new period; periods that elapse while a
// handler runs give one tick, not one each. Closing a window stops its timers.
#pragma once

#include "toolkit/ids.h"

namespace tk {

void StartTimer(WindowId window, TimerId timer, int periodMs);
void StopTimer(WindowId window, TimerId timer);
bool IsTimerRunning(WindowId window, TimerId timer);

}  // namespace tk

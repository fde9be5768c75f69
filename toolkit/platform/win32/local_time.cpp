// The local wall-clock time, from the system.
#include "toolkit/platform.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {

LocalDateTime LocalTime() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return {.year = now.wYear,
          .month = now.wMonth,
          .day = now.wDay,
          .hour = now.wHour,
          .minute = now.wMinute,
          .second = now.wSecond};
}

}  // namespace tk::platform

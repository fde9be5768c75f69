// Local time is virtual: the time a test set (2000-01-01 00:00:00 by default), moved on by the
// virtual clock since then.
#include <ctime>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {

LocalDateTime LocalTime() {
  const headless::World& world = headless::TheWorld();
  const LocalDateTime& base = world.localTime;
  std::tm parts{};
  parts.tm_year = base.year - 1900;
  parts.tm_mon = base.month - 1;
  parts.tm_mday = base.day;
  parts.tm_hour = base.hour;
  parts.tm_min = base.minute;
  parts.tm_sec = base.second;
  // Calendar arithmetic in UTC, so that no daylight-saving rule of the machine shifts it.
  std::time_t seconds = ::timegm(&parts) + std::time_t((world.now - world.localTimeSetAt) / 1000);
  std::tm moved{};
  ::gmtime_r(&seconds, &moved);
  return {moved.tm_year + 1900, moved.tm_mon + 1, moved.tm_mday,
          moved.tm_hour,        moved.tm_min,     moved.tm_sec};
}

}  // namespace tk::platform

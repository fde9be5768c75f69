// Local wall-clock time and its formatting.
#pragma once

#include <string>
#include <string_view>

namespace tk {

struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

LocalDateTime LocalTime();

// Replaces %yyyy (four digits), %yy, %mm, %dd, %hh, %ii and %ss (two digits, leading zero);
// everything else stands as it is.
std::u16string FormatDate(std::u16string_view mask, const LocalDateTime& time);

}  // namespace tk

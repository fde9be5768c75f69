#include "toolkit/clock.h"

#include "toolkit/platform.h"

namespace tk {
namespace {

void AppendDigits(std::u16string& out, int value, int digits) {
  std::u16string text;
  unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
  do {
    text.insert(text.begin(), char16_t(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  while (int(text.size()) < digits)
    text.insert(text.begin(), u'0');
  if (value < 0)
    text.insert(text.begin(), u'-');
  out += text;
}

struct Token {
  std::u16string_view name;
  int digits;
};

}  // namespace

LocalDateTime LocalTime() {
  return platform::LocalTime();
}

std::u16string FormatDate(std::u16string_view mask, const LocalDateTime& time) {
  // %yyyy comes before %yy, so that the longer token wins.
  const Token tokens[] = {{u"%yyyy", 4}, {u"%yy", 2}, {u"%mm", 2}, {u"%dd", 2},
                          {u"%hh", 2},   {u"%ii", 2}, {u"%ss", 2}};
  const int values[] = {time.year, time.year % 100, time.month, time.day,
                        time.hour, time.minute,     time.second};
  std::u16string out;
  std::size_t i = 0;
  while (i < mask.size()) {
    bool replaced = false;
    for (std::size_t t = 0; t < std::size(tokens); ++t) {
      if (mask.substr(i).starts_with(tokens[t].name)) {
        AppendDigits(out, values[t], tokens[t].digits);
        i += tokens[t].name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced)
      out += mask[i++];
  }
  return out;
}

}  // namespace tk

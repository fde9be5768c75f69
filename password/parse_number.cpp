#include "password/parse_number.h"

#include <cstddef>

namespace password {
namespace {

// The digit's value in the given base, or -1 when the character is no digit of it.
int DigitValue(char16_t c, int base) {
  int value = -1;
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  }
  return value < base ? value : -1;
}

}  // namespace

std::int64_t ParseNumber(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
    negative = text[at] == u'-';
    ++at;
  }
  int base = 10;
  if (at < text.size() && text[at] == u'$') {
    base = 16;
    ++at;
  } else if (at < text.size() && text[at] == u'%') {
    base = 2;
    ++at;
  }
  // Unsigned arithmetic wraps modulo 2^64 by definition; the signed reading comes at the end.
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    int digit = DigitValue(text[at], base);
    if (digit < 0)
      break;
    value = value * std::uint64_t(base) + std::uint64_t(digit);
  }
  if (negative)
    value = 0 - value;
  return std::int64_t(value);
}

}  // namespace password

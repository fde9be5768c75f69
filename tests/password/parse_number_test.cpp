#include "password/parse_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

#include "toolkit/text.h"

namespace password {
namespace {

struct ParseCase {
  std::u16string_view text;
  std::int64_t value;
};

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

constexpr ParseCase kParseCases[] = {
    {u"20", 20},
    {u" 12", 12},
    {u"+12", 12},
    {u"12abc", 12},
    {u"12 34", 12},
    {u"\t\t7", 7},
    {u" \t 7", 7},
    {u"\n7", 0},  // only spaces and tabs are skipped
    {u"$1E", 30},
    {u"$ff", 255},
    {u"$aB", 171},
    {u"%101", 5},
    {u"%102", 2},  // the first non-binary digit ends the number
    {u"1A", 1},    // letters are digits in hexadecimal only
    {u"", 0},
    {u"abc", 0},
    {u"$", 0},
    {u"$g", 0},
    {u"- 5", 0},  // no blanks after the sign
    {u"-5", -5},
    {u"--5", 0},  // one sign at most
    {u"+-5", 0},
    {u"-$10", -16},
    {u"\uFF15", 0},                                  // a full-width five is no ASCII digit
    {u"4294967306", 4294967306},                     // 2^32 + 10 keeps all 64 bits
    {u"18446744073709551617", 1},                    // 2^64 + 1 wraps to 1
    {u"18446744073709551626", 10},                   // 2^64 + 10
    {u"99999999999999999999", 7766279631452241919},  // wraps past 2^64 several times
    {u"18446744073709551615", -1},                   // 2^64 - 1 reads as -1
    {u"$FFFFFFFFFFFFFFFF", -1},
    {u"9223372036854775808", kMin64},   // 2^63 wraps to the smallest value
    {u"-9223372036854775808", kMin64},  // its two's complement is itself
    {u"-4294967286", -4294967286},
};

TEST(ParseNumber, ReadsTheNumberAtTheStartOfTheText) {
  for (const ParseCase& c : kParseCases) {
    EXPECT_EQ(ParseNumber(c.text), c.value) << "text: \"" << tk::ToUtf8(c.text) << "\"";
  }
}

TEST(ParseNumber, AbsentTextGivesZero) {
  EXPECT_EQ(ParseNumber(std::u16string_view{}), 0);
}

}  // namespace
}  // namespace password

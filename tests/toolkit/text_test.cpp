#include "toolkit/text.h"

#include <gtest/gtest.h>

namespace {

struct Utf16Case {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

TEST(ToUtf8, EncodesEveryLengthAndReplacesUnpairedSurrogates) {
  const Utf16Case cases[] = {
      {"ascii", u"Kennwerk", "Kennwerk"},
      {"two bytes", u"gültig", "g\xC3\xBCltig"},
      {"three bytes", u"\u20AC", "\xE2\x82\xAC"},
      {"pair", u"\U0001F512", "\xF0\x9F\x94\x92"},
      {"lone high at end", u"a\xD83D", "a\xEF\xBF\xBD"},
      {"lone low", u"\xDC00z", "\xEF\xBF\xBDz"},
      {"high then high then low", u"\xD83D\xD83D\xDD12", "\xEF\xBF\xBD\xF0\x9F\x94\x92"},
      {"reversed pair", u"\xDD12\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"empty", u"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tk::ToUtf8(c.utf16), c.utf8) << c.name;
}

TEST(FromUtf8, DecodesValidTextAndGivesOneReplacementPerMaximalBadPart) {
  const Utf16Case cases[] = {
      {"umlauts", u"Passwortlänge", "Passwortl\xC3\xA4nge"},
      {"four bytes", u"\U0001F512", "\xF0\x9F\x94\x92"},
      {"highest code point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
      {"stray continuation", u"a\uFFFDb",
       "a\x80"
       "b"},
      {"overlong slash", u"\uFFFD\uFFFD", "\xC0\xAF"},
      {"overlong three", u"\uFFFD\uFFFD\uFFFD", "\xE0\x80\xAF"},
      {"encoded surrogate", u"\uFFFD\uFFFD\uFFFD", "\xED\xA0\x80"},
      {"above U+10FFFF", u"\uFFFD\uFFFD\uFFFD\uFFFD", "\xF4\x90\x80\x80"},
      {"truncated at end", u"x\uFFFD", "x\xE2\x82"},
      {"truncated before ascii", u"\uFFFDA",
       "\xF0\x9F\x94"
       "A"},
      {"invalid lead", u"\uFFFD", "\xFF"},
      {"nul kept", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tk::FromUtf8(c.utf8), c.utf16) << c.name;
}

TEST(FromUtf8, RoundTripsWhatToUtf8Wrote) {
  std::u16string text = u"gültig für   : \U0001F512\r\nÄÖÜß€";
  EXPECT_EQ(tk::FromUtf8(tk::ToUtf8(text)), text);
}

}  // namespace

// The length field as a user meets it: emptied when it gains the focus, forced into 8 to 30 when
// it loses it, the status line saying what was corrected and nothing when the value was fine.
#include <gtest/gtest.h>

#include <string>

#include "kennwerk_window.h"
#include "toolkit/text.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

const std::u16string kCapped =
    u"die Anzahl der maximalen Passwortlänge wurde auf 30 Zeichen begrenzt";
const std::u16string kRaised = u"die Anzahl der mindest Passwortlänge wurde auf 8 Zeichen erhöht";

// Focus in, enter the text, Tab away.
void EnterLength(std::u16string_view text, bool paste) {
  ClickAt(kLengthField);
  if (paste) {
    headless::Paste(text);
  } else {
    headless::Type(text);
  }
  headless::PressTab();
}

TEST(LengthRules, ValueIsForcedIntoRangeAndOnlyACorrectionIsReported) {
  const struct {
    std::u16string entered;
    bool pasted;  // typing takes digits only
    std::u16string field;
    std::u16string status;
  } cases[] = {
      {u"7", false, u"8", kRaised},
      {u"8", false, u"8", u""},
      {u"30", false, u"30", u""},
      {u"31", false, u"30", kCapped},
      {u"0", false, u"8", kRaised},
      {u"007", false, u"8", kRaised},
      {u"0010", false, u"0010", u""},
      {u"12abc", true, u"12abc", u""},
      {u"-3", true, u"8", kRaised},
      {u"18446744073709551617", false, u"8", kRaised},  // 2^64 + 1 wraps to 1
      {u"9223372036854775808", false, u"8", kRaised},   // 2^63 reads as the most negative
      {u"", false, u"8", kRaised},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "entered \"" << tk::ToUtf8(c.entered) << "\"");
    Kennwerk kennwerk;
    // A message from an earlier correction, so that an empty status line shows it was cleared.
    EnterLength(u"99", false);
    ASSERT_EQ(TextOf(StatusLabel), kCapped);

    EnterLength(c.entered, c.pasted);
    EXPECT_EQ(TextOf(LengthField), c.field);
    EXPECT_EQ(TextOf(StatusLabel), c.status);
  }
}

TEST(LengthRules, FocusEmptiesTheFieldAndKeepsTheLastMessage) {
  Kennwerk kennwerk;
  ASSERT_EQ(TextOf(LengthField), u"20");
  EnterLength(u"3", false);
  ClickAt(kLengthField);
  EXPECT_EQ(TextOf(LengthField), u"");
  headless::Type(u"12");
  EXPECT_EQ(TextOf(StatusLabel), kRaised);
  headless::PressTab();
  EXPECT_EQ(TextOf(LengthField), u"12");
  EXPECT_EQ(TextOf(StatusLabel), u"");
}

TEST(LengthRules, GeneratedPasswordHasTheCorrectedLength) {
  const struct {
    std::u16string entered;
    std::size_t length;
  } cases[] = {{u"0010", 10}, {u"31", 30}, {u"12abc", 12}, {u"", 8}};
  for (const auto& c : cases) {
    Kennwerk kennwerk;
    EnterLength(c.entered, true);
    GenerateAndWait();
    EXPECT_EQ(TextOf(PasswordField).size(), c.length) << tk::ToUtf8(c.entered);
  }
}

}  // namespace

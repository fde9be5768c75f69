// The two note fields: a field that shows its grey placeholder empties when it gains the focus and
// takes black text in the password font; nothing else changes them until a save.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kennwerk_window.h"
#include "password/account_info.h"
#include "toolkit/fonts.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

const tk::Color kPlaceholderGrey = tk::Grey(143);
const tk::Color kBlack = tk::Rgb(0, 0, 0);

struct Look {
  std::u16string text;
  std::intptr_t color;
  tk::FontHandle font;
  bool operator==(const Look&) const = default;
};

Look LookOf(tk::ControlId field) {
  return {TextOf(field), tk::GetControlColor(field, tk::kColorFront), tk::GetControlFont(field)};
}

TEST(AccountFields, FocusEmptiesOnlyTheFieldThatShowsItsPlaceholder) {
  Kennwerk kennwerk;
  const Look usageAtStart = LookOf(UsageField);
  ASSERT_EQ(usageAtStart, (Look{std::u16string(UsagePlaceholder), kPlaceholderGrey,
                                tk::FontHandleOf(TitleFont)}));

  ClickAt(kAccountField);
  const Look typing{u"", kBlack, tk::FontHandleOf(PasswordFont)};
  EXPECT_EQ(LookOf(AccountField), typing);
  EXPECT_EQ(LookOf(UsageField), usageAtStart);

  // Losing the focus brings nothing back; the user's text stays through later focus changes.
  headless::PressTab();
  EXPECT_EQ(LookOf(AccountField), typing);
  ClickAt(kAccountField);
  headless::Type(u"erika");
  ClickAt(kUsageField);
  ClickAt(kAccountField);
  EXPECT_EQ(TextOf(AccountField), u"erika");
}

TEST(AccountFields, PlaceholderTextInTheOtherFieldNeverWipesThisOne) {
  Kennwerk kennwerk;
  ClickAt(kAccountField);
  headless::Type(u"erika");
  ClickAt(kUsageField);
  headless::Paste(AccountPlaceholder);
  ClickAt(kAccountField);
  ClickAt(kUsageField);
  EXPECT_EQ(TextOf(AccountField), u"erika");
  EXPECT_EQ(TextOf(UsageField), AccountPlaceholder);
}

}  // namespace

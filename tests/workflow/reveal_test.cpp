// The generate action as a user meets it: one press plays a reveal of exactly 100 passwords, the
// bar under the field fills and then rests in its darker green, the length field is corrected
// before each password is drawn, and a failing random source shows no password and one message.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "flat/flat_gadget.h"
#include "kennwerk_window.h"
#include "password/password_alphabet.h"
#include "toolkit/color.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

constexpr tk::Color kFill = tk::Rgb(149, 185, 104);
constexpr tk::Color kUnfilled = tk::Rgb(235, 235, 235);
constexpr tk::Color kResting = tk::Rgb(120, 158, 73);
constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);

// One password the field showed, with the bar's value at that moment.
struct Shown {
  std::u16string password;
  std::intptr_t value;
};

// Every password the field shows from now until the reveal ends, sampled after each millisecond
// so that no tick goes by unseen.
std::vector<Shown> WatchReveal(std::vector<Shown> seen = {}) {
  seen.push_back({TextOf(PasswordField), RevealValue()});
  for (int ms = 0; ms < 2000 && Revealing(); ++ms) {
    headless::Advance(1);
    if (TextOf(PasswordField) != seen.back().password) {
      seen.push_back({TextOf(PasswordField), RevealValue()});
    }
  }
  return seen;
}

bool FromAlphabet(const std::u16string& password) {
  return password.find_first_not_of(std::u16string(PasswordAlphabet)) == std::u16string::npos;
}

// Row 1 of the bar, the only row that is not frame: what the user sees as the thin line.
std::vector<tk::Color> BarLine() {
  const tk::PixelBuffer bar = headless::CanvasPicture(RevealProgress);
  std::vector<tk::Color> line;
  for (int x = 0; x < bar.width; ++x) {
    line.push_back(bar.ColorAt(x, 1));
  }
  return line;
}

// Each password drawn paints the copy button nine times as its colours are set.
int CopyButtonPaints() {
  return headless::CanvasPresentations(CopyButton);
}

TEST(Reveal, OnePressDrawsExactlyOneHundredPasswordsAndKeepsTheLast) {
  Kennwerk kennwerk;
  const int paintsBefore = CopyButtonPaints();
  ClickAt(kGenerateButton);

  // The first step comes with the press itself, not a timer period later.
  EXPECT_EQ(RevealValue(), 1);
  EXPECT_EQ(TextOf(PasswordField).size(), 20u);
  std::vector<Shown> seen = WatchReveal();

  ASSERT_EQ(seen.size(), 100u);
  for (std::size_t k = 0; k < seen.size(); ++k) {
    EXPECT_EQ(seen[k].value, std::intptr_t(k + 1)) << "step " << k + 1;
    EXPECT_EQ(seen[k].password.size(), 20u);
    EXPECT_TRUE(FromAlphabet(seen[k].password));
  }
  EXPECT_EQ(CopyButtonPaints() - paintsBefore, 100 * 9);
  // 99 periods bring the last password, the hundredth tick ends the reveal.
  EXPECT_EQ(headless::Now(), 100 * 8);

  headless::Advance(500);
  EXPECT_EQ(TextOf(PasswordField), seen.back().password);
  EXPECT_EQ(RevealValue(), 0);
  EXPECT_EQ(tk::GetControlColor(RevealProgress, flat::FlatColorFrame), kWhite);
  EXPECT_EQ(tk::GetControlColor(RevealProgress, flat::FlatColorFront), kWhite);
  EXPECT_EQ(tk::GetControlColor(RevealProgress, flat::FlatColorBack), kResting);
  const std::vector<tk::Color> line = BarLine();
  EXPECT_EQ(line.front(), kWhite);
  EXPECT_EQ(line.back(), kWhite);
  EXPECT_EQ(std::vector<tk::Color>(line.begin() + 1, line.end() - 1),
            std::vector<tk::Color>(583, kResting));
}

TEST(Reveal, BarFillsInItsRunningColoursAlsoAfterAnEarlierReveal) {
  Kennwerk kennwerk;
  GenerateAndWait();
  ClickAt(kGenerateButton);
  // Value 1 of 100 on a 585-pixel bar fills six columns from column 2.
  const std::vector<tk::Color> line = BarLine();
  for (int x = 1; x < 584; ++x) {
    EXPECT_EQ(line[x], x >= 2 && x < 8 ? kFill : kUnfilled) << "column " << x;
  }
}

TEST(Reveal, ResultButtonsAreEnabledWithTheFirstPassword) {
  Kennwerk kennwerk;
  ASSERT_FALSE(tk::IsControlEnabled(CopyButton));
  ClickAt(kGenerateButton);
  for (tk::ControlId button : {CopyButton, SaveButton}) {
    EXPECT_TRUE(tk::IsControlEnabled(button));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorFront), tk::Grey(78));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorBack), tk::Grey(246));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorFrame), tk::Grey(208));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorHoverFront), tk::Grey(0));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorHoverBack), tk::Grey(208));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorHoverFrame), tk::Grey(89));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorPressedFront), tk::Grey(78));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorPressedBack), tk::Grey(246));
    EXPECT_EQ(tk::GetControlColor(button, flat::FlatColorPressedFrame), tk::Grey(208));
  }
}

TEST(Reveal, SecondPressAddsOneStepButNeverRestarts) {
  Kennwerk kennwerk;
  ClickAt(kGenerateButton);
  std::vector<Shown> seen;
  seen.push_back({TextOf(PasswordField), RevealValue()});
  while (RevealValue() < 40) {
    headless::Advance(1);
    if (TextOf(PasswordField) != seen.back().password) {
      seen.push_back({TextOf(PasswordField), RevealValue()});
    }
  }
  ClickAt(kGenerateButton);
  EXPECT_EQ(RevealValue(), 41);
  seen = WatchReveal(std::move(seen));

  ASSERT_EQ(seen.size(), 100u);
  EXPECT_EQ(seen.back().value, 100);
  // One step came with the press, so the reveal ends one period early.
  EXPECT_EQ(headless::Now(), 99 * 8);
}

TEST(Reveal, LengthFieldWithTheFocusIsCorrectedBeforeTheFirstPassword) {
  const struct {
    std::u16string typed;
    std::u16string corrected;
    std::size_t length;
  } cases[] = {{u"50", u"30", 30}, {u"5", u"8", 8}};
  for (const auto& c : cases) {
    Kennwerk kennwerk;
    ClickAt(kLengthField);
    headless::Type(c.typed);
    ClickAt(kGenerateButton);
    EXPECT_EQ(TextOf(LengthField), c.corrected);
    EXPECT_FALSE(TextOf(StatusLabel).empty());
    for (const Shown& shown : WatchReveal()) {
      EXPECT_EQ(shown.password.size(), c.length) << "value " << shown.value;
    }
  }
}

TEST(Reveal, EveryStepReadsTheLengthAfresh) {
  Kennwerk kennwerk;
  ClickAt(kGenerateButton);
  headless::Advance(8 * 30);
  ASSERT_EQ(RevealValue(), 31);
  // Clicking into the field empties it; the next step's focus move makes it 8.
  ClickAt(kLengthField);
  EXPECT_EQ(TextOf(LengthField), u"");
  std::vector<Shown> seen = WatchReveal();
  EXPECT_EQ(TextOf(LengthField), u"8");
  EXPECT_EQ(TextOf(StatusLabel),
            u"die Anzahl der mindest Passwortlänge wurde auf 8 Zeichen erhöht");
  ASSERT_EQ(seen.size(), 70u);
  for (std::size_t k = 1; k < seen.size(); ++k) {
    EXPECT_EQ(seen[k].password.size(), 8u) << "value " << seen[k].value;
  }
}

TEST(Reveal, FailingRandomSourceShowsNoPasswordAndOneMessage) {
  Kennwerk kennwerk;
  headless::SetRandomFailing(true);
  headless::AnswerMessageBox(tk::MessageAnswer::Ok);
  ClickAt(kGenerateButton);

  // A second message would find no scripted answer and fail the test.
  headless::Advance(2000);
  ASSERT_EQ(headless::RequestersShown().size(), 1u);
  EXPECT_EQ(headless::RequestersShown()[0].title, u"Info");
  EXPECT_EQ(headless::RequestersShown()[0].text, u"Passwort konnte nicht erzeugt werden!");
  EXPECT_EQ(headless::RequestersShown()[0].buttons, tk::MessageButtons::Ok);
  EXPECT_EQ(TextOf(PasswordField), u"");
  EXPECT_FALSE(Revealing());
  EXPECT_EQ(RevealValue(), 0);
  EXPECT_FALSE(tk::IsControlEnabled(CopyButton));
  EXPECT_FALSE(tk::IsControlEnabled(SaveButton));
}

TEST(Reveal, SourceFailingMidwayEndsTheRevealWithoutAPasswordOnShow) {
  Kennwerk kennwerk;
  GenerateAndWait();
  ClickAt(kGenerateButton);
  headless::Advance(8 * 20);
  ASSERT_TRUE(Revealing());

  headless::SetRandomFailing(true);
  // Ticks go on behind the message box; none of them may draw or report again.
  headless::AnswerMessageBox(tk::MessageAnswer::Ok, [] { headless::Advance(1000); });
  headless::Advance(8);
  headless::Advance(2000);
  ASSERT_EQ(headless::RequestersShown().size(), 1u);
  EXPECT_EQ(TextOf(PasswordField), u"");
  EXPECT_FALSE(tk::IsControlEnabled(CopyButton));
  EXPECT_EQ(tk::GetControlColor(CopyButton, flat::FlatColorFront), tk::Grey(201));
  EXPECT_EQ(tk::GetControlColor(RevealProgress, flat::FlatColorBack), kResting);

  // Once the source works again, a press plays a whole reveal.
  headless::SetRandomFailing(false);
  ClickAt(kGenerateButton);
  EXPECT_EQ(WatchReveal().size(), 100u);
  EXPECT_TRUE(tk::IsControlEnabled(CopyButton));
}

}  // namespace

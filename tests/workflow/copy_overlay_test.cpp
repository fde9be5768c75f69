// Copying the password: the clipboard gets exactly the text shown at the press, marked so that
// clipboard history leaves it out, and the white overlay confirms it for 101 ticks while it puts
// the workflow's controls out of use. A copy that fails is reported, never confirmed.
#include <gtest/gtest.h>

#include <string>

#include "kennwerk_window.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

// The controls the overlay puts out of use, and how.
const struct {
  tk::ControlId control;
  bool hidden;  // else disabled
} kOutOfUse[] = {
    {PasswordPanel, false}, {LengthPanel, false},   {StatusLabel, false},   {CopyButton, true},
    {SaveButton, true},     {GenerateButton, true}, {LengthCaption, false}, {LengthField, false},
    {PasswordField, false}, {AccountField, false},
};

void ExpectInUse() {
  for (const auto& [control, hidden] : kOutOfUse) {
    EXPECT_TRUE(tk::IsControlVisible(control)) << "control " << control.value;
    EXPECT_TRUE(tk::IsControlEnabled(control)) << "control " << control.value;
  }
  EXPECT_FALSE(tk::IsControlVisible(CopiedOverlay));
}

void ExpectOutOfUse() {
  for (const auto& [control, hidden] : kOutOfUse) {
    EXPECT_EQ(tk::IsControlVisible(control), !hidden) << "control " << control.value;
    EXPECT_EQ(tk::IsControlEnabled(control), hidden) << "control " << control.value;
  }
  EXPECT_TRUE(tk::IsControlVisible(CopiedOverlay));
  EXPECT_TRUE(tk::IsControlEnabled(UsageField));
}

TEST(Copy, PutsTheShownPasswordOnTheClipboardAndConfirmsFor101Ticks) {
  Kennwerk kennwerk;
  GenerateAndWait();
  const std::u16string shown = TextOf(PasswordField);
  ClickAt(kCopyButton);

  EXPECT_EQ(headless::ClipboardText(), shown);
  EXPECT_TRUE(headless::ClipboardIsSensitive());
  EXPECT_EQ(TextOf(CopiedLabel), u"Passwort in Zwischenablage kopieren");
  ExpectOutOfUse();

  // Ticks of 2 ms: a hundred fill the bar, the hundred-and-first takes the overlay down.
  headless::Advance(100 * 2);
  EXPECT_EQ(tk::GetControlState(CopiedProgress), 100);
  EXPECT_TRUE(OverlayUp());
  ExpectOutOfUse();
  headless::Advance(2);
  EXPECT_FALSE(OverlayUp());
  EXPECT_EQ(tk::GetControlState(CopiedProgress), 0);
  ExpectInUse();
  EXPECT_TRUE(headless::RequestersShown().empty());

  // The window is usable again: a press plays a new reveal.
  ClickAt(kGenerateButton);
  EXPECT_TRUE(Revealing());
  EXPECT_NE(TextOf(PasswordField), shown);
}

TEST(Copy, DuringARevealTakesThePasswordOfThatMomentAndTheRevealGoesOn) {
  Kennwerk kennwerk;
  ClickAt(kGenerateButton);
  headless::Advance(8 * 10);
  const std::u16string shown = TextOf(PasswordField);
  ClickAt(kCopyButton);
  EXPECT_EQ(headless::ClipboardText(), shown);

  // Under the overlay the steps go on and enable the buttons, which stay hidden.
  headless::Advance(8 * 5);
  EXPECT_NE(TextOf(PasswordField), shown);
  EXPECT_TRUE(tk::IsControlEnabled(CopyButton));
  EXPECT_FALSE(tk::IsControlVisible(CopyButton));
  FinishReveal();
  EXPECT_EQ(tk::GetControlState(RevealProgress), 0);
  headless::Advance(202);
  ExpectInUse();
  EXPECT_EQ(headless::ClipboardText(), shown);
}

TEST(Copy, FailedCopyIsReportedAndShowsNoOverlay) {
  Kennwerk kennwerk;
  GenerateAndWait();
  ClickAt(kCopyButton);
  headless::Advance(202);
  const std::u16string before = headless::ClipboardText();
  GenerateAndWait();

  headless::FailNextClipboardSet();
  headless::AnswerMessageBox(tk::MessageAnswer::Ok);
  ClickAt(kCopyButton);

  ASSERT_EQ(headless::RequestersShown().size(), 1u);
  EXPECT_EQ(headless::RequestersShown()[0].title, u"Info");
  EXPECT_EQ(headless::RequestersShown()[0].text,
            u"Passwort konnte nicht in die Zwischenablage kopiert werden!");
  EXPECT_EQ(headless::RequestersShown()[0].buttons, tk::MessageButtons::Ok);
  EXPECT_EQ(headless::ClipboardText(), before);
  EXPECT_FALSE(OverlayUp());
  ExpectInUse();
}

}  // namespace

// Start-up as a user meets it: what the window shows before anything is touched, where it
// appears, and how large its fonts are on screens of different resolution.
#include <gtest/gtest.h>

#include <vector>

#include "app/shell_ids.h"
#include "flat/flat_gadget.h"
#include "password/window_ids.h"
#include "started_window.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/timers.h"
#include "toolkit/window.h"

namespace {

using namespace password;
using app_test::StartedWindow;
namespace headless = tk::headless;

TEST(Startup, WindowIsShownBorderlessWithItsTitleAndShadow) {
  StartedWindow kennwerk;
  const headless::WindowFacts facts = headless::FactsOf(MainWindow);
  EXPECT_TRUE(facts.visible);
  EXPECT_TRUE(facts.borderless);
  EXPECT_FALSE(facts.minimised);
  EXPECT_TRUE(facts.dropShadowClassStyle);
  EXPECT_EQ(facts.title, u"Kennwerk");
  EXPECT_EQ(facts.clientSize, (tk::Size{730, 615}));
  EXPECT_EQ(facts.dragsStarted, 0);
}

TEST(Startup, ControlsShowTheirFirstTextsAndNothingHasTheFocus) {
  StartedWindow kennwerk;
  const struct {
    tk::ControlId control;
    std::u16string_view text;
  } texts[] = {
      {app::TitleLabel, u"Kennwerk v1-03-2018"},
      {GenerateButton, u"generiere Passwort"},
      {LengthCaption, u"Anzahl eingeben"},
      {LengthField, u"20"},
      {PasswordField, u""},
      {StatusLabel, u""},
      {UsageField, u"Verwendung, Hinweis eingeben, wenn Sie die Infos speichern möchten"},
      {AccountField, u"Benutzername, Account eingeben, wenn Sie die Infos speichern möchten"},
      {CopyButton, u"Passwort in Zwischenablage kopieren"},
      {SaveButton, u"Passwort Informationen speichern"},
      {CopiedLabel, u"Passwort wurde in die Zwischenablage kopiert"},
      {app::MinimizeButton, u"__"},
  };
  for (const auto& [control, text] : texts) {
    EXPECT_EQ(tk::GetControlText(control), text) << "control " << control.value;
  }
  EXPECT_EQ(headless::FocusedControl(), tk::ControlId{tk::kAnyNumber});
}

TEST(Startup, ResultButtonsAreDisabledWithLightGreyCaptionsAndTheOverlayIsHidden) {
  StartedWindow kennwerk;
  EXPECT_TRUE(tk::IsControlEnabled(GenerateButton));
  for (tk::ControlId button : {CopyButton, SaveButton}) {
    EXPECT_FALSE(tk::IsControlEnabled(button));
    const tk::PixelBuffer face = headless::CanvasPicture(button);
    int lightGrey = 0;
    for (std::uint32_t pixel : face.pixels) {
      lightGrey += tk::FromPixel(pixel) == tk::Grey(201);
    }
    EXPECT_GT(lightGrey, 0) << "button " << button.value << " shows no light grey caption";
  }
  EXPECT_FALSE(tk::IsControlVisible(CopiedOverlay));
  EXPECT_EQ(tk::GetControlState(CopiedProgress), 0);
}

TEST(Startup, NoTimerTicksBeforeTheFirstAction) {
  StartedWindow kennwerk;
  headless::Advance(5000);
  EXPECT_FALSE(tk::IsTimerRunning(MainWindow, RevealTimer));
  EXPECT_FALSE(tk::IsTimerRunning(MainWindow, OverlayTimer));
  EXPECT_EQ(tk::GetControlState(RevealProgress), 0);
  EXPECT_EQ(tk::GetControlText(PasswordField), u"");
}

struct ScreenCase {
  tk::Size screen;
  tk::Point position;
};

class StartupPosition : public testing::TestWithParam<ScreenCase> {};

TEST_P(StartupPosition, WindowIsCentredAndAnEdgeThatDoesNotFitGoesToZero) {
  StartedWindow kennwerk({.screen = GetParam().screen});
  EXPECT_EQ(headless::FactsOf(MainWindow).position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupPosition,
                         testing::Values(ScreenCase{{1920, 1080}, {595, 232}},
                                         ScreenCase{{800, 600}, {35, 0}},
                                         ScreenCase{{1366, 768}, {318, 76}},
                                         ScreenCase{{731, 616}, {0, 0}},
                                         ScreenCase{{640, 480}, {0, 0}}));

struct DpiCase {
  int dpi;
  std::vector<int> fontHeights;  // fonts 0 to 5
};

class StartupFonts : public testing::TestWithParam<DpiCase> {};

TEST_P(StartupFonts, SixFontsScaleWithTheScreenWhileTheFieldsKeepTheirSize) {
  StartedWindow kennwerk({.dpi = GetParam().dpi});
  for (int font = 0; font < 6; ++font) {
    EXPECT_EQ(tk::FontHeightOf(tk::FontHandleOf(tk::FontId{font})),
              GetParam().fontHeights[std::size_t(font)])
        << "font " << font;
  }
  EXPECT_EQ(tk::ControlRect(PasswordField).height, 53);
}

INSTANTIATE_TEST_SUITE_P(Dpi, StartupFonts,
                         testing::Values(DpiCase{96, {13, 16, 19, 24, 32, 16}},
                                         DpiCase{120, {17, 20, 23, 30, 40, 20}}));

TEST(Startup, EachTextControlGetsItsFont) {
  StartedWindow kennwerk;
  const struct {
    tk::ControlId control;
    tk::FontId font;
  } uses[] = {
      {LengthCaption, CaptionFont},  {StatusLabel, CaptionFont},
      {CopyButton, CaptionFont},     {SaveButton, CaptionFont},
      {app::TitleLabel, TitleFont},  {AccountField, TitleFont},
      {UsageField, TitleFont},       {GenerateButton, ButtonFont},
      {CopiedLabel, ButtonFont},     {LengthField, LengthFont},
      {PasswordField, PasswordFont}, {app::MinimizeButton, MinimizeFont},
  };
  for (const auto& [control, font] : uses) {
    EXPECT_NE(tk::FontHandleOf(font), 0) << "font " << font.value;
    EXPECT_EQ(tk::GetControlFont(control), tk::FontHandleOf(font)) << "control " << control.value;
  }
}

}  // namespace

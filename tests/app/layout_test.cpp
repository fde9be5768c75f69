// The main window's layout, checked the way a user sees it: where each control is, what the
// composed window looks like at its edges and round the logo, the Tab order, what the fields
// accept, and which clicks reach the workflow.
#include <gtest/gtest.h>

#include <vector>

#include "app/shell_ids.h"
#include "flat/flat_gadget.h"
#include "password/window_ids.h"
#include "started_window.h"
#include "toolkit/controls.h"
#include "toolkit/images.h"

namespace {

using namespace password;
using app_test::StartedWindow;
namespace headless = tk::headless;

constexpr tk::Color kGreen = tk::Rgb(149, 185, 104);
constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);

TEST(Layout, ControlsAreCreatedInOrderAtTheirPlaces) {
  StartedWindow kennwerk;
  const struct {
    tk::ControlId control;
    tk::Rect rect;  // relative to the parent
  } expected[] = {
      {app::LogoImage, {10, 5, 18, 22}},       {app::TitleLabel, {40, 1, 250, 31}},
      {app::ClientPanel, {1, 33, 728, 581}},   {GenerateButton, {174, 55, 265, 60}},
      {LengthCaption, {449, 55, 105, 18}},     {LengthPanel, {449, 79, 105, 35}},
      {LengthField, {1, 1, 103, 33}},          {PasswordPanel, {71, 160, 585, 55}},
      {PasswordField, {0, 0, 587, 53}},        {RevealProgress, {0, 52, 585, 3}},
      {StatusLabel, {71, 220, 585, 20}},       {UsagePanel, {71, 280, 585, 55}},
      {UsageField, {1, 1, 583, 53}},           {AccountPanel, {71, 370, 585, 55}},
      {AccountField, {1, 1, 583, 53}},         {CopyButton, {71, 470, 260, 50}},
      {SaveButton, {393, 470, 260, 50}},       {CopiedOverlay, {0, 0, 728, 582}},
      {CopiedLabel, {0, 0, 728, 552}},         {CopiedProgress, {150, 309, 425, 1}},
      {app::CloseBox, {677, 1, 52, 31}},       {app::MinimizePanel, {640, 3, 32, 30}},
      {app::MinimizeButton, {0, -15, 32, 45}},
  };
  std::vector<int> created;
  tk::ForEachControl([&](tk::GadgetObject& object) {
    created.push_back(object.number.value);
    return false;
  });
  std::vector<int> wanted;
  for (const auto& [control, rect] : expected) {
    wanted.push_back(control.value);
    EXPECT_EQ(tk::ControlRect(control), rect) << "control " << control.value;
  }
  EXPECT_EQ(created, wanted);
}

TEST(Layout, StockControlsAndBarsHaveTheirColours) {
  StartedWindow kennwerk;
  const struct {
    tk::ControlId control;
    int type;
    tk::Color color;
  } expected[] = {
      {app::TitleLabel, tk::kColorBack, kGreen},
      {app::TitleLabel, tk::kColorFront, kWhite},
      {app::ClientPanel, tk::kColorBack, kWhite},
      {LengthCaption, tk::kColorBack, kWhite},
      {LengthPanel, tk::kColorBack, tk::Grey(205)},
      {PasswordPanel, tk::kColorBack, tk::Grey(221)},
      {PasswordField, tk::kColorBack, kWhite},
      {StatusLabel, tk::kColorBack, kWhite},
      {UsagePanel, tk::kColorBack, tk::Grey(221)},
      {UsageField, tk::kColorBack, kWhite},
      {UsageField, tk::kColorFront, tk::Grey(143)},
      {AccountPanel, tk::kColorBack, tk::Grey(221)},
      {AccountField, tk::kColorBack, kWhite},
      {AccountField, tk::kColorFront, tk::Grey(143)},
      {CopiedOverlay, tk::kColorBack, kWhite},
      {CopiedLabel, tk::kColorBack, kWhite},
      {CopiedLabel, tk::kColorFront, tk::Grey(143)},
      {app::MinimizePanel, tk::kColorBack, kGreen},
      {RevealProgress, flat::FlatColorFrame, kWhite},
      {RevealProgress, flat::FlatColorFront, kGreen},
      {RevealProgress, flat::FlatColorBack, tk::Grey(235)},
      {CopiedProgress, flat::FlatColorFrame, kWhite},
      {CopiedProgress, flat::FlatColorFront, kGreen},
      {CopiedProgress, flat::FlatColorBack, kWhite},
  };
  for (const auto& [control, type, color] : expected) {
    EXPECT_EQ(tk::GetControlColor(control, type), color)
        << "control " << control.value << " colour type " << type;
  }
  for (tk::ControlId bar : {RevealProgress, CopiedProgress}) {
    EXPECT_EQ(tk::GetControlAttribute(bar, flat::FlatAttributeMinimum), 0);
    EXPECT_EQ(tk::GetControlAttribute(bar, flat::FlatAttributeMaximum), 100);
  }
}

TEST(Layout, FlatButtonsHaveTheirNineColours) {
  StartedWindow kennwerk;
  using tk::Grey;
  constexpr tk::Color kDarkGreen = tk::Rgb(86, 114, 52);
  const int slots[9] = {
      flat::FlatColorFront,        flat::FlatColorBack,        flat::FlatColorFrame,
      flat::FlatColorHoverFront,   flat::FlatColorHoverBack,   flat::FlatColorHoverFrame,
      flat::FlatColorPressedFront, flat::FlatColorPressedBack, flat::FlatColorPressedFrame};
  const struct {
    tk::ControlId button;
    tk::Color colors[9];
  } expected[] = {
      {GenerateButton,
       {Grey(78), Grey(255), Grey(208), Grey(0), Grey(208), Grey(89), Grey(78), Grey(255),
        Grey(208)}},
      {CopyButton,
       {Grey(201), Grey(246), Grey(208), Grey(0), Grey(208), Grey(89), Grey(78), Grey(246),
        Grey(208)}},
      {SaveButton,
       {Grey(201), Grey(246), Grey(208), Grey(0), Grey(208), Grey(89), Grey(78), Grey(246),
        Grey(208)}},
      {app::MinimizeButton,
       {kWhite, kGreen, kGreen, kDarkGreen, kGreen, kGreen, kWhite, kGreen, kGreen}},
  };
  for (const auto& [button, colors] : expected) {
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(tk::GetControlColor(button, slots[i]), colors[i])
          << "button " << button.value << " slot " << slots[i];
    }
  }
}

// Window columns 0 and 729 and row 614 stay the window's green; the white client panel covers
// columns 1 to 728 from row 33 down to row 613, and the title strip above it is green to the end.
TEST(Layout, ClientPanelIsFramedByOnePixelOfGreen) {
  StartedWindow kennwerk;
  const tk::PixelBuffer shot = headless::Screenshot(MainWindow);
  ASSERT_EQ(shot.width, 730);
  ASSERT_EQ(shot.height, 615);
  for (int y = 0; y < 615; ++y) {
    ASSERT_EQ(shot.ColorAt(0, y), kGreen) << "left column, row " << y;
    ASSERT_EQ(shot.ColorAt(729, y), kGreen) << "right column, row " << y;
  }
  for (int x = 0; x < 730; ++x) {
    ASSERT_EQ(shot.ColorAt(x, 614), kGreen) << "bottom row, column " << x;
    ASSERT_EQ(shot.ColorAt(x, 32), kGreen) << "last row of the title strip, column " << x;
  }
  for (int x = 1; x <= 728; ++x) {
    ASSERT_EQ(shot.ColorAt(x, 33), kWhite) << "first panel row, column " << x;
    ASSERT_EQ(shot.ColorAt(x, 613), kWhite) << "last panel row, column " << x;
  }
  for (int y = 33; y <= 613; ++y) {
    ASSERT_EQ(shot.ColorAt(1, y), kWhite) << "first panel column, row " << y;
    ASSERT_EQ(shot.ColorAt(728, y), kWhite) << "last panel column, row " << y;
  }
}

TEST(Layout, LogoShowsItsPictureFromTenFiveToTwentySevenTwentySix) {
  StartedWindow kennwerk;
  const tk::Image* logo = tk::ImageFromHandle(tk::ImageHandleOf(app::LogoPicture));
  ASSERT_NE(logo, nullptr);
  ASSERT_EQ(logo->width, 18);
  ASSERT_EQ(logo->height, 22);
  const tk::PixelBuffer shot = headless::Screenshot(MainWindow);
  int lockPixels = 0;
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 18; ++x) {
      const tk::Color pixel = tk::FromPixel(logo->pixels[std::size_t(y) * 18 + x]);
      ASSERT_EQ(shot.ColorAt(10 + x, 5 + y), pixel) << "logo pixel " << x << ", " << y;
      lockPixels += pixel != kGreen;
    }
  }
  EXPECT_GT(lockPixels, 0) << "the logo shows no lock";
  // Round the picture the strip is plain green: nothing else of the 26 x 30 request shows.
  for (int y = 4; y <= 32; ++y) {
    for (int x = 9; x <= 36; ++x) {
      const bool inLogo = x >= 10 && x <= 27 && y >= 5 && y <= 26;
      if (!inLogo) {
        ASSERT_EQ(shot.ColorAt(x, y), kGreen) << x << ", " << y;
      }
    }
  }
}

TEST(Layout, TabVisitsTheFourFieldsInCreationOrderBothWays) {
  StartedWindow kennwerk;
  const tk::ControlId forward[] = {LengthField, PasswordField, UsageField, AccountField,
                                   LengthField};
  for (tk::ControlId field : forward) {
    headless::PressTab();
    EXPECT_EQ(headless::FocusedControl(), field);
  }
  const tk::ControlId backward[] = {AccountField, UsageField, PasswordField, LengthField};
  for (tk::ControlId field : backward) {
    headless::PressShiftTab();
    EXPECT_EQ(headless::FocusedControl(), field);
  }
}

TEST(Layout, LengthFieldRefusesTypedLettersButTakesPastedOnes) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kLengthFieldCentre);  // empties it
  headless::Type(u"1a2");
  EXPECT_EQ(tk::GetControlText(LengthField), u"12");
  headless::Paste(u"abc");
  EXPECT_EQ(tk::GetControlText(LengthField), u"12abc");
}

TEST(Layout, PasswordFieldIsReadOnly) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kPasswordFieldCentre);
  headless::Type(u"abc");
  headless::Paste(u"def");
  EXPECT_EQ(tk::GetControlText(PasswordField), u"");
}

TEST(Layout, AccountFieldsAreMultiLine) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kAccountFieldCentre);  // clears the placeholder
  headless::Type(u"a\nb");
  EXPECT_EQ(tk::GetControlText(AccountField), u"a\r\nb");
  EXPECT_EQ(tk::EditLineCount(AccountField), 2);
}

TEST(Layout, PressingGenerateRevealsAPasswordAndEnablesTheResultButtons) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kGenerateButtonCentre);
  headless::Advance(2000);
  EXPECT_EQ(tk::GetControlText(PasswordField).size(), 20u);
  EXPECT_TRUE(tk::IsControlEnabled(CopyButton));
  EXPECT_TRUE(tk::IsControlEnabled(SaveButton));
}

// The save handler is bound to the click alone: a press that ends outside the button saves
// nothing; a whole click opens the save dialog once.
TEST(Layout, SaveRunsOnceForACompletedClickOnly) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kGenerateButtonCentre);
  headless::Advance(2000);

  headless::MovePointer(MainWindow, app_test::kSaveButtonCentre);
  headless::PressLeft();
  headless::MovePointer(MainWindow, app_test::kClientPanelEmpty);
  headless::ReleaseLeft();
  EXPECT_TRUE(headless::RequestersShown().empty());

  headless::CancelSaveDialog();
  headless::Click(MainWindow, app_test::kSaveButtonCentre);
  ASSERT_EQ(headless::RequestersShown().size(), 1u);
  EXPECT_EQ(headless::RequestersShown()[0].kind, headless::RequesterShown::Kind::SaveDialog);
}

}  // namespace

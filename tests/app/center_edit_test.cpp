// Vertical centring of a multi-line field's text block: top = (H - N * L) / 2, bottom = top +
// N * L + 4, applied only while bottom < H.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "app/chrome.h"
#include "password/window_ids.h"
#include "started_window.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/window.h"

namespace {

namespace headless = tk::headless;

struct CentringCase {
  int height;  // H, the field's outer height
  std::u16string_view text;
  std::optional<tk::Rect> formatting;
};

class CenterEdit : public testing::TestWithParam<CentringCase> {};

// A field of our own with a 16-point font, whose lines are 21 pixels high at 96 DPI.
TEST_P(CenterEdit, TextBlockIsCentredWhenItFits) {
  headless::Session session;
  tk::OpenWindow(tk::WindowId{3}, {0, 0, 600, 100}, u"centring");
  tk::LoadFont(tk::FontId{9}, u"Segoe Ui", 16, tk::kFontProofQuality);
  const tk::ControlId field{30};
  tk::CreateEdit(field, {1, 1, 583, GetParam().height}, GetParam().text,
                 {.multiLine = true, .centered = true});
  tk::SetControlFont(field, tk::FontHandleOf(tk::FontId{9}));
  ASSERT_EQ(tk::MeasureText(tk::GetControlFont(field), u"ABC").height, 21);

  app::CenterEditVertically(field);
  EXPECT_EQ(headless::FormattingRect(field), GetParam().formatting);
}

INSTANTIATE_TEST_SUITE_P(
    LineHeight21, CenterEdit,
    testing::Values(CentringCase{53, u"one line", tk::Rect{0, 16, 583, 25}},
                    CentringCase{53, u"one\r\ntwo", tk::Rect{0, 5, 583, 46}},
                    CentringCase{53, u"one\r\ntwo\r\nthree", std::nullopt},
                    CentringCase{51, u"one\r\ntwo", tk::Rect{0, 4, 583, 46}},  // H - N * L = 9
                    CentringCase{50, u"one\r\ntwo", std::nullopt}));           // bottom = H

struct DpiCase {
  int dpi;
  tk::Rect formatting;
};

class AccountFieldCentring : public testing::TestWithParam<DpiCase> {};

// The placeholders are measured in the title font they are created with, not the password font
// the fields take later.
TEST_P(AccountFieldCentring, PlaceholdersSitInTheMiddleOfTheirFields) {
  app_test::StartedWindow kennwerk({.dpi = GetParam().dpi});
  EXPECT_EQ(headless::FormattingRect(password::UsageField), GetParam().formatting);
  EXPECT_EQ(headless::FormattingRect(password::AccountField), GetParam().formatting);
}

INSTANTIATE_TEST_SUITE_P(Dpi, AccountFieldCentring,
                         testing::Values(DpiCase{96, {0, 18, 583, 20}},
                                         DpiCase{120, {0, 16, 583, 24}}));

}  // namespace

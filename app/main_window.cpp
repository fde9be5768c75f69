#include "app/main_window.h"

#include <string_view>

#include "app/chrome.h"
#include "app/palette.h"
#include "app/shell_ids.h"
#include "flat/flat_button.h"
#include "flat/flat_progress.h"
#include "password/account_info.h"
#include "password/copy_overlay.h"
#include "password/length_rules.h"
#include "password/reveal.h"
#include "password/window_ids.h"
#include "resources/logo_picture.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"
#include "toolkit/images.h"
#include "toolkit/window.h"

namespace app {
namespace {

using namespace password;
using tk::Grey;

constexpr flat::FlatButtonColors kGenerateColors{
    .front = Grey(78),
    .back = Grey(255),
    .frame = Grey(208),
    .hoverFront = Grey(0),
    .hoverBack = Grey(208),
    .hoverFrame = Grey(89),
    .pressedFront = Grey(78),
    .pressedBack = Grey(255),
    .pressedFrame = Grey(208),
};
// The light grey front is the disabled look; the workflow darkens it when it enables them.
constexpr flat::FlatButtonColors kResultColors{
    .front = Grey(201),
    .back = Grey(246),
    .frame = Grey(208),
    .hoverFront = Grey(0),
    .hoverBack = Grey(208),
    .hoverFrame = Grey(89),
    .pressedFront = Grey(78),
    .pressedBack = Grey(246),
    .pressedFrame = Grey(208),
};
constexpr flat::FlatButtonColors kMinimizeColors{
    .front = White,
    .back = Green,
    .frame = Green,
    .hoverFront = DarkGreen,
    .hoverBack = Green,
    .hoverFrame = Green,
    .pressedFront = White,
    .pressedBack = Green,
    .pressedFrame = Green,
};

// A container that is open from its creation until the end of the scope. A container that
// could not be created was never opened, so it closes nothing: otherwise the enclosing one
// would be closed early and the rest of the layout would land in the wrong parent.
class OpenPanel {
 public:
  OpenPanel(tk::ControlId id, tk::Rect rect, tk::Color background)
      : opened_(tk::CreateContainer(id, rect) != 0) {
    tk::SetControlColor(id, tk::kColorBack, background);
  }
  OpenPanel(const OpenPanel&) = delete;
  OpenPanel& operator=(const OpenPanel&) = delete;
  ~OpenPanel() {
    if (opened_) {
      tk::CloseContainer();
    }
  }

 private:
  bool opened_;
};

void SetFont(tk::ControlId id, tk::FontId font) {
  tk::SetControlFont(id, tk::FontHandleOf(font));
}

void CreateButton(tk::ControlId id, tk::Rect rect, std::u16string_view caption,
                  const flat::FlatButtonColors& colors, tk::FontId font) {
  flat::CreateFlatButton(id, rect, caption, 0);
  flat::SetFlatButtonColors(id, colors);
  SetFont(id, font);
}

// Frame, fill, back: the order in which the bars are recoloured.
void CreateBar(tk::ControlId id, tk::Rect rect, tk::Color frame, tk::Color fill, tk::Color back) {
  flat::FlatProgressBar(id, rect, 0, 100, 0);
  tk::SetControlColor(id, flat::FlatColorFrame, frame);
  tk::SetControlColor(id, flat::FlatColorFront, fill);
  tk::SetControlColor(id, flat::FlatColorBack, back);
}

constexpr tk::LabelOptions kCentredBothWays{.centerVertically = true, .centerHorizontally = true};

// The stored picture is 18 x 22 already; scaling to that size makes the view's size certain.
void CreateLogo() {
  tk::CatchPngImage(LogoPicture, resources::LogoPicturePng());
  tk::CreateImageView(LogoImage, {10, 5, 26, 30}, tk::ImageHandleOf(LogoPicture));
  tk::ResizeImage(LogoPicture, 18, 22);
  tk::SetControlState(LogoImage, tk::ImageHandleOf(LogoPicture));
}

void CreateTitle() {
  tk::CreateLabel(TitleLabel, {40, 1, 250, 31}, u"Kennwerk v1-03-2018", {.centerVertically = true});
  tk::SetControlColor(TitleLabel, tk::kColorBack, Green);
  tk::SetControlColor(TitleLabel, tk::kColorFront, White);
  SetFont(TitleLabel, TitleFont);
}

void CreateLengthEntry() {
  tk::CreateLabel(LengthCaption, {449, 55, 105, 18}, u"Anzahl eingeben", kCentredBothWays);
  tk::SetControlColor(LengthCaption, tk::kColorBack, White);
  SetFont(LengthCaption, CaptionFont);

  OpenPanel panel(LengthPanel, {449, 79, 105, 35}, Grey(205));
  tk::CreateEdit(LengthField, {1, 1, 103, 33}, u"20", {.digitsOnly = true, .centered = true});
  SetFont(LengthField, LengthFont);
}

void CreatePasswordDisplay() {
  OpenPanel panel(PasswordPanel, {71, 160, 585, 55}, Grey(221));
  tk::CreateEdit(PasswordField, {0, 0, 587, 53}, u"", {.readOnly = true, .centered = true});
  tk::SetControlColor(PasswordField, tk::kColorBack, White);
  SetFont(PasswordField, PasswordFont);
  CreateBar(RevealProgress, {0, 52, 585, 3}, White, Green, Grey(235));
}

void CreateStatusLine() {
  tk::CreateLabel(StatusLabel, {71, 220, 585, 20}, u"", kCentredBothWays);
  SetFont(StatusLabel, CaptionFont);
  tk::SetControlColor(StatusLabel, tk::kColorBack, White);
}

// Font and colours go first: the vertical centring measures the field's current font.
void CreateAccountEntry(tk::ControlId panelId, tk::Rect panelRect, tk::ControlId field,
                        std::u16string_view placeholder) {
  OpenPanel panel(panelId, panelRect, Grey(221));
  tk::CreateEdit(field, {1, 1, 583, 53}, placeholder, {.multiLine = true, .centered = true});
  SetFont(field, TitleFont);
  tk::SetControlColor(field, tk::kColorBack, White);
  tk::SetControlColor(field, tk::kColorFront, Grey(143));
  CenterEditVertically(field);
}

void CreateResultButton(tk::ControlId id, tk::Rect rect, std::u16string_view caption) {
  CreateButton(id, rect, caption, kResultColors, CaptionFont);
  tk::DisableControl(id, true);
}

void CreateOverlay() {
  OpenPanel overlay(CopiedOverlay, {0, 0, 728, 582}, White);
  tk::CreateLabel(CopiedLabel, {0, 0, 728, 552}, u"Passwort wurde in die Zwischenablage kopiert",
                  kCentredBothWays);
  tk::SetControlColor(CopiedLabel, tk::kColorBack, White);
  tk::SetControlColor(CopiedLabel, tk::kColorFront, Grey(143));
  SetFont(CopiedLabel, ButtonFont);
  CreateBar(CopiedProgress, {150, 309, 425, 1}, White, Green, White);
}

void CreateClientArea() {
  OpenPanel client(ClientPanel, {1, 33, 728, 581}, White);
  CreateButton(GenerateButton, {174, 55, 265, 60}, u"generiere Passwort", kGenerateColors,
               ButtonFont);
  CreateLengthEntry();
  CreatePasswordDisplay();
  CreateStatusLine();
  CreateAccountEntry(UsagePanel, {71, 280, 585, 55}, UsageField, UsagePlaceholder);
  CreateAccountEntry(AccountPanel, {71, 370, 585, 55}, AccountField, AccountPlaceholder);
  CreateResultButton(CopyButton, {71, 470, 260, 50}, u"Passwort in Zwischenablage kopieren");
  CreateResultButton(SaveButton, {393, 470, 260, 50}, u"Passwort Informationen speichern");
  CreateOverlay();
}

void CreateWindowButtons() {
  CreateCloseBox();
  tk::BindControlEvent(CloseBox, CloseBoxEvents);

  OpenPanel panel(MinimizePanel, {640, 3, 32, 30}, Green);
  // 15 rows above the panel: only the lower 30 of its 45 rows show, with the caption laid out in
  // the full height.
  CreateButton(MinimizeButton, {0, -15, 32, 45}, u"__", kMinimizeColors, MinimizeFont);
  tk::BindControlEvent(MinimizeButton, MinimizeMainWindow, tk::EventType::Click);
}

// The workflow's handlers run before the kit's own FlatButtonEvents, which the creators bound
// first (later-bound runs first).
void BindWorkflowHandlers() {
  tk::BindControlEvent(AccountField, AccountFieldEvents);
  tk::BindControlEvent(UsageField, AccountFieldEvents);
  tk::BindControlEvent(GenerateButton, GenerateButtonEvents);
  tk::BindControlEvent(CopyButton, CopyButtonEvents);
  tk::BindControlEvent(SaveButton, SaveAccountInfo, tk::EventType::Click);
  tk::BindControlEvent(LengthField, LengthFieldEvents);
}

}  // namespace

void OpenMainWindow() {
  tk::OpenWindow(MainWindow, {0, 0, kMainWindowSize.width, kMainWindowSize.height}, u"Kennwerk",
                 {.borderless = true, .invisible = true, .screenCentered = true});
}

int BuildMainWindow() {
  CreateLogo();
  CreateTitle();
  CreateClientArea();
  CreateWindowButtons();
  tk::HideControl(CopiedOverlay, true);
  BindWorkflowHandlers();
  return 0;
}

}  // namespace app

#include "password/reveal.h"

#include <cstdint>
#include <optional>
#include <string>

#include "flat/flat_button.h"
#include "flat/flat_gadget.h"
#include "password/make_password.h"
#include "password/window_ids.h"
#include "toolkit/color.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/requesters.h"
#include "toolkit/timers.h"

namespace password {
namespace {

constexpr int kRevealPeriodMs = 8;

// Enabled and disabled differ only in the normal caption colour.
constexpr flat::FlatButtonColors kEnabledResultButton{
    .front = tk::Grey(78),
    .back = tk::Grey(246),
    .frame = tk::Grey(208),
    .hoverFront = tk::Grey(0),
    .hoverBack = tk::Grey(208),
    .hoverFrame = tk::Grey(89),
    .pressedFront = tk::Grey(78),
    .pressedBack = tk::Grey(246),
    .pressedFrame = tk::Grey(208),
};
constexpr flat::FlatButtonColors kDisabledResultButton = [] {
  flat::FlatButtonColors colors = kEnabledResultButton;
  colors.front = tk::Grey(201);
  return colors;
}();

// The bar's three colours, set in this order: frame, fill, back.
struct BarColors {
  tk::Color frame, front, back;
};

constexpr BarColors kRevealingBar{tk::Rgb(255, 255, 255), tk::Rgb(149, 185, 104),
                                  tk::Rgb(235, 235, 235)};
constexpr BarColors kRestingBar{tk::Rgb(255, 255, 255), tk::Rgb(255, 255, 255),
                                tk::Rgb(120, 158, 73)};

void SetResultButton(tk::ControlId button, bool enabled) {
  tk::DisableControl(button, !enabled);
  flat::SetFlatButtonColors(button, enabled ? kEnabledResultButton : kDisabledResultButton);
}

void SetRevealColors(const BarColors& colors) {
  tk::SetControlColor(RevealProgress, flat::FlatColorFrame, colors.frame);
  tk::SetControlColor(RevealProgress, flat::FlatColorFront, colors.front);
  tk::SetControlColor(RevealProgress, flat::FlatColorBack, colors.back);
}

void EndReveal() {
  tk::StopTimer(MainWindow, RevealTimer);
  tk::SetControlState(RevealProgress, 0);
  SetRevealColors(kRestingBar);
}

// The reveal is over before the message shows: the box is modal, but ticks go on behind it and
// would otherwise fail, and report, again.
void ReportRandomFailure() {
  EndReveal();
  tk::SetControlText(PasswordField, u"");
  SetResultButton(CopyButton, false);
  SetResultButton(SaveButton, false);
  tk::MessageRequester(MainWindow, u"Info", u"Passwort konnte nicht erzeugt werden!",
                       tk::MessageButtons::Ok);
}

}  // namespace

void GeneratePassword() {
  // Taking the focus off the length field runs its rules first, so the text read is corrected.
  tk::SetActiveControl(LengthCaption);
  const std::optional<std::u16string> drawn = MakePassword(tk::GetControlText(LengthField));
  if (!drawn) {
    ReportRandomFailure();
    return;
  }
  tk::SetControlText(PasswordField, *drawn);
  EnableResultButtons();
}

void EnableResultButtons() {
  SetResultButton(CopyButton, true);
  SetResultButton(SaveButton, true);
}

int GenerateButtonEvents() {
  if (tk::EventKind() != tk::EventType::LeftButtonDown) {
    return 0;
  }
  // Restarting a running timer only renews its period; the bar's value carries on.
  tk::StartTimer(MainWindow, RevealTimer, kRevealPeriodMs);
  SetRevealColors(kRevealingBar);
  RevealTimerTick();
  return 0;
}

int RevealTimerTick() {
  const std::intptr_t value = tk::GetControlState(RevealProgress);
  const std::intptr_t maximum = tk::GetControlAttribute(RevealProgress, flat::FlatAttributeMaximum);
  if (value < maximum) {
    tk::SetControlState(RevealProgress, value + 1);
    GeneratePassword();
  } else {
    EndReveal();
  }
  return 0;
}

}  // namespace password

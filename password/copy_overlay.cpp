#include "password/copy_overlay.h"

#include <array>
#include <cstdint>
#include <string>

#include "flat/flat_gadget.h"
#include "password/window_ids.h"
#include "toolkit/clipboard.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/requesters.h"
#include "toolkit/timers.h"

namespace password {
namespace {

constexpr int kCopyOverlayPeriodMs = 2;

// How the overlay puts a control out of use: some are hidden, the rest disabled.
struct OverlayedControl {
  tk::ControlId id;
  bool hidden;
};

// In this order both ways. UsageField and the panels of the account fields stay as they are.
constexpr std::array<OverlayedControl, 10> kOverlayedControls{{
    {PasswordPanel, false},
    {LengthPanel, false},
    {StatusLabel, false},
    {CopyButton, true},
    {SaveButton, true},
    {GenerateButton, true},
    {LengthCaption, false},
    {LengthField, false},
    {PasswordField, false},
    {AccountField, false},
}};

void PutOutOfUse(const OverlayedControl& control, bool outOfUse) {
  if (control.hidden) {
    tk::HideControl(control.id, outOfUse);
  } else {
    tk::DisableControl(control.id, outOfUse);
  }
}

}  // namespace

void EnterOverlay(int periodMs) {
  tk::StartTimer(MainWindow, OverlayTimer, periodMs);
  for (const OverlayedControl& control : kOverlayedControls) {
    PutOutOfUse(control, true);
  }
  tk::HideControl(CopiedOverlay, false);
}

void LeaveOverlay() {
  tk::StopTimer(MainWindow, OverlayTimer);
  tk::SetControlState(CopiedProgress, 0);
  tk::HideControl(CopiedOverlay, true);
  for (const OverlayedControl& control : kOverlayedControls) {
    PutOutOfUse(control, false);
  }
}

int CopyButtonEvents() {
  if (tk::EventKind() != tk::EventType::LeftButtonDown) {
    return 0;
  }
  const std::u16string shown = tk::GetControlText(PasswordField);
  if (!tk::SetClipboardText(shown, tk::ClipboardPrivacy::Sensitive)) {
    tk::MessageRequester(MainWindow, u"Info",
                         u"Passwort konnte nicht in die Zwischenablage kopiert werden!",
                         tk::MessageButtons::Ok);
    return 0;
  }
  EnterOverlay(kCopyOverlayPeriodMs);
  tk::SetControlText(CopiedLabel, u"Passwort in Zwischenablage kopieren");
  return 0;
}

int OverlayTimerTick() {
  const std::intptr_t value = tk::GetControlState(CopiedProgress);
  const std::intptr_t maximum = tk::GetControlAttribute(CopiedProgress, flat::FlatAttributeMaximum);
  if (value < maximum) {
    tk::SetControlState(CopiedProgress, value + 1);
  } else {
    LeaveOverlay();
  }
  return 0;
}

}  // namespace password

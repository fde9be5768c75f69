// The running program for a workflow test: a headless session with the main window started as
// the program starts it, and the moves of a user who aims at its controls.
//
// Points are window client coordinates worked out from the layout: the client panel sits at
// (1, 33), so a control at (x, y) in it, or in a panel of it, is that much further in.
#pragma once

#include <cstdint>
#include <string>

#include "app/startup.h"
#include "password/window_ids.h"
#include "toolkit/controls.h"
#include "toolkit/geometry.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/timers.h"

namespace workflow_test {

inline constexpr tk::Point kGenerateButton{307, 118};
inline constexpr tk::Point kLengthField{502, 129};
inline constexpr tk::Point kUsageField{364, 340};
inline constexpr tk::Point kAccountField{364, 430};
inline constexpr tk::Point kCopyButton{202, 528};
inline constexpr tk::Point kSaveButton{524, 528};

struct Kennwerk {
  Kennwerk() { app::OpenKennwerk(); }
  tk::headless::Session session;
};

inline void ClickAt(tk::Point point) {
  tk::headless::Click(password::MainWindow, point);
}

inline std::u16string TextOf(tk::ControlId control) {
  return tk::GetControlText(control);
}

inline std::intptr_t RevealValue() {
  return tk::GetControlState(password::RevealProgress);
}

inline bool Revealing() {
  return tk::IsTimerRunning(password::MainWindow, password::RevealTimer);
}

inline bool OverlayUp() {
  return tk::IsTimerRunning(password::MainWindow, password::OverlayTimer);
}

// Lets a running reveal play to its end (a second at most).
inline void FinishReveal() {
  for (int ms = 0; ms < 1000 && Revealing(); ++ms) {
    tk::headless::Advance(1);
  }
}

// A press on the generate button, and the whole reveal after it.
inline void GenerateAndWait() {
  ClickAt(kGenerateButton);
  FinishReveal();
}

}  // namespace workflow_test

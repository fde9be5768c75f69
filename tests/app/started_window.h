// A test's running Kennwerk: a headless session with the main window started as the program
// starts it (everything up to the event loop), plus the window points a user would aim at.
#pragma once

#include "app/startup.h"
#include "toolkit/geometry.h"
#include "toolkit/platform/headless/script.h"

namespace app_test {

struct StartedWindow {
  explicit StartedWindow(tk::headless::SessionOptions options = {}) : session(options) {
    app::OpenKennwerk();
  }
  tk::headless::Session session;
};

// Window client coordinates, worked out by hand from the layout: the client panel sits at
// (1, 33), so a control at (x, y) in it is at (x + 1, y + 33) in the window.
inline constexpr tk::Point kGenerateButtonCentre{307, 118};
inline constexpr tk::Point kLengthFieldCentre{502, 129};
inline constexpr tk::Point kPasswordFieldCentre{360, 219};
inline constexpr tk::Point kUsageFieldCentre{364, 340};
inline constexpr tk::Point kAccountFieldCentre{364, 430};
inline constexpr tk::Point kCopyButtonCentre{202, 528};
inline constexpr tk::Point kSaveButtonCentre{524, 528};
inline constexpr tk::Point kCloseBoxCentre{703, 16};
inline constexpr tk::Point kMinimizeButtonCentre{656, 18};
inline constexpr tk::Point kTitleText{60, 16};
inline constexpr tk::Point kLogoCentre{18, 15};
inline constexpr tk::Point kClientPanelEmpty{30, 300};  // white panel, no control

}  // namespace app_test

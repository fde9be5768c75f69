// The numbered objects that only the application shell addresses: the title strip's controls,
// the client panel that holds the workflow, and the logo picture. The workflow's own numbers
// (fields, buttons, bars, panels, timers, fonts) are in password/window_ids.h; both sets together
// are every object of the main window.
#pragma once

#include "toolkit/ids.h"

namespace app {

inline constexpr tk::ControlId CloseBox{7};
inline constexpr tk::ControlId MinimizeButton{8};
inline constexpr tk::ControlId TitleLabel{12};
inline constexpr tk::ControlId LogoImage{13};
inline constexpr tk::ControlId ClientPanel{19};
inline constexpr tk::ControlId MinimizePanel{24};

inline constexpr tk::ImageId LogoPicture{14};

}  // namespace app

// The numbered objects of the main window that the password workflow acts on. The layout creates
// them under these numbers; the workflow's handlers address them by the same numbers.
#pragma once

#include "toolkit/ids.h"

namespace password {

inline constexpr tk::WindowId MainWindow{0};

inline constexpr tk::ControlId LengthField{0};
inline constexpr tk::ControlId PasswordField{1};
inline constexpr tk::ControlId AccountField{2};
inline constexpr tk::ControlId UsageField{3};
inline constexpr tk::ControlId GenerateButton{4};
inline constexpr tk::ControlId CopyButton{5};
inline constexpr tk::ControlId SaveButton{6};
inline constexpr tk::ControlId StatusLabel{9};
inline constexpr tk::ControlId LengthCaption{10};
inline constexpr tk::ControlId CopiedLabel{11};
inline constexpr tk::ControlId CopiedProgress{16};
inline constexpr tk::ControlId RevealProgress{17};
inline constexpr tk::ControlId PasswordPanel{18};
inline constexpr tk::ControlId LengthPanel{20};
inline constexpr tk::ControlId AccountPanel{21};
inline constexpr tk::ControlId CopiedOverlay{22};
inline constexpr tk::ControlId UsagePanel{23};

inline constexpr tk::TimerId OverlayTimer{123};
inline constexpr tk::TimerId RevealTimer{456};

// Fonts loaded at start-up; the workflow switches the account fields to the large one.
inline constexpr tk::FontId CaptionFont{0};
inline constexpr tk::FontId TitleFont{1};
inline constexpr tk::FontId ButtonFont{2};
inline constexpr tk::FontId LengthFont{3};
inline constexpr tk::FontId PasswordFont{4};
inline constexpr tk::FontId MinimizeFont{5};

}  // namespace password

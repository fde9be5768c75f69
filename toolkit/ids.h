// Object numbers and native handles.
//
// The program addresses its windows, controls, fonts, images and timers by small numbers that it
// chooses itself. Each kind of number has a type of its own, so that a control number cannot be
// passed where a window number is expected. kAnyNumber lets the toolkit choose; a creator called
// with it returns the chosen number, otherwise the new object's native handle (0 on failure).
#pragma once

#include <compare>
#include <cstdint>

namespace tk {

// A native object as the platform knows it: an HWND, a GtkWidget*, or a headless serial number.
using Handle = std::intptr_t;

// A font as the platform knows it (HFONT, a Pango description, a headless font index); 0 is none.
using FontHandle = std::intptr_t;

inline constexpr int kAnyNumber = -1;

template <class Tag>
struct Id {
  int value = kAnyNumber;
  constexpr auto operator<=>(const Id&) const = default;
};

using WindowId = Id<struct WindowTag>;
using ControlId = Id<struct ControlTag>;
using FontId = Id<struct FontTag>;
using ImageId = Id<struct ImageTag>;
using TimerId = Id<struct TimerTag>;

}  // namespace tk

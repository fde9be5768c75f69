// Top-level windows.
//
// Opening a window also makes it the open container for the controls created next. Closing a
// window first removes every event binding of the window and drops its queued events, then frees
// its controls (each control's free entry runs) and destroys it, which stops its timers.
#pragma once

#include <cstdint>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace tk {

struct WindowOptions {
  bool borderless = false;      // a pop-up without frame, caption or system menu
  bool invisible = false;       // created hidden; ShowWindow shows it
  bool screenCentered = false;  // moved (not resized) to the centre of the primary screen
};

std::intptr_t OpenWindow(WindowId id, Rect rect, std::u16string_view title, WindowOptions = {});
void CloseWindow(WindowId id);
bool IsWindow(WindowId id);
Handle WindowHandle(WindowId id);
WindowId WindowFromHandle(Handle handle);  // {kAnyNumber} when none
Point WindowPosition(WindowId id);
Size WindowClientSize(WindowId id);

void SetWindowColor(WindowId id, Color color);
void ShowWindow(WindowId id);  // normal state, activated
void MinimizeWindow(WindowId id);

// Replaces the window's class style with the drop shadow (the double-click style goes with it).
void SetDropShadowClassStyle(WindowId id);

// The pointer in the window's client area; -1 for a coordinate outside it.
Point WindowPointer(WindowId id);
// Lets the system move the window with the pointer until the left button is released; returns
// when the move ends. Timers and events keep being handled meanwhile.
void DragWindow(WindowId id);

// A window callback sees every message of its window and of the containers in it before the
// toolkit handles it; it returns ContinueDefault to let the toolkit go on.
using WindowCallback = std::intptr_t (*)(Handle window, unsigned message, std::uintptr_t wParam,
                                         std::intptr_t lParam);
inline constexpr std::intptr_t ContinueDefault = static_cast<std::intptr_t>(0xE0E0E0E1u);
inline constexpr unsigned kMessageLeftButtonDown = 513;
// Does nothing for a number that names no window.
void SetWindowCallback(WindowCallback callback, WindowId id);

}  // namespace tk

// The window chrome: what a system frame would give the borderless main window, drawn and
// handled by the program itself.
//
// - The title strip (client x from 0 to width - 2, y from 0 to 33) moves the window: a left press
//   there hands the window to the system's move loop. Presses on canvases (close box, minimise
//   button) and on the logo never reach the window, so they never drag.
// - The close box is a green canvas with a one-pixel cross; the cross turns dark green while the
//   pointer is over it, and a left press on it ends the program at once.
// - The minimise button minimises the window; the drop shadow replaces the window class's style.
// - CenterEditVertically places the text block of a multi-line field in the middle of its height,
//   measured once with the field's current font and line count.
// Handlers read the current event from the toolkit and return 0.
#pragma once

#include <cstdint>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace app {

inline constexpr int kTitleStripBottom = 33;  // last row of the strip, included
inline constexpr tk::Rect kCloseBoxRect{677, 1, 52, 31};

// The window callback of the main window: starts a window move on a left press in the title
// strip; always returns tk::ContinueDefault.
std::intptr_t TitleDragCallback(tk::Handle window, unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam) noexcept;

// Creates the close box canvas on the open container (the window) with its first face.
void CreateCloseBox();
// Redraws the cross alone, over the face, in the given colour.
void DrawCloseBoxCross(tk::Color color);
// Bound to all events of the close box.
int CloseBoxEvents();

// Bound to the click of the minimise button.
int MinimizeMainWindow();

// Does nothing for a number that names no window.
int ApplyDropShadow(tk::WindowId window);

int CenterEditVertically(tk::ControlId field);

}  // namespace app

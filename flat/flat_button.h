// The flat button: a filled face, a caption and a one-pixel frame on the outermost pixels, in
// normal, hover or pressed colours (flat_look.h). With a FlatToggleMask flag it is a toggle button
// that shows its pressed colours while its state is 1; without one, presses still flip the state
// but the look ignores it, and getting its state yields 0.
//
// Text, state, colours and font change afterwards through the generic control operations; each
// change repaints the whole button at once.
#pragma once

#include <cstdint>
#include <string_view>

#include "flat/flat_gadget.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

// The nine colours of a button, in the order callers give them.
struct FlatButtonColors {
  tk::Color front = 0;
  tk::Color back = 0;
  tk::Color frame = 0;
  tk::Color hoverFront = 0;
  tk::Color hoverBack = 0;
  tk::Color hoverFrame = 0;
  tk::Color pressedFront = 0;
  tk::Color pressedBack = 0;
  tk::Color pressedFrame = 0;
};

// What a new button shows until its colours are set.
inline constexpr FlatButtonColors kFlatButtonCreationColors{
    .front = tk::Rgb(0, 0, 0),
    .back = tk::Rgb(237, 237, 237),
    .frame = tk::Rgb(109, 109, 109),
    .hoverFront = tk::Rgb(0, 0, 0),
    .hoverBack = tk::Rgb(253, 253, 253),
    .hoverFrame = tk::Rgb(109, 109, 109),
    .pressedFront = tk::Rgb(0, 0, 0),
    .pressedBack = tk::Rgb(205, 205, 205),
    .pressedFrame = tk::Rgb(109, 109, 109),
};

// Returns the canvas creation's result: with kAnyNumber the new number, else the native handle;
// 0 when no canvas was made.
std::intptr_t CreateFlatButton(tk::ControlId id, tk::Rect rect, std::u16string_view caption,
                               std::int32_t flags = 0);

// Nine generic set-colour calls, in the slot order 2, 3, 1, 8, 9, 7, 11, 12, 10: a flat button
// is painted nine times, the last time with all nine new colours. Returns 0.
int SetFlatButtonColors(tk::ControlId id, const FlatButtonColors& colors);

// Stores the nine colours in the record without painting (for creators).
void PutFlatButtonColors(FlatGadget& gadget, const FlatButtonColors& colors);

int PaintFlatButton(FlatGadget& gadget);

}  // namespace flat

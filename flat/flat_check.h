// The two-state check (kind 3): a filled face and a one-pixel frame in normal, hover or pressed
// colours; when its state is on, a stroked check mark (anti-aliased, width W / 6) or, with
// FlatCheckSquare, a filled square four pixels inside the edges. Presses flip its state
// (FlatToggleEvents).
#pragma once

#include <cstdint>

#include "flat/flat_gadget.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

// Colours as a new flat button's. Returns the canvas creation's result (flat_button.h).
std::intptr_t CreateFlatCheck(tk::ControlId id, tk::Rect rect, std::int32_t flags = 0);

int PaintFlatCheck(FlatGadget& gadget);

}  // namespace flat

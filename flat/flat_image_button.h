// The image button (kind 2): a filled face, the picture of its current state centred on it with
// its own transparency, and a one-pixel frame. The record holds its own copies of the two
// pictures (FlatAttributeImage0 for state 0, FlatAttributeImage1 for state 1), made when they are
// set and freed by ReleaseFlatImages when the control goes; the caller's images stay the caller's.
// Presses flip its state (FlatToggleEvents).
#pragma once

#include <cstdint>

#include "flat/flat_gadget.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

// Colours as a new flat button's; an image that names nothing is not taken. Returns the canvas
// creation's result (flat_button.h).
std::intptr_t CreateFlatImageButton(tk::ControlId id, tk::Rect rect, tk::ImageId image0,
                                    tk::ImageId image1, std::int32_t flags = 0);

// Replaces the record's copy for state `index` (0 or 1) by a new copy of `image`, only when
// `image` names an existing image.
void HoldFlatImage(FlatGadget& gadget, int index, tk::ImageId image);

int PaintFlatImageButton(FlatGadget& gadget);
int ReleaseFlatImages(FlatGadget& gadget);  // the image button's cleanup

}  // namespace flat

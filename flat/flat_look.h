// Which colour slots a flat gadget shows now.
//
// Pressed colours while the pointer is over the control with the left button held; hover colours
// while it is over it; otherwise the normal ones. A leave while the button is still held thus
// shows the normal colours. A toggle button (any FlatToggleMask flag) shows its pressed colours
// whenever its state is on.
#pragma once

#include "flat/flat_gadget.h"
#include "toolkit/color.h"

namespace flat {

struct FlatLook {
  tk::Color front = 0;
  tk::Color back = 0;
  tk::Color frame = 0;
};

FlatLook FlatLookOf(const FlatGadget& gadget);
// As FlatLookOf, but the pressed colours whenever a toggle flag is set and the state is on.
FlatLook FlatToggleLookOf(const FlatGadget& gadget);

}  // namespace flat

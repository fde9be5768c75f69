#include "flat/flat_look.h"

namespace flat {

namespace {

FlatLook LookFromSlots(const FlatGadget& gadget, int frontSlot) {
  return {FlatColor(gadget, frontSlot), FlatColor(gadget, frontSlot + 1),
          FlatColor(gadget, frontSlot + 2)};
}

}  // namespace

FlatLook FlatLookOf(const FlatGadget& gadget) {
  if (gadget.hover == 1) {
    return LookFromSlots(gadget, gadget.pressed != 0 ? FlatColorPressedFront : FlatColorHoverFront);
  }
  return LookFromSlots(gadget, FlatColorFront);
}

FlatLook FlatToggleLookOf(const FlatGadget& gadget) {
  if ((gadget.flags & FlatToggleMask) != 0 && gadget.state != 0) {
    return LookFromSlots(gadget, FlatColorPressedFront);
  }
  return FlatLookOf(gadget);
}

}  // namespace flat

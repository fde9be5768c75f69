// The steps every flat kind's creator shares.
//
// StartFlatCanvas makes the canvas and attaches it; the creator then fills in the kind's fields
// (kind, flags, colours, paint, cleanup, eventHandler) and calls FinishFlat, which binds the event
// handler to all the control's event types and paints once. No generic operation may reach the
// control between the two, since the overrides call paint without testing it.
#pragma once

#include <cstdint>

#include "flat/flat_gadget.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

struct FlatCanvas {
  std::intptr_t result = 0;      // the canvas creation's result, which the creator returns
  FlatGadget* gadget = nullptr;  // none: no canvas, or it stays a plain canvas
};

// A canvas without options under the number (kAnyNumber: one the toolkit chooses), made flat.
FlatCanvas StartFlatCanvas(tk::ControlId id, tk::Rect rect);
void FinishFlat(FlatGadget& gadget);

}  // namespace flat

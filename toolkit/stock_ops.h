// The operation tables of the stock controls, and the native handling that the generic operations
// fall back on when a table's entry is empty.
//
// Each stock kind has one static table; every control of that kind points at it until a higher
// layer gives the control a patched copy. Labels and edit fields take colour types 1 (text) and 2
// (background), containers 2 only. The canvas table frees the picture, resizes (moving the control
// and re-creating the picture), and reads and stores canvas attributes. An image view's state is
// the handle of the image it shows.
#pragma once

#include "toolkit/core_state.h"
#include "toolkit/gadget_ops.h"

namespace tk::core {

GadgetOps& LabelOps();
GadgetOps& EditOps();
GadgetOps& ContainerOps();
GadgetOps& CanvasOps();
GadgetOps& ImageViewOps();

// The control's record behind a GadgetObject that a table entry receives.
ControlRecord* RecordOf(const GadgetObject& object);

// A resize request with kKeepValue for the coordinates to leave alone.
Rect ResolveRect(const ControlRecord& record, int x, int y, int width, int height);
// Moves the native control and keeps the record's rectangle in step.
void PlaceControl(ControlRecord& record, Rect rect);

}  // namespace tk::core

// Making a canvas flat, and releasing it again.
//
// AttachFlat gives a canvas its record: the record's ops becomes a copy of the canvas's table,
// header included (so the toolkit still lets programs draw on it), with the kit's twelve entries
// in place, and the control's table reference points at that copy. FreeFlat, reached through the
// free entry when the toolkit destroys the control, undoes all of it: the kind's cleanup, the
// event handler's binding, the canvas's own free, the canvas's own table, and the record.
//
// An override finds its record from the GadgetObject alone (FlatFromObject); only event handlers,
// which know just the control of the current event, pay for a registry lookup (FlatFromEvent).
#pragma once

#include <cstdint>

#include "flat/flat_gadget.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/ids.h"

namespace flat {

// The new record, with font = the default control font and every other field zero; none when
// the registry cannot add the control's key (the control then stays a plain canvas).
FlatGadget* AttachFlat(tk::GadgetObject& object);
// 1 when a record was released, else 0 (the control is then left untouched).
std::intptr_t FreeFlat(tk::GadgetObject& object);

// The record whose ops the control's table reference points at; none for a null table.
FlatGadget* FlatFromObject(tk::GadgetObject& object);
// The record of the control that raised the current event; none when it is not flat.
FlatGadget* FlatFromEvent();
// The number of the first control with that native handle, or {kAnyNumber}.
tk::ControlId GadgetFromHandle(tk::Handle handle);

}  // namespace flat

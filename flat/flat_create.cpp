#include "flat/flat_create.h"

#include "flat/flat_attach.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"

namespace flat {

FlatCanvas StartFlatCanvas(tk::ControlId id, tk::Rect rect) {
  FlatCanvas canvas;
  canvas.result = tk::CreateCanvas(id, rect);
  if (canvas.result == 0) {
    // No canvas: with kAnyNumber a 0 would otherwise be taken for control 0.
    return canvas;
  }
  tk::ControlId number = id.value == tk::kAnyNumber ? tk::ControlId{int(canvas.result)} : id;
  if (tk::GadgetObject* object = tk::FindControl(number)) {
    canvas.gadget = AttachFlat(*object);
  }
  return canvas;
}

void FinishFlat(FlatGadget& gadget) {
  if (gadget.eventHandler != nullptr) {
    tk::BindControlEvent(tk::ControlId{gadget.gadgetNumber}, gadget.eventHandler);
  }
  gadget.paint(gadget);
}

}  // namespace flat

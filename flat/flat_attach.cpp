#include "flat/flat_attach.h"

#include "flat/flat_overrides.h"
#include "flat/flat_registry.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"

namespace flat {

FlatGadget* AttachFlat(tk::GadgetObject& object) {
  FlatRegistry* registry = TheFlatRegistry();
  if (registry == nullptr || object.ops == nullptr) {
    return nullptr;
  }
  FlatGadget* gadget = registry->Add(object.handle);
  if (gadget == nullptr) {
    return nullptr;
  }
  gadget->ops = *object.ops;
  gadget->baseOps = object.ops;
  object.ops = &gadget->ops;
  InstallFlatOverrides(gadget->ops);
  gadget->gadgetNumber = GadgetFromHandle(object.handle).value;
  gadget->font = tk::DefaultControlFont();
  return gadget;
}

std::intptr_t FreeFlat(tk::GadgetObject& object) {
  FlatRegistry* registry = TheFlatRegistry();
  FlatGadget* gadget = registry ? registry->Find(object.handle) : nullptr;
  if (gadget == nullptr) {
    return 0;
  }
  if (gadget->cleanup != nullptr) {
    gadget->cleanup(*gadget);
  }
  if (gadget->eventHandler != nullptr) {
    tk::UnbindControlEvent(tk::ControlId{gadget->gadgetNumber}, gadget->eventHandler);
  }
  tk::GadgetOps* base = gadget->baseOps;
  if (base->free != nullptr) {
    base->free(object);
  }
  object.ops = base;
  registry->Remove(object.handle);
  return 1;
}

FlatGadget* FlatFromObject(tk::GadgetObject& object) {
  // ops is the record's first member and the record is standard-layout (flat_gadget.h).
  return object.ops == nullptr ? nullptr : reinterpret_cast<FlatGadget*>(object.ops);
}

FlatGadget* FlatFromEvent() {
  FlatRegistry* registry = TheFlatRegistry();
  if (registry == nullptr) {
    return nullptr;
  }
  tk::ControlId control = tk::EventControl();
  if (!tk::IsControl(control)) {
    return nullptr;
  }
  return registry->Find(tk::ControlHandle(control));
}

tk::ControlId GadgetFromHandle(tk::Handle handle) {
  tk::ControlId found{tk::kAnyNumber};
  tk::ForEachControl([&](tk::GadgetObject& object) {
    if (object.handle != handle) {
      return false;
    }
    found = object.number;
    return true;
  });
  return found;
}

}  // namespace flat

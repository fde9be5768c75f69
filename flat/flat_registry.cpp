#include "flat/flat_registry.h"

#include "toolkit/controls.h"

namespace flat {

namespace {

// The kit's one registry for the run.
std::unique_ptr<FlatRegistry> theRegistry;

}  // namespace

std::string FlatKey(tk::Handle handle) {
  return std::to_string(handle);
}

FlatRegistry::FlatRegistry() : records_(kBuckets) {}

FlatGadget* FlatRegistry::Add(tk::Handle handle) {
  auto [slot, added] = records_.try_emplace(FlatKey(handle));
  if (!added) {
    return nullptr;
  }
  slot->second = std::make_unique<FlatGadget>();
  return slot->second.get();
}

FlatGadget* FlatRegistry::Find(tk::Handle handle) const {
  auto found = records_.find(FlatKey(handle));
  return found == records_.end() ? nullptr : found->second.get();
}

bool FlatRegistry::Remove(tk::Handle handle) {
  return records_.erase(FlatKey(handle)) == 1;
}

void FlatRegistry::HandBackTables() {
  for (auto& [key, gadget] : records_) {
    tk::GadgetObject* object = tk::FindControl(tk::ControlId{gadget->gadgetNumber});
    if (object != nullptr && object->ops == &gadget->ops) {
      object->ops = gadget->baseOps;
    }
  }
}

void CreateFlatRegistry() {
  if (theRegistry) {
    theRegistry->HandBackTables();
  }
  theRegistry = std::make_unique<FlatRegistry>();
}

FlatRegistry* TheFlatRegistry() {
  return theRegistry.get();
}

}  // namespace flat

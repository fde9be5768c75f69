// The one toolkit context and the lookups over its tables.
#include "toolkit/context_slot.h"
#include "toolkit/core_state.h"

namespace tk::core {

std::unique_ptr<Context>& ContextSlot() {
  static std::unique_ptr<Context> context;
  return context;
}

Context* Current() {
  return ContextSlot().get();
}

ControlRecord* FindRecord(ControlId id) {
  Context* context = Current();
  if (!context)
    return nullptr;
  auto it = context->controlByNumber.find(id.value);
  return it == context->controlByNumber.end() ? nullptr : it->second;
}

ControlRecord* RecordByHandle(Handle handle) {
  Context* context = Current();
  if (!context || handle == 0)
    return nullptr;
  for (auto& record : context->controls) {
    if (record->object.handle == handle)
      return record.get();
  }
  return nullptr;
}

WindowRecord* FindWindowRecord(WindowId id) {
  Context* context = Current();
  if (!context)
    return nullptr;
  auto it = context->windows.find(id.value);
  return it == context->windows.end() ? nullptr : it->second.get();
}

WindowRecord* WindowRecordByHandle(Handle handle) {
  Context* context = Current();
  if (!context || handle == 0)
    return nullptr;
  for (auto& [number, window] : context->windows) {
    if (window->handle == handle)
      return window.get();
  }
  return nullptr;
}

WindowRecord* OwningWindow(Handle handle) {
  if (WindowRecord* window = WindowRecordByHandle(handle))
    return window;
  if (ControlRecord* record = RecordByHandle(handle))
    return FindWindowRecord(record->object.window);
  return nullptr;
}

PixelBuffer BlankPicture(int width, int height) {
  return PixelBuffer(width > 0 ? width : 0, height > 0 ? height : 0);
}

}  // namespace tk::core

#include "toolkit/window.h"

#include <algorithm>

#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk {
namespace {

// Centred on the primary screen; a screen smaller than the window puts that edge at 0.
Rect Centered(Rect rect) {
  Size screen = platform::ScreenSize();
  rect.x = (screen.width - std::min(screen.width, rect.width)) / 2;
  rect.y = (screen.height - std::min(screen.height, rect.height)) / 2;
  return rect;
}

core::WindowRecord* Find(WindowId id) {
  return core::FindWindowRecord(id);
}

}  // namespace

std::intptr_t OpenWindow(WindowId id, Rect rect, std::u16string_view title, WindowOptions options) {
  core::Context* context = core::Current();
  if (!context)
    return 0;
  bool chosen = id.value == kAnyNumber;
  if (chosen) {
    id.value = core::ChooseNumber(*context, context->windows);
  } else if (Find(id)) {
    CloseWindow(id);
  }
  Handle handle = platform::CreateTopLevel({.rect = options.screenCentered ? Centered(rect) : rect,
                                            .title = title,
                                            .borderless = options.borderless,
                                            .visible = !options.invisible});
  if (handle == 0)
    return 0;
  auto record = std::make_unique<core::WindowRecord>();
  record->id = id;
  record->handle = handle;
  context->windows[id.value] = std::move(record);
  context->openContainers = {{.window = id, .container = {}, .handle = handle}};
  return chosen ? id.value : handle;
}

void CloseWindow(WindowId id) {
  core::Context* context = core::Current();
  core::WindowRecord* record = Find(id);
  if (!record)
    return;
  Handle handle = record->handle;
  record->closing = true;
  core::ForgetWindowEvents(id);
  core::DestroyWindowControls(id);
  if (core::Current() != context || !Find(id))
    return;
  std::erase_if(context->openContainers,
                [&](const core::ContainerLevel& level) { return level.window == id; });
  context->windows.erase(id.value);
  platform::Destroy(handle);
}

bool IsWindow(WindowId id) {
  return Find(id) != nullptr;
}

Handle WindowHandle(WindowId id) {
  core::WindowRecord* record = Find(id);
  return record ? record->handle : 0;
}

WindowId WindowFromHandle(Handle handle) {
  core::WindowRecord* record = core::WindowRecordByHandle(handle);
  return record ? record->id : WindowId{};
}

Point WindowPosition(WindowId id) {
  core::WindowRecord* record = Find(id);
  return record ? platform::TopLevelPosition(record->handle) : Point{};
}

Size WindowClientSize(WindowId id) {
  core::WindowRecord* record = Find(id);
  return record ? platform::ClientSize(record->handle) : Size{};
}

void SetWindowColor(WindowId id, Color color) {
  if (core::WindowRecord* record = Find(id))
    platform::SetTopLevelColor(record->handle, color);
}

void ShowWindow(WindowId id) {
  if (core::WindowRecord* record = Find(id))
    platform::ShowTopLevel(record->handle);
}

void MinimizeWindow(WindowId id) {
  if (core::WindowRecord* record = Find(id))
    platform::MinimizeTopLevel(record->handle);
}

void SetDropShadowClassStyle(WindowId id) {
  if (core::WindowRecord* record = Find(id))
    platform::SetDropShadowClassStyle(record->handle);
}

Point WindowPointer(WindowId id) {
  core::WindowRecord* record = Find(id);
  return record ? platform::PointerInClient(record->handle) : Point{-1, -1};
}

void DragWindow(WindowId id) {
  if (core::WindowRecord* record = Find(id))
    platform::BeginWindowDrag(record->handle);
}

void SetWindowCallback(WindowCallback callback, WindowId id) {
  if (core::WindowRecord* record = Find(id))
    record->callback = callback;
}

}  // namespace tk

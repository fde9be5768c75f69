// Top-level windows in memory. Destroying one takes every native child with it, and with them
// the focus, the pointer's hover and capture, and the window's timers.
#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {
namespace {

using headless::FindNative;
using headless::TheWorld;

std::vector<Handle> Subtree(Handle root) {
  std::vector<Handle> handles{root};
  for (std::size_t i = 0; i < handles.size(); ++i) {
    for (Handle child : headless::ChildrenOf(handles[i]))
      handles.push_back(child);
  }
  return handles;
}

void Forget(Handle& slot, const std::vector<Handle>& gone) {
  if (std::find(gone.begin(), gone.end(), slot) != gone.end())
    slot = 0;
}

}  // namespace

Handle CreateTopLevel(const TopLevelDesc& desc) {
  headless::NativeObject window;
  window.rect = desc.rect;
  window.text = std::u16string(desc.title);
  window.borderless = desc.borderless;
  window.visible = desc.visible;
  Handle handle = headless::AddNative(std::move(window));
  if (desc.visible)
    TheWorld().activeWindow = handle;
  return handle;
}

void SetTopLevelColor(Handle window, Color color) {
  if (headless::NativeObject* object = FindNative(window))
    object->color = color;
}

void ShowTopLevel(Handle window) {
  if (headless::NativeObject* object = FindNative(window)) {
    object->visible = true;
    object->minimised = false;
    TheWorld().activeWindow = window;
  }
}

void MinimizeTopLevel(Handle window) {
  if (headless::NativeObject* object = FindNative(window))
    object->minimised = true;
}

void SetDropShadowClassStyle(Handle window) {
  if (headless::NativeObject* object = FindNative(window))
    object->dropShadow = true;
}

Point TopLevelPosition(Handle window) {
  headless::NativeObject* object = FindNative(window);
  return object ? Point{object->rect.x, object->rect.y} : Point{};
}

// Each coordinate on its own: -1 where the pointer lies outside the client area.
Point PointerInClient(Handle window) {
  headless::NativeObject* object = FindNative(window);
  if (!object || TheWorld().pointerWindow != window)
    return {-1, -1};
  Point p = TheWorld().pointer;
  return {p.x >= 0 && p.x < object->rect.width ? p.x : -1,
          p.y >= 0 && p.y < object->rect.height ? p.y : -1};
}

void BeginWindowDrag(Handle window) {
  if (headless::NativeObject* object = FindNative(window))
    ++object->dragsStarted;
}

void Destroy(Handle native) {
  if (!FindNative(native))
    return;
  headless::World& world = TheWorld();
  std::vector<Handle> gone = Subtree(native);
  for (Handle handle : gone)
    world.objects.erase(handle);
  Forget(world.focused, gone);
  Forget(world.hovered, gone);
  Forget(world.captured, gone);
  Forget(world.pointerWindow, gone);
  Forget(world.activeWindow, gone);
  std::erase_if(world.timers, [&](const headless::NativeTimer& t) { return t.window == native; });
}

}  // namespace tk::platform

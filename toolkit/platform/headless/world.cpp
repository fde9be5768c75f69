#include "toolkit/platform/headless/world.h"

#include <unistd.h>

namespace tk::headless {
namespace {

void CloseFiles(World& world) {
  for (auto& [handle, descriptor] : world.files)
    ::close(descriptor);
  world.files.clear();
}

}  // namespace

World& TheWorld() {
  static World world;
  return world;
}

void ResetWorld() {
  CloseFiles(TheWorld());
  TheWorld() = World{};
}

NativeObject* FindNative(Handle handle) {
  auto it = TheWorld().objects.find(handle);
  return it == TheWorld().objects.end() ? nullptr : &it->second;
}

Handle AddNative(NativeObject object) {
  Handle handle = TheWorld().nextHandle++;
  TheWorld().objects[handle] = std::move(object);
  return handle;
}

Handle TopLevelOf(Handle handle) {
  while (NativeObject* object = FindNative(handle)) {
    if (object->parent == 0)
      return handle;
    handle = object->parent;
  }
  return 0;
}

Point ClientOrigin(Handle handle) {
  Point origin;
  for (NativeObject* object = FindNative(handle); object && object->parent != 0;
       object = FindNative(object->parent)) {
    origin.x += object->rect.x;
    origin.y += object->rect.y;
  }
  return origin;
}

bool IsShownChain(Handle handle) {
  for (NativeObject* object = FindNative(handle); object; object = FindNative(object->parent)) {
    if (!object->visible)
      return false;
  }
  return true;
}

bool IsEnabledChain(Handle handle) {
  for (NativeObject* object = FindNative(handle); object; object = FindNative(object->parent)) {
    if (!object->enabled)
      return false;
  }
  return true;
}

std::vector<Handle> ChildrenOf(Handle parent) {
  std::vector<Handle> children;
  for (auto& [handle, object] : TheWorld().objects) {
    if (object.parent == parent)
      children.push_back(handle);
  }
  return children;
}

}  // namespace tk::headless

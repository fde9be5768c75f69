#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {

bool SetClipboardText(std::u16string_view text, bool sensitive) {
  headless::World& world = headless::TheWorld();
  if (world.failNextClipboardSet) {
    world.failNextClipboardSet = false;
    return false;
  }
  world.clipboard = std::u16string(text);
  world.clipboardSensitive = sensitive;
  return true;
}

}  // namespace tk::platform

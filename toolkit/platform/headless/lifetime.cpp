// The platform's lifetime and the screen. The headless world outlives the toolkit: a test resets
// it (ResetPlatform) before InitToolkit, so Init and Shutdown have nothing to bring up.
#include <cstdlib>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {

void Init() {}

void Shutdown() {}

void ExitProcess(int code) {
  std::exit(code);
}

Size ScreenSize() {
  return headless::TheWorld().screen;
}

int ScreenDpi() {
  return headless::TheWorld().dpi;
}

}  // namespace tk::platform

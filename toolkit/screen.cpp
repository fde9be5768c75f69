#include "toolkit/screen.h"

#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk {

Size ScreenSize() {
  return platform::ScreenSize();
}

// The DPI read at start-up; before it, the platform's current value.
int ScreenDpi() {
  if (core::Context* context = core::Current())
    return context->dpi;
  int dpi = platform::ScreenDpi();
  return dpi > 0 ? dpi : 96;
}

}  // namespace tk

#include "app/chrome.h"
#include "password/window_ids.h"
#include "toolkit/window.h"

namespace app {

int MinimizeMainWindow() {
  tk::MinimizeWindow(password::MainWindow);
  return 0;
}

int ApplyDropShadow(tk::WindowId window) {
  if (tk::IsWindow(window)) {
    tk::SetDropShadowClassStyle(window);
  }
  return 0;
}

}  // namespace app

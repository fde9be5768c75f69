#include "app/chrome.h"
#include "password/window_ids.h"
#include "toolkit/window.h"

namespace app {
namespace {

// The strip is measured at the press: x from 0 to client width - 2, y from 0 to 33. A coordinate
// of -1 (pointer outside the client area) fails the first tests.
bool InTitleStrip(tk::Point pointer, tk::Size client) {
  return pointer.x >= 0 && pointer.x <= client.width - 2 && pointer.y >= 0 &&
         pointer.y <= kTitleStripBottom;
}

}  // namespace

std::intptr_t TitleDragCallback(tk::Handle, unsigned message, std::uintptr_t,
                                std::intptr_t) noexcept {
  if (message != tk::kMessageLeftButtonDown) {
    return tk::ContinueDefault;
  }
  const tk::Point pointer = tk::WindowPointer(password::MainWindow);
  if (InTitleStrip(pointer, tk::WindowClientSize(password::MainWindow))) {
    tk::DragWindow(password::MainWindow);
  }
  return tk::ContinueDefault;
}

}  // namespace app

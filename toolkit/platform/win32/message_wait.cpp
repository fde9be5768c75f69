// Window timers and the message wait. Timers are the system's (SetTimer, WM_TIMER), so periods
// that pass while a handler runs give one tick. The wait applies the keyboard table: Tab and
// Shift+Tab move the focus through the toolkit's tab stops and never reach a field as a key.
#include "toolkit/platform.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

bool MovedFocusByTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB)
    return false;
  HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  if (!root)
    return false;
  bool backwards = ::GetKeyState(VK_SHIFT) < 0;
  Handle next = core::NextTabStop(FromHwnd(root), FromHwnd(::GetFocus()), backwards);
  if (next != 0)
    Focus(next);
  return true;
}

}  // namespace

void StartTimer(Handle window, int timer, int periodMs) {
  ::SetTimer(ToHwnd(window), static_cast<UINT_PTR>(timer),
             static_cast<UINT>(periodMs > 0 ? periodMs : 0), nullptr);
}

void StopTimer(Handle window, int timer) {
  ::KillTimer(ToHwnd(window), static_cast<UINT_PTR>(timer));
}

int WaitAndDispatch() {
  MSG message{};
  if (::GetMessageW(&message, nullptr, 0, 0) == -1)
    return 0;
  if (!MovedFocusByTab(message)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.message);
}

}  // namespace tk::platform

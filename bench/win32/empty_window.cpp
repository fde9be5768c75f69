// The least windowed program: one 730 x 615 pop-up shown at once, closed by WM_CLOSE. Its
// start-up is what Wine (or Windows) costs any program; Kennwerk's own cost is what lies above.
#include "toolkit/platform/win32/win32.h"

namespace {

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW type{};
  type.lpfnWndProc = EmptyWindowProc;
  type.hInstance = instance;
  type.lpszClassName = L"EmptyWindow";
  ::RegisterClassW(&type);
  HWND window = ::CreateWindowW(L"EmptyWindow", L"empty", WS_POPUP, 0, 0, 730, 615, nullptr,
                                nullptr, instance, nullptr);
  ::ShowWindow(window, SW_SHOW);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0)
    ::DispatchMessageW(&message);
  return 0;
}

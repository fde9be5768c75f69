// Top-level windows: each with a window class of its own (double-click style, icon 1, the arrow),
// so that replacing one class's style for the drop shadow touches no other window.
#include <string>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/native_table.h"
#include "toolkit/window.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

LRESULT CALLBACK TopLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::intptr_t answer = core::OnWindowMessage(FromHwnd(window), message, wParam, lParam);
  if (answer != ContinueDefault)
    return answer;
  LRESULT result = 0;
  if (HandleParentMessage(window, message, wParam, lParam, result))
    return result;
  switch (message) {
    case WM_TIMER:
      core::OnTimer(FromHwnd(window), static_cast<int>(wParam));
      return 0;
    case WM_CLOSE:
      // The program decides; the window is destroyed only when the program closes it.
      core::OnCloseRequest(FromHwnd(window));
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

std::wstring RegisterOwnClass() {
  NativeTable& native = Native();
  // std::to_string, not to_wstring: the wide one formats through swprintf, which is large.
  const std::string number = std::to_string(native.nextClass++);
  std::wstring name = L"Kennwerk.Window." + std::wstring(number.begin(), number.end());
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.style = CS_DBLCLKS;
  type.lpfnWndProc = TopLevelProc;
  type.hInstance = native.instance;
  type.hIcon = native.icon;
  type.hCursor = native.arrow;
  type.lpszClassName = name.c_str();
  return ::RegisterClassExW(&type) ? name : std::wstring();
}

}  // namespace

Handle CreateTopLevel(const TopLevelDesc& desc) {
  std::wstring type = RegisterOwnClass();
  if (type.empty())
    return 0;
  DWORD style =
      desc.borderless ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, desc.rect.width, desc.rect.height};
  ::AdjustWindowRectEx(&outer, style, FALSE, 0);
  std::wstring title = Wide(desc.title);
  // Created at the origin and then moved, without activating it, to where it belongs.
  HWND window =
      ::CreateWindowExW(0, type.c_str(), title.c_str(), style, 0, 0, outer.right - outer.left,
                        outer.bottom - outer.top, nullptr, nullptr, Native().instance, nullptr);
  if (!window) {
    ::UnregisterClassW(type.c_str(), Native().instance);
    return 0;
  }
  LookOf(window).ownClass = type;
  ::SetWindowPos(window, nullptr, desc.rect.x, desc.rect.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (desc.visible)
    ShowTopLevel(FromHwnd(window));
  return FromHwnd(window);
}

void SetTopLevelColor(Handle window, Color color) {
  NativeLook& look = LookOf(ToHwnd(window));
  look.back = ToColorRef(color);
  look.backBrush.Reset(::CreateSolidBrush(*look.back));
  ::InvalidateRect(ToHwnd(window), nullptr, TRUE);
}

void ShowTopLevel(Handle window) {
  ::ShowWindow(ToHwnd(window), SW_SHOWNORMAL);
  ::UpdateWindow(ToHwnd(window));
}

void MinimizeTopLevel(Handle window) {
  ::ShowWindow(ToHwnd(window), SW_MINIMIZE);
}

void SetDropShadowClassStyle(Handle window) {
  // Replaces the style: the double-click style goes, so a second press arrives as a plain press.
  ::SetClassLongW(ToHwnd(window), GCL_STYLE, CS_DROPSHADOW);
}

Point TopLevelPosition(Handle window) {
  RECT outer{};
  ::GetWindowRect(ToHwnd(window), &outer);
  return {outer.left, outer.top};
}

Point PointerInClient(Handle window) {
  POINT pointer{};
  RECT client{};
  if (!::GetCursorPos(&pointer) || !::ScreenToClient(ToHwnd(window), &pointer) ||
      !::GetClientRect(ToHwnd(window), &client)) {
    return {-1, -1};
  }
  return {pointer.x >= 0 && pointer.x < client.right ? int(pointer.x) : -1,
          pointer.y >= 0 && pointer.y < client.bottom ? int(pointer.y) : -1};
}

void BeginWindowDrag(Handle window) {
  // As if the press had landed on a caption: the system's move loop runs inside this call.
  ::SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace tk::platform

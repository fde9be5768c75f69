// Bringing the system facilities up and down: COM for the dialogs and WIC, the common controls,
// the display's DPI, icon 1 and the arrow for the window classes, and the platform's child
// window classes.

#include "toolkit/platform.h"
#include "toolkit/platform/win32/child_windows.h"
#include "toolkit/platform/win32/native_table.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

// Internet address, extended combo box, date and time, hot key and tab classes.
constexpr DWORD kCommonControlClasses = 0x0B48;

void RegisterChildClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = procedure;
  type.hInstance = Native().instance;
  type.hCursor = Native().arrow;
  type.lpszClassName = name;
  ::RegisterClassExW(&type);
}

int ReadDisplayDpi() {
  HDC display = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  if (!display)
    return 96;
  int dpi = ::GetDeviceCaps(display, LOGPIXELSY);
  ::DeleteDC(display);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

void Init() {
  NativeTable& native = Native();
  native.instance = ::GetModuleHandleW(nullptr);
  native.comStarted = SUCCEEDED(::CoInitialize(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof(controls), kCommonControlClasses};
  ::InitCommonControlsEx(&controls);
  native.dpi = ReadDisplayDpi();
  native.icon = static_cast<HICON>(
      ::LoadImageW(native.instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  native.arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  RegisterChildClass(kContainerClass, ContainerProc);
  RegisterChildClass(kCanvasClass, CanvasProc);
}

void Shutdown() {
  NativeTable& native = Native();
  native.looks.clear();
  ::UnregisterClassW(kContainerClass, native.instance);
  ::UnregisterClassW(kCanvasClass, native.instance);
  if (native.icon)
    ::DestroyIcon(native.icon);
  native.icon = nullptr;
  if (native.comStarted)
    ::CoUninitialize();
  native.comStarted = false;
}

void ExitProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

Size ScreenSize() {
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

int ScreenDpi() {
  return Native().dpi;
}

}  // namespace tk::platform

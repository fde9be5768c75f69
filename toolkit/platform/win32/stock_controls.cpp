// The stock controls: labels and edit fields are the system's STATIC and EDIT controls, the image
// view a STATIC showing a bitmap; containers are child windows of the platform's own class.
#include "toolkit/platform.h"
#include "toolkit/platform/win32/child_windows.h"
#include "toolkit/platform/win32/native_table.h"
#include "toolkit/window.h"

namespace tk::win32 {

HWND CreateChild(const wchar_t* type, HWND parent, Rect rect, const wchar_t* text, DWORD style) {
  HWND child = ::CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                 rect.x, rect.y, rect.width, rect.height, parent, nullptr,
                                 Native().instance, nullptr);
  if (!child)
    return nullptr;
  ::SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Until the program gives it another, a control shows the default GUI font.
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  return child;
}

// Presses on a container reach the window callback of its window, as presses on the window do.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::intptr_t answer = core::OnWindowMessage(FromHwnd(window), message, wParam, lParam);
  if (answer != ContinueDefault)
    return answer;
  LRESULT result = 0;
  if (HandleParentMessage(window, message, wParam, lParam, result))
    return result;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tk::win32

namespace tk::platform {

using namespace tk::win32;

Handle CreateLabel(Handle parent, Rect rect, std::u16string_view text, LabelOptions options) {
  // No SS_NOTIFY: the label answers HTTRANSPARENT, so presses fall through to its parent.
  DWORD style = SS_NOPREFIX;
  if (options.centerVertically)
    style |= SS_CENTERIMAGE;
  style |= options.centerHorizontally ? SS_CENTER : SS_LEFT;
  return FromHwnd(CreateChild(L"STATIC", ToHwnd(parent), rect, Wide(text).c_str(), style));
}

Handle CreateEdit(Handle parent, Rect rect, std::u16string_view text, EditOptions options) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (options.multiLine)
    style |= ES_MULTILINE;
  if (options.digitsOnly)
    style |= ES_NUMBER;
  if (options.readOnly)
    style |= ES_READONLY;
  style |= options.centered ? ES_CENTER : ES_LEFT;
  return FromHwnd(CreateChild(L"EDIT", ToHwnd(parent), rect, Wide(text).c_str(), style));
}

Handle CreateContainer(Handle parent, Rect rect) {
  return FromHwnd(CreateChild(kContainerClass, ToHwnd(parent), rect, L"", WS_CLIPCHILDREN));
}

Handle CreateCanvas(Handle parent, Rect rect) {
  return FromHwnd(CreateChild(kCanvasClass, ToHwnd(parent), rect, L"", 0));
}

Handle CreateImageView(Handle parent, Rect rect) {
  return FromHwnd(CreateChild(L"STATIC", ToHwnd(parent), rect, L"", SS_BITMAP | SS_NOTIFY));
}

}  // namespace tk::platform

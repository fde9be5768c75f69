// What every parent window does for its children, the same in a top-level window and in a
// container: it paints its background colour, colours its labels and edit fields through
// WM_CTLCOLOR*, and turns the edit fields' notifications into toolkit input.
#include "toolkit/platform.h"
#include "toolkit/platform/win32/native_table.h"

namespace tk::win32 {
namespace {

bool EraseBackground(HWND parent, HDC dc, LRESULT& result) {
  NativeLook* look = FindLook(parent);
  if (!look || !look->backBrush)
    return false;
  RECT client;
  ::GetClientRect(parent, &client);
  ::FillRect(dc, &client, look->backBrush.Get());
  result = 1;
  return true;
}

// Read-only and disabled edit fields ask with WM_CTLCOLORSTATIC, writable ones with
// WM_CTLCOLOREDIT; both get the colours the program set, the rest stays the system's.
bool ChildColors(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  NativeLook* look = FindLook(reinterpret_cast<HWND>(lParam));
  if (!look || (!look->front && !look->back))
    return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  result = ::DefWindowProcW(parent, message, wParam, lParam);
  if (look->front)
    ::SetTextColor(dc, *look->front);
  if (look->back) {
    ::SetBkColor(dc, *look->back);
    result = reinterpret_cast<LRESULT>(look->backBrush.Get());
  }
  return true;
}

bool EditNotification(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  Handle child = FromHwnd(reinterpret_cast<HWND>(lParam));
  if (child == 0)
    return false;
  switch (HIWORD(wParam)) {
    case EN_SETFOCUS:
      core::OnFocusChange(child, true);
      break;
    case EN_KILLFOCUS:
      core::OnFocusChange(child, false);
      break;
    case EN_CHANGE:
      core::OnEditChange(child);
      break;
    default:
      return false;
  }
  result = 0;
  return true;
}

}  // namespace

bool HandleParentMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseBackground(parent, reinterpret_cast<HDC>(wParam), result);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return ChildColors(parent, message, wParam, lParam, result);
    case WM_COMMAND:
      return EditNotification(wParam, lParam, result);
    default:
      return false;
  }
}

}  // namespace tk::win32

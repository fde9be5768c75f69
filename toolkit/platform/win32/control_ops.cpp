// The generic operations on native controls: text, font, colours, geometry, state and focus, and
// the destruction of a top-level window with everything in it.
#include <vector>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/native_table.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

void Destroy(Handle native) {
  HWND window = ToHwnd(native);
  std::vector<HWND> gone{window};
  ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&gone));
  std::wstring ownClass;
  if (NativeLook* look = FindLook(window))
    ownClass = look->ownClass;
  ::DestroyWindow(window);
  // The brushes and bitmaps go only now that no window can paint with them.
  for (HWND each : gone)
    ForgetLook(each);
  if (!ownClass.empty())
    ::UnregisterClassW(ownClass.c_str(), Native().instance);
}

std::u16string GetText(Handle control) {
  int length = ::GetWindowTextLengthW(ToHwnd(control));
  if (length <= 0)
    return {};
  std::wstring text(std::size_t(length) + 1, L'\0');
  int copied = ::GetWindowTextW(ToHwnd(control), text.data(), length + 1);
  text.resize(std::size_t(copied > 0 ? copied : 0));
  return FromWide(text);
}

void SetText(Handle control, std::u16string_view text) {
  ::SetWindowTextW(ToHwnd(control), Wide(text).c_str());
}

void SetFont(Handle control, FontHandle font) {
  ::SendMessageW(ToHwnd(control), WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

void SetColor(Handle control, int colorType, Color color) {
  NativeLook& look = LookOf(ToHwnd(control));
  if (colorType == kColorFront) {
    look.front = ToColorRef(color);
  } else if (colorType == kColorBack) {
    look.back = ToColorRef(color);
    look.backBrush.Reset(::CreateSolidBrush(*look.back));
  } else {
    return;
  }
  ::InvalidateRect(ToHwnd(control), nullptr, TRUE);
}

void Move(Handle control, Rect rect) {
  ::MoveWindow(ToHwnd(control), rect.x, rect.y, rect.width, rect.height, TRUE);
}

void SetEnabled(Handle control, bool enabled) {
  ::EnableWindow(ToHwnd(control), enabled);
}

void SetVisible(Handle control, bool visible) {
  ::ShowWindow(ToHwnd(control), visible ? SW_SHOWNA : SW_HIDE);
}

// The edit fields report the change through EN_KILLFOCUS and EN_SETFOCUS, which Windows sends
// from inside SetFocus: both have reached the toolkit when this returns.
void Focus(Handle control) {
  ::SetFocus(ToHwnd(control));
}

int EditLineCount(Handle edit) {
  return static_cast<int>(::SendMessageW(ToHwnd(edit), EM_GETLINECOUNT, 0, 0));
}

void SetEditRect(Handle edit, Rect rect) {
  RECT format = ToRect(rect);
  ::SendMessageW(ToHwnd(edit), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

Size ClientSize(Handle control) {
  RECT client{};
  ::GetClientRect(ToHwnd(control), &client);
  return {client.right - client.left, client.bottom - client.top};
}

}  // namespace tk::platform

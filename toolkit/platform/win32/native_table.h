// The Win32 platform's object table: what it keeps per native window beyond what Windows keeps
// (colours and their brush, a canvas's picture, an image view's bitmap, a top-level window's own
// class), and the facilities Init brings up once. Entries are made when a window is created and
// erased when its top-level window is destroyed through Destroy, the only way windows go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/platform/win32/gdi_objects.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::win32 {

struct NativeLook {
  std::optional<COLORREF> front;            // text colour; the system's when unset
  std::optional<COLORREF> back;             // background; the system's (or the parent's) when unset
  OwnedBrush backBrush;                     // made for `back`, handed out by WM_CTLCOLOR*
  std::vector<std::uint32_t> canvasPixels;  // canvas: the picture last presented, 0xAARRGGBB
  int canvasWidth = 0;
  int canvasHeight = 0;
  bool trackingLeave = false;  // canvas: TrackMouseEvent asked for WM_MOUSELEAVE
  OwnedBitmap picture;         // image view: the bitmap it shows
  std::wstring ownClass;       // top-level window: its class, unregistered with it
};

struct NativeTable {
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;     // icon 1 of the program file, for every window class
  HCURSOR arrow = nullptr;  // the standard arrow
  int dpi = 96;             // the display's LOGPIXELSY, read once
  bool comStarted = false;
  int nextClass = 1;  // numbers the top-level windows' own classes
  std::unordered_map<HWND, NativeLook> looks;
};

NativeTable& Native();
NativeLook& LookOf(HWND window);    // made on first use
NativeLook* FindLook(HWND window);  // null when the window has no entry
void ForgetLook(HWND window);

inline constexpr wchar_t kContainerClass[] = L"Kennwerk.Container";
inline constexpr wchar_t kCanvasClass[] = L"Kennwerk.Canvas";

// The shared handling of a parent (top-level window or container): colours of its stock
// children, their notifications, and its own background. Returns true with `result` set when
// the message was handled.
bool HandleParentMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tk::win32

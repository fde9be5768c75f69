// The Win32 platform's common header: <windows.h> with the settings this platform is built with
// (Unicode, no min/max macros, the lean subset) and the API headers it uses after it, and the
// conversions every file needs between the toolkit's types and Win32's. The toolkit's Handle is an
// HWND (or a file HANDLE) cast to an integer; its UTF-16 text is Win32's wide text, since wchar_t
// is 16 bits wide on Windows.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After <windows.h>, which they need.
#include <bcrypt.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>
#include <wincodec.h>
#include <windowsx.h>

#include <string>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace tk::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

// A zero-terminated wide copy of a toolkit text, for the API calls that take LPCWSTR.
inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

inline HWND ToHwnd(Handle handle) {
  return reinterpret_cast<HWND>(handle);
}
inline Handle FromHwnd(HWND window) {
  return reinterpret_cast<Handle>(window);
}

// The toolkit's packed colour (red + green * 256 + blue * 65536) is COLORREF's own layout.
inline COLORREF ToColorRef(Color color) {
  return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

inline RECT ToRect(Rect rect) {
  return RECT{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

}  // namespace tk::win32

// Finding another process's window as any program would: its first visible top-level window.
// Shared by the whole-session test and the start-up benchmark.
#pragma once

#include "toolkit/platform/win32/win32.h"

namespace kennwerk_test {

namespace shown_window_detail {

struct Search {
  DWORD process;
  HWND found;
};

inline BOOL CALLBACK TakeShownWindowOf(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<Search*>(search);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == wanted->process && ::IsWindowVisible(window)) {
    wanted->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace shown_window_detail

// Null while the process shows no window.
inline HWND ShownWindowOf(DWORD process) {
  shown_window_detail::Search search{process, nullptr};
  ::EnumWindows(shown_window_detail::TakeShownWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace kennwerk_test

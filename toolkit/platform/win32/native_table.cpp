#include "toolkit/platform/win32/native_table.h"

namespace tk::win32 {

NativeTable& Native() {
  static NativeTable table;
  return table;
}

NativeLook& LookOf(HWND window) {
  return Native().looks[window];
}

NativeLook* FindLook(HWND window) {
  auto found = Native().looks.find(window);
  return found == Native().looks.end() ? nullptr : &found->second;
}

void ForgetLook(HWND window) {
  Native().looks.erase(window);
}

}  // namespace tk::win32

// Owners of the GDI and user handles the platform creates: each closes its handle exactly once,
// when it goes. Stock objects and shared icons are never put in one.
#pragma once

#include <utility>

#include "toolkit/platform/win32/win32.h"

namespace tk::win32 {

template <class H, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other)
      Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_)
      Release(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) {
  ::DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
  ::DeleteDC(dc);
}

using OwnedBrush = Owned<HBRUSH, DeleteGdiObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteGdiObject>;
using OwnedDc = Owned<HDC, DeleteMemoryDc>;

// A window's device context, released to that window when it goes.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_)
      ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for the life of the guard, then puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (previous_)
      ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tk::win32

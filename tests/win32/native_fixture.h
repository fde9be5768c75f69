// A toolkit on the real Win32 platform with one shown window (number 0) for a test.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/controls.h"
#include "toolkit/platform/win32/win32.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace kennwerk_test {

class NativeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::InitToolkit();
    tk::OpenWindow(kWindow, {100, 100, 400, 300}, u"Kennwerk test", {.borderless = true});
    tk::ShowWindow(kWindow);
  }
  void TearDown() override { tk::ShutdownToolkit(); }

  static HWND Hwnd(tk::ControlId control) { return tk::win32::ToHwnd(tk::ControlHandle(control)); }
  static HWND WindowHwnd() { return tk::win32::ToHwnd(tk::WindowHandle(kWindow)); }

 public:
  static constexpr tk::WindowId kWindow{0};
};

}  // namespace kennwerk_test

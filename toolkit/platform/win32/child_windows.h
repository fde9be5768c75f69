// Creating the child windows that make up the stock controls. Every child clips its siblings and
// is placed above the siblings created before it, so that a later control (an overlay, a bar
// over a field's last row) covers earlier ones, as the toolkit's layout expects.
#pragma once

#include "toolkit/platform/win32/win32.h"

namespace tk::win32 {

HWND CreateChild(const wchar_t* type, HWND parent, Rect rect, const wchar_t* text, DWORD style);

// The window procedures of the platform's own child classes, registered by Init.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tk::win32

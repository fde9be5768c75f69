// Canvases: child windows that show the toolkit's picture buffer as it was last presented and
// report raw pointer input; the toolkit turns that into enter, move, leave, press and click.

#include "toolkit/platform.h"
#include "toolkit/platform/win32/child_windows.h"
#include "toolkit/platform/win32/native_table.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::win32 {
namespace {

BITMAPINFO TopDownBgra(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top, as the buffer holds them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void Paint(HWND canvas) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(canvas, &paint);
  NativeLook* look = FindLook(canvas);
  if (look && !look->canvasPixels.empty()) {
    // 0xAARRGGBB in memory is B, G, R, A: a 32-bit DIB's own layout.
    BITMAPINFO info = TopDownBgra(look->canvasWidth, look->canvasHeight);
    ::SetDIBitsToDevice(dc, 0, 0, look->canvasWidth, look->canvasHeight, 0, 0, 0,
                        UINT(look->canvasHeight), look->canvasPixels.data(), &info, DIB_RGB_COLORS);
  } else {
    ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  ::EndPaint(canvas, &paint);
}

void ReportPointer(HWND canvas, core::PointerInput input, LPARAM lParam) {
  core::OnCanvasPointer(FromHwnd(canvas), input, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

void PointerMoved(HWND canvas, LPARAM lParam) {
  NativeLook& look = LookOf(canvas);
  if (!look.trackingLeave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, canvas, 0};
    look.trackingLeave = ::TrackMouseEvent(&track) != FALSE;
  }
  ReportPointer(canvas, core::PointerInput::Move, lParam);
}

void PointerLeft(HWND canvas) {
  LookOf(canvas).trackingLeave = false;
  core::OnCanvasPointer(FromHwnd(canvas), core::PointerInput::Leave, {-1, -1});
}

}  // namespace

LRESULT CALLBACK CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(canvas);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole canvas
    case WM_MOUSEMOVE:
      PointerMoved(canvas, lParam);
      return 0;
    case WM_MOUSELEAVE:
      PointerLeft(canvas);
      return 0;
    case WM_LBUTTONDOWN:
      ReportPointer(canvas, core::PointerInput::LeftDown, lParam);
      return 0;
    case WM_LBUTTONUP:
      ReportPointer(canvas, core::PointerInput::LeftUp, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      ReportPointer(canvas, core::PointerInput::RightDown, lParam);
      return 0;
    case WM_RBUTTONUP:
      ReportPointer(canvas, core::PointerInput::RightUp, lParam);
      return 0;
    default:
      return ::DefWindowProcW(canvas, message, wParam, lParam);
  }
}

}  // namespace tk::win32

namespace tk::platform {

using namespace tk::win32;

void PresentCanvas(Handle canvas, const PixelBuffer& picture) {
  NativeLook& look = LookOf(ToHwnd(canvas));
  look.canvasPixels = picture.pixels;
  look.canvasWidth = picture.width;
  look.canvasHeight = picture.height;
  ::InvalidateRect(ToHwnd(canvas), nullptr, FALSE);
  ::UpdateWindow(ToHwnd(canvas));
}

void CapturePointer(Handle canvas, bool capture) {
  if (capture) {
    ::SetCapture(ToHwnd(canvas));
  } else if (::GetCapture() == ToHwnd(canvas)) {
    ::ReleaseCapture();
  }
}

}  // namespace tk::platform

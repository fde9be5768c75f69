// The platform seam: everything a platform (headless, win32, gtk) provides, and the few entry
// points through which it reports native input to the toolkit core.
//
// A platform only maps native things. Every rule the program relies on (handler order, dropped
// events, timer coalescing, Tab order, the container stack, canvas enter/leave/click, object
// lifetimes, drawing) lives in the core above this header, so that it is written and tested once.
// Nothing above toolkit/platform/ includes a native header; see toolkit/platform/README.md.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/clock.h"
#include "toolkit/color.h"
#include "toolkit/controls.h"
#include "toolkit/files.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"
#include "toolkit/images.h"
#include "toolkit/raster.h"
#include "toolkit/requesters.h"

namespace tk::platform {

// Lifetime. Init brings up the system facilities (COM, common controls, the display's DPI, the
// program icon and the arrow cursor); Shutdown releases them.
void Init();
void Shutdown();
[[noreturn]] void ExitProcess(int code);
Size ScreenSize();
int ScreenDpi();

// Top-level windows: a class of its own each (double-click style, icon 1, arrow cursor).
struct TopLevelDesc {
  Rect rect;
  std::u16string_view title;
  bool borderless = false;
  bool visible = true;
};
Handle CreateTopLevel(const TopLevelDesc& desc);
void SetTopLevelColor(Handle window, Color color);
void ShowTopLevel(Handle window);  // normal state, activated
void MinimizeTopLevel(Handle window);
void SetDropShadowClassStyle(Handle window);
Point TopLevelPosition(Handle window);
Point PointerInClient(Handle window);  // -1 for a coordinate outside the client area
void BeginWindowDrag(Handle window);   // returns when the system's move loop ends

// Stock controls, created as children of a window or container handle.
Handle CreateLabel(Handle parent, Rect rect, std::u16string_view text, LabelOptions options);
Handle CreateEdit(Handle parent, Rect rect, std::u16string_view text, EditOptions options);
Handle CreateContainer(Handle parent, Rect rect);
Handle CreateCanvas(Handle parent, Rect rect);
Handle CreateImageView(Handle parent, Rect rect);
// Destroys a top-level window and every native child of it.
void Destroy(Handle native);

std::u16string GetText(Handle control);
void SetText(Handle control, std::u16string_view text);
void SetFont(Handle control, FontHandle font);
void SetColor(Handle control, int colorType, Color color);  // kColorFront or kColorBack
void Move(Handle control, Rect rect);
void SetEnabled(Handle control, bool enabled);
void SetVisible(Handle control, bool visible);
// Gives the focus; the platform reports losses and gains through core::OnFocusChange before
// this returns.
void Focus(Handle control);
int EditLineCount(Handle edit);
void SetEditRect(Handle edit, Rect rect);
Size ClientSize(Handle control);
void SetImageViewPicture(Handle view, const Image* image);  // nullptr shows nothing
void PresentCanvas(Handle canvas, const PixelBuffer& picture);
void CapturePointer(Handle canvas, bool capture);

// Timers and the message wait.
void StartTimer(Handle window, int timer, int periodMs);
void StopTimer(Handle window, int timer);
// Blocks for the next system message, dispatches it and returns its number. Applies the keyboard
// table (Tab / Shift+Tab through core::NextTabStop).
int WaitAndDispatch();

// Fonts and glyphs. height is negative for a character height, as CreateFontW takes it.
// (Names avoid the Win32 A/W macros, since the win32 platform includes both headers.)
FontHandle CreateNativeFont(std::u16string_view face, int height, int flags);
void DeleteNativeFont(FontHandle font);
FontHandle DefaultGuiFont();
Size MeasureText(FontHandle font, std::u16string_view text);
// Draws the glyphs only (no background), clipped to the buffer, top-left corner at origin.
void DrawGlyphs(PixelBuffer& buffer, FontHandle font, Point origin, std::u16string_view text,
                Color color);

bool DecodePng(std::span<const std::uint8_t> png, Image& out);

// Services.
bool SetClipboardText(std::u16string_view text, bool sensitive);
struct SaveDialogSpec {
  std::u16string_view title;
  std::u16string_view folder;
  std::u16string_view fileName;
  std::u16string_view filterDisplay;
  std::u16string_view filterPattern;
};
std::u16string ShowSaveDialog(Handle owner, const SaveDialogSpec& spec);
MessageAnswer ShowMessageBox(Handle owner, std::u16string_view title, std::u16string_view text,
                             MessageButtons buttons);
std::u16string DocumentsFolder();
char16_t PathSeparator();

std::int64_t FileSize(std::u16string_view path);
Handle OpenNativeFile(std::u16string_view path, File::Mode mode);  // 0 on failure
bool WriteNativeFile(Handle file, std::string_view bytes);
bool FlushNativeFile(Handle file);
bool CloseNativeFile(Handle file);
bool MoveFileOver(std::u16string_view replacement, std::u16string_view target);
bool RemoveNativeFile(std::u16string_view path);

LocalDateTime LocalTime();
bool RandomBytes(std::span<std::uint8_t> bytes);

}  // namespace tk::platform

// What the platform calls to report native input. Each runs the bound handlers synchronously.
namespace tk::core {

enum class PointerInput { Move, Leave, LeftDown, LeftUp, RightDown, RightUp };

// Raw pointer input over a canvas, in canvas coordinates (while captured, also outside it). The
// core turns it into enter, move, leave, down, up and click, and captures the pointer on a left
// press.
void OnCanvasPointer(Handle canvas, PointerInput input, Point position);
void OnFocusChange(Handle control, bool gained);
void OnEditChange(Handle edit);
void OnTimer(Handle window, int timer);
void OnCloseRequest(Handle window);
// Runs the window callback of the window that owns `target` (the window itself or a container);
// returns ContinueDefault when there is none.
std::intptr_t OnWindowMessage(Handle target, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam);
// The next (or, backwards, previous) enabled, visible tab stop after `from` in creation order,
// wrapping; 0 when the window has none.
Handle NextTabStop(Handle window, Handle from, bool backwards);
// True while the program itself sets a control's text or state (events are then dropped).
bool IsMuted();

}  // namespace tk::core

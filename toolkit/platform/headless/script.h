// The test script of the headless platform: what a test does instead of a user, and what it reads
// back instead of looking at the screen.
//
// A test opens a Session (the platform reset to its defaults, then InitToolkit; ShutdownToolkit at
// the end) and drives the program through these calls. Input is dispatched synchronously: when a
// call such as Click returns, the handlers of the events it raised have run and those events are
// queued for WaitEvent. Time is virtual: it moves only through Advance and Stall.
//
// A script that asks for something nobody scripted (a requester without an answer, a wait of the
// program's event loop with no step left) throws ScriptError with a message that says so, which
// fails the test instead of hanging it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/clock.h"
#include "toolkit/files.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"
#include "toolkit/raster.h"
#include "toolkit/requesters.h"

namespace tk::headless {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SessionOptions {
  Size screen{1920, 1080};
  int dpi = 96;  // read once by InitToolkit
};

class Session {
 public:
  explicit Session(SessionOptions options = {});
  ~Session();  // shuts the toolkit down unless the test already did
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

// Back to the defaults: no native objects, time 0, nothing scripted, no failure switched on.
void ResetPlatform();

// Screen. The DPI is read by InitToolkit, so set it before (or use SessionOptions).
void SetScreenSize(Size size);
void SetScreenDpi(int dpi);

// Pointer, in a window's client area. Moves reach canvases as enter, move and leave; while a
// canvas holds the pointer (after a left press on it) every move and the release go to it.
void MovePointer(WindowId window, Point client);
void PressLeft();
void ReleaseLeft();
void Click(WindowId window, Point client);  // move, press, release

// Keyboard, into the focused control. Typing goes in character by character at the end of the
// text, each character one change; '\n' is the Enter key. A paste goes in as one change.
void Type(std::u16string_view text);
void Paste(std::u16string_view text);
void PressTab();
void PressShiftTab();
void RequestClose(WindowId window);  // the system asks the window to close (WM_CLOSE)

// Virtual clock, in milliseconds since the reset. Advance fires due timers in order of their due
// time, one tick per due period, each after the previous handler returned (a 2 ms timer advanced
// by 10 ms ticks 5 times). Stall moves the clock without dispatching, as a busy handler would; the
// next Advance then gives one tick for all the periods that passed.
void Advance(int ms);
void Stall(int ms);
std::int64_t Now();

// Requesters: each answer serves the next requester of its kind; whileOpen runs while it is open.
void AnswerSaveDialog(std::u16string path, std::function<void()> whileOpen = {});
void CancelSaveDialog(std::function<void()> whileOpen = {});
void AnswerMessageBox(MessageAnswer answer, std::function<void()> whileOpen = {});

struct RequesterShown {
  enum class Kind { SaveDialog, MessageBox };
  Kind kind = Kind::MessageBox;
  std::u16string title{};
  std::u16string text{};  // message boxes
  MessageButtons buttons = MessageButtons::Ok;
  std::u16string folder{};  // save dialogs
  std::u16string fileName{};
  std::u16string filterDisplay{};
  std::u16string filterPattern{};
};
const std::vector<RequesterShown>& RequestersShown();
void SetDocumentsFolder(std::u16string folder);

// Clipboard.
std::u16string ClipboardText();
bool ClipboardIsSensitive();
void FailNextClipboardSet();

// Files are real files on the local disk; these make the platform report failure. A failed write,
// flush or close does nothing else; a failed close still closes the file.
void FailNextOpen(std::optional<File::Mode> mode = {});  // the next open of that mode, or any
void FailWrite(int n);  // the n-th write from now (1: the next one)
void FailNextFlush();
void FailNextClose();
void FailNextReplace();

// Random bytes and local time.
void SetRandomFailing(bool failing);
void SetLocalTime(LocalDateTime time);  // then moves on with the virtual clock

// What the screen would show.
struct WindowFacts {
  Point position{};
  Size clientSize{};
  std::u16string title{};
  bool borderless = false;
  bool visible = false;
  bool minimised = false;
  bool dropShadowClassStyle = false;
  int dragsStarted = 0;
};
WindowFacts FactsOf(WindowId window);
ControlId FocusedControl();  // {kAnyNumber} when no control has the focus
std::optional<Rect> FormattingRect(ControlId edit);
// A canvas's picture as last presented, and how often it was presented.
PixelBuffer CanvasPicture(ControlId canvas);
int CanvasPresentations(ControlId canvas);

// The whole client area of a window, composed: the window colour, then every visible control
// (backgrounds, texts in their fonts and colours, canvas pictures, image views), clipped to its
// parent.
PixelBuffer Screenshot(WindowId window);
bool WritePng(const PixelBuffer& picture, const std::string& path);

// Input for the program's own event loop: each wait of the platform runs the next step as one
// system message (message number kScriptMessage). A wait with no step left throws ScriptError.
inline constexpr int kScriptMessage = 0x8001;
void QueueStep(std::function<void()> step);
std::size_t PendingSteps();

}  // namespace tk::headless

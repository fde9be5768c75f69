// The headless platform's world: every native object, the pointer, the focus, the virtual clock,
// the scripted answers and the failure switches, in one plain struct. ResetWorld brings it back to
// its defaults (a 1920 x 1080 screen at 96 DPI, time 0, nothing scripted); a test Session does that
// before the toolkit starts.
//
// Native handles are serial numbers that are never reused within one world, and std::map keeps
// them in creation order, which is also the stacking order of siblings (later on top).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/clock.h"
#include "toolkit/color.h"
#include "toolkit/controls.h"
#include "toolkit/files.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"
#include "toolkit/images.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/raster.h"
#include "toolkit/requesters.h"

namespace tk::headless {

enum class NativeKind { TopLevel, Label, Edit, Container, Canvas, ImageView };

struct NativeObject {
  NativeKind kind = NativeKind::TopLevel;
  Handle parent = 0;    // 0 for a top-level window
  Rect rect;            // a top-level's screen position and client size; else parent-relative
  std::u16string text;  // a top-level's title
  LabelOptions label;
  EditOptions edit;
  FontHandle font = 0;  // 0: the default GUI font
  std::optional<Color> front;
  std::optional<Color> back;
  bool enabled = true;
  bool visible = true;
  std::optional<Rect> formattingRect;
  PixelBuffer picture;  // canvas: what was presented last
  int presentations = 0;
  std::optional<Image> image;  // image view
  // Top-level windows only.
  bool borderless = false;
  bool minimised = false;
  bool dropShadow = false;
  Color color = Rgb(240, 240, 240);  // the system's window face until set
  int dragsStarted = 0;
};

struct SyntheticFont {
  std::u16string face;
  int pixelHeight = 0;
  int flags = 0;
};

struct NativeTimer {
  Handle window = 0;
  int number = 0;
  int periodMs = 1;
  std::int64_t due = 0;     // virtual ms
  std::uint64_t order = 0;  // start order, to break ties between timers due at once
};

struct ScriptedSave {
  std::optional<std::u16string> path;  // nullopt: cancel
  std::function<void()> whileOpen;
};

struct ScriptedMessage {
  MessageAnswer answer = MessageAnswer::Ok;
  std::function<void()> whileOpen;
};

struct FileFailures {
  std::vector<std::optional<File::Mode>> opens;  // each fails one matching open
  int writeCountdown = 0;                        // the write at which this reaches 0 fails
  int flushes = 0;
  int closes = 0;
  int replaces = 0;
};

struct World {
  Size screen{1920, 1080};
  int dpi = 96;

  std::map<Handle, NativeObject> objects;
  Handle nextHandle = 0x1000;
  Handle focused = 0;
  Handle activeWindow = 0;

  Handle pointerWindow = 0;
  Point pointer;  // in pointerWindow's client area
  Handle hovered = 0;
  Handle captured = 0;

  std::map<FontHandle, SyntheticFont> fonts;
  FontHandle nextFont = 1;
  FontHandle defaultFont = 0;  // made on first use

  std::int64_t now = 0;
  std::vector<NativeTimer> timers;
  std::uint64_t nextTimerOrder = 0;
  LocalDateTime localTime{2000, 1, 1, 0, 0, 0};
  std::int64_t localTimeSetAt = 0;

  std::u16string clipboard;
  bool clipboardSensitive = false;
  bool failNextClipboardSet = false;

  std::deque<ScriptedSave> saveAnswers;
  std::deque<ScriptedMessage> messageAnswers;
  std::vector<RequesterShown> requestersShown;
  std::u16string documentsFolder;

  FileFailures fileFailures;
  std::map<Handle, int> files;  // native file handle -> descriptor
  Handle nextFile = 1;

  bool randomFailing = false;

  std::deque<std::function<void()>> steps;
};

World& TheWorld();
void ResetWorld();

NativeObject* FindNative(Handle handle);
// The top-level window a native object belongs to (itself for a top-level); 0 when none.
Handle TopLevelOf(Handle handle);
// A new native object under the next serial handle.
Handle AddNative(NativeObject object);
// The object's top-left corner in its top-level window's client area.
Point ClientOrigin(Handle handle);
// Visible and enabled, together with every parent up to the window.
bool IsShownChain(Handle handle);
bool IsEnabledChain(Handle handle);
// The children of a native object in creation order.
std::vector<Handle> ChildrenOf(Handle parent);

}  // namespace tk::headless

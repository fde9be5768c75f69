// The toolkit's object tables: one context, created by InitToolkit and destroyed by
// ShutdownToolkit. Every service of the core keeps its state here, so that a shutdown followed by
// InitToolkit gives a fresh toolkit. Outside that span Current() is null and every operation does
// nothing.
//
// Controls live in creation order (the Tab order and the order of ForEachControl); each record
// stays at one address for its life, since the GadgetObject inside it is handed out.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"
#include "toolkit/images.h"
#include "toolkit/raster.h"
#include "toolkit/window.h"

namespace tk::core {

// What a canvas knows of the pointer, to turn raw input into enter, leave and click.
struct CanvasPointer {
  bool inside = false;   // the pointer is over it (MouseEnter was raised)
  bool pressed = false;  // the left button went down on it and is still held
};

struct ControlRecord {
  GadgetObject object;
  GadgetType kind;      // the stock kind it was created as
  Handle parent = 0;    // the native window or container it lives in
  ControlId container;  // the container it lives in; kAnyNumber for the window itself
  Rect rect;            // relative to the parent's client area
  bool tabStop = false;
  bool enabled = true;
  bool visible = true;
  FontHandle font = 0;  // the native font last given
  Color front = -1;     // stock colours; -1 until set
  Color back = -1;
  PixelBuffer picture;                      // canvas
  Handle image = 0;                         // image view: the picture shown
  std::map<int, std::intptr_t> attributes;  // canvas attributes the program set
  CanvasPointer pointer;                    // canvas
};

struct WindowRecord {
  WindowId id;
  Handle handle = 0;
  WindowCallback callback = nullptr;
  std::map<int, int> timers;  // running timers: number -> period in ms
  bool closing = false;       // its events are dropped from the start of the close
};

struct Binding {
  std::uint64_t serial = 0;  // binding order: higher is later
  WindowId window;           // the control's window, or the timer's
  bool timer = false;        // object is a timer number, else a control number
  int object = kAnyNumber;
  Handler handler = nullptr;
  std::optional<EventType> only = std::nullopt;
};

struct EventRecord {
  Event code = Event::None;
  WindowId window;
  int object = kAnyNumber;  // control or timer number
  EventType type = EventType::Click;
  std::optional<Point> pointer = std::nullopt;  // canvas events: the pointer in canvas coordinates
};

struct FontRecord {
  FontHandle handle = 0;
  int pixelHeight = 0;
};

// One level of the open-container stack: the window itself, or a container inside it.
struct ContainerLevel {
  WindowId window;
  ControlId container;  // kAnyNumber for the window itself
  Handle handle = 0;
};

struct Context {
  std::map<int, std::unique_ptr<WindowRecord>> windows;
  std::vector<std::unique_ptr<ControlRecord>> controls;  // creation order
  std::map<int, ControlRecord*> controlByNumber;
  std::vector<ContainerLevel> openContainers;
  std::map<int, FontRecord> fonts;
  std::map<int, std::unique_ptr<Image>> images;
  std::vector<Binding> bindings;
  std::uint64_t nextSerial = 1;
  std::deque<EventRecord> queue;
  EventRecord current;
  int muted = 0;  // depth of program calls that set a text or a state
  ControlId active;
  int dpi = 96;
  FontHandle defaultFont = 0;
  int nextNumber = 1 << 20;  // numbers the toolkit chooses start far above the program's
};

Context* Current();

// Lookups; null when the number or handle names nothing (or the toolkit is down).
ControlRecord* FindRecord(ControlId id);
ControlRecord* RecordByHandle(Handle handle);
WindowRecord* FindWindowRecord(WindowId id);
WindowRecord* WindowRecordByHandle(Handle handle);
// The window that owns a native handle: the window itself or any control inside it.
WindowRecord* OwningWindow(Handle handle);

// A number for kAnyNumber: one that none of `used` holds.
template <class Map>
int ChooseNumber(Context& context, const Map& used) {
  while (used.contains(context.nextNumber))
    ++context.nextNumber;
  return context.nextNumber++;
}

// Runs the handlers bound to the event (type-specific first, later-bound first), then queues it.
// Dropped while the program sets a text or a state.
void Raise(const EventRecord& event);

// Drops everything the events service holds for a window: bindings and queued events.
void ForgetWindowEvents(WindowId window);

// Frees every control of a window (current free entry first) and forgets it.
void DestroyWindowControls(WindowId window);

// While alive, the program is setting a control's text or state: raised events are dropped.
class MuteEvents {
 public:
  MuteEvents();
  ~MuteEvents();
  MuteEvents(const MuteEvents&) = delete;
  MuteEvents& operator=(const MuteEvents&) = delete;
};

// A canvas picture of the given size, white as a fresh canvas is.
PixelBuffer BlankPicture(int width, int height);

}  // namespace tk::core

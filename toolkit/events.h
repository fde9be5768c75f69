// Events, handlers and the blocking wait.
//
// Handlers take no arguments: they read the current event (window, object, type) from the toolkit
// and return 0. They are bound to a control (all its event types, or one) or to a window timer.
// When several handlers receive one event, those bound to that one event type run before those
// bound to all types, and among equal bindings the later-bound runs first. Handlers run
// synchronously while the platform dispatches the system message that raised the event; the event
// is then queued, and WaitEvent returns it.
#pragma once

#include <optional>

#include "toolkit/ids.h"

namespace tk {

enum class Event : int {
  None = 0,
  Gadget = 13100,        // raised by a control; object = control number, with an EventType
  Timer = 13110,         // a window timer fired; object = timer number
  CloseRequest = 13116,  // the system asks a window to close; the window is not destroyed
};

enum class EventType : int {
  Click = 0,               // canvas: left button released over it after a press on it
  Change = 768,            // edit: its text changed
  FocusGained = 14000,     // edit
  FocusLost = 14001,       // edit
  MouseEnter = 65537,      // canvas: first pointer movement over it
  MouseLeave = 65538,      // canvas
  MouseMove = 65539,       // canvas
  LeftButtonDown = 65540,  // canvas; captures the pointer until the release
  LeftButtonUp = 65541,    // canvas
  RightButtonDown = 65542,
  RightButtonUp = 65543,
};

using Handler = int (*)();

void BindControlEvent(ControlId control, Handler handler, std::optional<EventType> only = {});
void UnbindControlEvent(ControlId control, Handler handler, std::optional<EventType> only = {});
void BindTimerEvent(WindowId window, TimerId timer, Handler handler);
void UnbindTimerEvent(WindowId window, TimerId timer, Handler handler);

// Blocks until there is something to do. Returns the code of a queued toolkit event if there is
// one; otherwise takes the next system message, dispatches it (running the handlers of the events
// it raises, which are queued) and returns the message's number.
int WaitEvent();

// The event being handled, or the one WaitEvent returned last.
Event EventCode();
WindowId EventWindow();
ControlId EventControl();
TimerId EventTimer();
EventType EventKind();

}  // namespace tk

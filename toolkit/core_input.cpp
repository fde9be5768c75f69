// Native input, as the platform reports it, turned into the toolkit's events.
#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk::core {
namespace {

void RaiseControlEvent(const ControlRecord& record, EventType type,
                       std::optional<Point> pointer = {}) {
  Raise({.code = Event::Gadget,
         .window = record.object.window,
         .object = record.object.number.value,
         .type = type,
         .pointer = pointer});
}

bool Over(const ControlRecord& canvas, Point position) {
  return Rect{0, 0, canvas.rect.width, canvas.rect.height}.Contains(position);
}

void OnPointerMove(ControlRecord& canvas, Point position) {
  bool over = Over(canvas, position);
  if (over && !canvas.pointer.inside) {
    canvas.pointer.inside = true;
    RaiseControlEvent(canvas, EventType::MouseEnter, position);
  } else if (over) {
    RaiseControlEvent(canvas, EventType::MouseMove, position);
  } else if (canvas.pointer.inside) {
    canvas.pointer.inside = false;
    RaiseControlEvent(canvas, EventType::MouseLeave, position);
  }
}

void OnLeftUp(ControlRecord& canvas, Point position) {
  ControlId number = canvas.object.number;
  bool wasPressed = canvas.pointer.pressed;
  canvas.pointer.pressed = false;
  platform::CapturePointer(canvas.object.handle, false);
  RaiseControlEvent(canvas, EventType::LeftButtonUp, position);
  // The handler of the release may have closed the window; look the canvas up again.
  ControlRecord* still = FindRecord(number);
  if (still && wasPressed && Over(*still, position)) {
    RaiseControlEvent(*still, EventType::Click, position);
  }
}

}  // namespace

void OnCanvasPointer(Handle canvas, PointerInput input, Point position) {
  ControlRecord* record = RecordByHandle(canvas);
  if (!record || record->kind != GadgetType::Canvas)
    return;
  switch (input) {
    case PointerInput::Move:
      OnPointerMove(*record, position);
      break;
    case PointerInput::Leave:
      if (record->pointer.inside) {
        record->pointer.inside = false;
        RaiseControlEvent(*record, EventType::MouseLeave, position);
      }
      break;
    case PointerInput::LeftDown:
      record->pointer.pressed = true;
      platform::CapturePointer(canvas, true);
      RaiseControlEvent(*record, EventType::LeftButtonDown, position);
      break;
    case PointerInput::LeftUp:
      OnLeftUp(*record, position);
      break;
    case PointerInput::RightDown:
      RaiseControlEvent(*record, EventType::RightButtonDown, position);
      break;
    case PointerInput::RightUp:
      RaiseControlEvent(*record, EventType::RightButtonUp, position);
      break;
  }
}

void OnFocusChange(Handle control, bool gained) {
  Context* context = Current();
  ControlRecord* record = RecordByHandle(control);
  if (!context || !record)
    return;
  if (gained) {
    context->active = record->object.number;
  } else if (context->active == record->object.number) {
    context->active = {};
  }
  if (record->kind == GadgetType::Edit) {
    RaiseControlEvent(*record, gained ? EventType::FocusGained : EventType::FocusLost);
  }
}

void OnEditChange(Handle edit) {
  ControlRecord* record = RecordByHandle(edit);
  if (record && record->kind == GadgetType::Edit)
    RaiseControlEvent(*record, EventType::Change);
}

void OnTimer(Handle window, int timer) {
  WindowRecord* record = WindowRecordByHandle(window);
  if (!record || !record->timers.contains(timer))
    return;
  Raise({.code = Event::Timer, .window = record->id, .object = timer});
}

void OnCloseRequest(Handle window) {
  if (WindowRecord* record = WindowRecordByHandle(window)) {
    Raise({.code = Event::CloseRequest, .window = record->id});
  }
}

std::intptr_t OnWindowMessage(Handle target, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  WindowRecord* window = OwningWindow(target);
  if (!window || !window->callback)
    return ContinueDefault;
  return window->callback(target, message, wParam, lParam);
}

}  // namespace tk::core

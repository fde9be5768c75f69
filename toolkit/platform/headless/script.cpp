// The script's session and what it reads back of windows and controls.
#include "toolkit/platform/headless/script.h"

#include "toolkit/controls.h"
#include "toolkit/platform/headless/world.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace tk::headless {
namespace {

const NativeObject* NativeOfControl(ControlId id) {
  return FindNative(ControlHandle(id));
}

}  // namespace

Session::Session(SessionOptions options) {
  ShutdownToolkit();
  ResetPlatform();
  SetScreenSize(options.screen);
  SetScreenDpi(options.dpi);
  InitToolkit();
}

Session::~Session() {
  ShutdownToolkit();
}

WindowFacts FactsOf(WindowId window) {
  const NativeObject* object = FindNative(WindowHandle(window));
  if (!object)
    return {};
  return {.position = {object->rect.x, object->rect.y},
          .clientSize = {object->rect.width, object->rect.height},
          .title = object->text,
          .borderless = object->borderless,
          .visible = object->visible,
          .minimised = object->minimised,
          .dropShadowClassStyle = object->dropShadow,
          .dragsStarted = object->dragsStarted};
}

ControlId FocusedControl() {
  Handle focused = TheWorld().focused;
  ControlId found;
  ForEachControl([&](GadgetObject& control) {
    if (focused == 0 || control.handle != focused)
      return false;
    found = control.number;
    return true;
  });
  return found;
}

std::optional<Rect> FormattingRect(ControlId edit) {
  const NativeObject* object = NativeOfControl(edit);
  return object ? object->formattingRect : std::nullopt;
}

PixelBuffer CanvasPicture(ControlId canvas) {
  const NativeObject* object = NativeOfControl(canvas);
  return object ? object->picture : PixelBuffer{};
}

int CanvasPresentations(ControlId canvas) {
  const NativeObject* object = NativeOfControl(canvas);
  return object ? object->presentations : 0;
}

}  // namespace tk::headless

#include "flat/flat_events.h"

#include "flat/flat_attach.h"
#include "flat/flat_gadget.h"
#include "toolkit/events.h"

namespace flat {

namespace {

// What one handler does; every event it acts on ends in a repaint.
struct FlatTransitions {
  bool hoverOnMove;  // a mouse move sets hover (and so repaints)
  bool flipOnPress;  // a left press flips the state
};

constexpr FlatTransitions kToggleTransitions{.hoverOnMove = false, .flipOnPress = true};
constexpr FlatTransitions kTrackTransitions{.hoverOnMove = true, .flipOnPress = false};

// Applies the event to the record; false when the event changes nothing.
bool Apply(FlatGadget& gadget, tk::EventType type, const FlatTransitions& rules) {
  switch (type) {
    case tk::EventType::MouseEnter:
      gadget.hover = 1;
      return true;
    case tk::EventType::MouseMove:
      if (!rules.hoverOnMove) {
        return false;
      }
      gadget.hover = 1;
      return true;
    case tk::EventType::MouseLeave:
      gadget.hover = 0;
      return true;
    case tk::EventType::LeftButtonDown:
      gadget.pressed = 1;
      if (rules.flipOnPress) {
        gadget.state = gadget.state == 0 ? 1 : 0;
      }
      return true;
    case tk::EventType::LeftButtonUp:
      gadget.pressed = 0;
      return true;
    default:
      return false;
  }
}

int RunFlatEvents(const FlatTransitions& rules) {
  FlatGadget* gadget = FlatFromEvent();
  if (gadget != nullptr && Apply(*gadget, tk::EventKind(), rules)) {
    gadget->paint(*gadget);
  }
  return 0;
}

}  // namespace

int FlatButtonEvents() {
  return RunFlatEvents(kToggleTransitions);
}
int FlatToggleEvents() {
  return RunFlatEvents(kToggleTransitions);
}
int FlatTrackEvents() {
  return RunFlatEvents(kTrackTransitions);
}
int FlatIgnoreEvents() {
  return 0;
}

}  // namespace flat

// Binding, the dispatch rule and the blocking wait.
#include "toolkit/events.h"

#include <algorithm>

#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk {
namespace core {
namespace {

bool Matches(const Binding& binding, bool timer, int object, Handler handler,
             std::optional<EventType> only) {
  return binding.timer == timer && binding.object == object && binding.handler == handler &&
         binding.only == only;
}

void Bind(Binding binding) {
  Context* context = Current();
  if (!context)
    return;
  for (const Binding& existing : context->bindings) {
    if (Matches(existing, binding.timer, binding.object, binding.handler, binding.only))
      return;
  }
  binding.serial = context->nextSerial++;
  context->bindings.push_back(binding);
}

void Unbind(bool timer, int object, Handler handler, std::optional<EventType> only) {
  Context* context = Current();
  if (!context)
    return;
  std::erase_if(context->bindings, [&](const Binding& binding) {
    return Matches(binding, timer, object, handler, only);
  });
}

bool Receives(const Binding& binding, const EventRecord& event) {
  if (event.code == Event::Timer)
    return binding.timer && binding.object == event.object && binding.window == event.window;
  if (event.code != Event::Gadget || binding.timer || binding.object != event.object)
    return false;
  return !binding.only || *binding.only == event.type;
}

// Handlers for one event type come before those for all types; within each, later-bound first.
std::vector<Binding> HandlersFor(const Context& context, const EventRecord& event) {
  std::vector<Binding> chosen;
  for (const Binding& binding : context.bindings) {
    if (Receives(binding, event))
      chosen.push_back(binding);
  }
  std::sort(chosen.begin(), chosen.end(), [](const Binding& a, const Binding& b) {
    if (a.only.has_value() != b.only.has_value())
      return a.only.has_value();
    return a.serial > b.serial;
  });
  return chosen;
}

bool StillBound(std::uint64_t serial) {
  Context* context = Current();
  return context && std::any_of(context->bindings.begin(), context->bindings.end(),
                                [&](const Binding& b) { return b.serial == serial; });
}

// The event being handled is the current one until its handlers have run; a nested event (a
// handler that moves the focus) puts the outer one back when it is done.
class CurrentEvent {
 public:
  explicit CurrentEvent(const EventRecord& event) : saved_(Current()->current) {
    Current()->current = event;
  }
  ~CurrentEvent() {
    if (Context* context = Current())
      context->current = saved_;
  }
  CurrentEvent(const CurrentEvent&) = delete;
  CurrentEvent& operator=(const CurrentEvent&) = delete;

 private:
  EventRecord saved_;
};

}  // namespace

MuteEvents::MuteEvents() {
  if (Context* context = Current())
    ++context->muted;
}

MuteEvents::~MuteEvents() {
  if (Context* context = Current())
    --context->muted;
}

bool IsMuted() {
  Context* context = Current();
  return context && context->muted > 0;
}

void Raise(const EventRecord& event) {
  Context* context = Current();
  WindowRecord* window = context ? FindWindowRecord(event.window) : nullptr;
  if (!window || context->muted > 0 || window->closing)
    return;
  {
    CurrentEvent handling(event);
    for (const Binding& binding : HandlersFor(*context, event)) {
      // A handler may close the window or shut the toolkit down: what is unbound by then must
      // not run.
      if (StillBound(binding.serial))
        binding.handler();
    }
  }
  window = Current() == context ? FindWindowRecord(event.window) : nullptr;
  if (window && !window->closing)
    context->queue.push_back(event);
}

void ForgetWindowEvents(WindowId window) {
  Context* context = Current();
  if (!context)
    return;
  std::erase_if(context->bindings, [&](const Binding& b) { return b.window == window; });
  std::erase_if(context->queue, [&](const EventRecord& e) { return e.window == window; });
}

}  // namespace core

void BindControlEvent(ControlId control, Handler handler, std::optional<EventType> only) {
  core::ControlRecord* record = core::FindRecord(control);
  if (!record || !handler)
    return;
  core::Bind(
      {.window = record->object.window, .object = control.value, .handler = handler, .only = only});
}

void UnbindControlEvent(ControlId control, Handler handler, std::optional<EventType> only) {
  core::Unbind(false, control.value, handler, only);
}

void BindTimerEvent(WindowId window, TimerId timer, Handler handler) {
  if (!core::FindWindowRecord(window) || !handler)
    return;
  core::Bind({.window = window, .timer = true, .object = timer.value, .handler = handler});
}

void UnbindTimerEvent(WindowId window, TimerId timer, Handler handler) {
  core::Context* context = core::Current();
  if (!context)
    return;
  std::erase_if(context->bindings, [&](const core::Binding& b) {
    return b.timer && b.window == window && b.object == timer.value && b.handler == handler;
  });
}

int WaitEvent() {
  core::Context* context = core::Current();
  if (!context)
    return 0;
  if (!context->queue.empty()) {
    context->current = context->queue.front();
    context->queue.pop_front();
    return int(context->current.code);
  }
  return platform::WaitAndDispatch();
}

Event EventCode() {
  core::Context* context = core::Current();
  return context ? context->current.code : Event::None;
}

WindowId EventWindow() {
  core::Context* context = core::Current();
  return context ? context->current.window : WindowId{};
}

ControlId EventControl() {
  core::Context* context = core::Current();
  if (!context || context->current.code != Event::Gadget)
    return {};
  return {context->current.object};
}

TimerId EventTimer() {
  core::Context* context = core::Current();
  if (!context || context->current.code != Event::Timer)
    return {};
  return {context->current.object};
}

EventType EventKind() {
  core::Context* context = core::Current();
  return context ? context->current.type : EventType::Click;
}

}  // namespace tk

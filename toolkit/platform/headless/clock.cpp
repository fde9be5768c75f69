// The virtual clock and window timers. A timer is due at a virtual time; when the clock reaches
// it, it ticks once and is next due one period after the moment it ticked. Periods that passed
// while nothing was dispatched (Stall, or a handler that advanced the clock) therefore give one
// tick, as native timer messages do.
#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/platform/headless/world.h"

namespace tk {
namespace {

headless::NativeTimer* FindTimer(Handle window, int number) {
  for (headless::NativeTimer& timer : headless::TheWorld().timers) {
    if (timer.window == window && timer.number == number)
      return &timer;
  }
  return nullptr;
}

// The timer due first by the given time, ties in starting order.
headless::NativeTimer* NextDue(std::int64_t until) {
  headless::NativeTimer* next = nullptr;
  for (headless::NativeTimer& timer : headless::TheWorld().timers) {
    if (timer.due > until)
      continue;
    if (!next || timer.due < next->due || (timer.due == next->due && timer.order < next->order)) {
      next = &timer;
    }
  }
  return next;
}

}  // namespace

void platform::StartTimer(Handle window, int timer, int periodMs) {
  headless::World& world = headless::TheWorld();
  int period = std::max(periodMs, 1);
  if (headless::NativeTimer* running = FindTimer(window, timer)) {
    running->periodMs = period;
    running->due = world.now + period;
    return;
  }
  world.timers.push_back({window, timer, period, world.now + period, world.nextTimerOrder++});
}

void platform::StopTimer(Handle window, int timer) {
  std::erase_if(headless::TheWorld().timers, [&](const headless::NativeTimer& t) {
    return t.window == window && t.number == timer;
  });
}

void headless::Advance(int ms) {
  World& world = TheWorld();
  std::int64_t until = world.now + std::max(ms, 0);
  while (NativeTimer* timer = NextDue(until)) {
    world.now = std::max(world.now, timer->due);
    timer->due = world.now + timer->periodMs;
    core::OnTimer(timer->window, timer->number);
  }
  world.now = std::max(world.now, until);
}

void headless::Stall(int ms) {
  TheWorld().now += std::max(ms, 0);
}

std::int64_t headless::Now() {
  return TheWorld().now;
}

}  // namespace tk

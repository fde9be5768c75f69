// The program's own event loop over scripted steps: each wait runs one step as one system
// message. The keyboard table needs no step of its own, since PressTab goes through the core's
// Tab order directly.
#include "toolkit/platform.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/platform/headless/world.h"

namespace tk {

int platform::WaitAndDispatch() {
  auto& steps = headless::TheWorld().steps;
  if (steps.empty()) {
    throw headless::ScriptError(
        "the program waits for input, but the test scripted no further step (QueueStep)");
  }
  std::function<void()> step = std::move(steps.front());
  steps.pop_front();
  step();
  return headless::kScriptMessage;
}

void headless::QueueStep(std::function<void()> step) {
  TheWorld().steps.push_back(std::move(step));
}

std::size_t headless::PendingSteps() {
  return TheWorld().steps.size();
}

}  // namespace tk

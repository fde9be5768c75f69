// One whole reveal as the user starts it: the press, 99 timer steps and the tick that ends it,
// each step with its password, the bar's repaint and the eighteen repaints of the result buttons.
// The goal is well under 20 ms, so that the reveal's pace is the timer's and not the CPU's.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "password/window_ids.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/timers.h"

namespace {

namespace headless = tk::headless;

constexpr tk::Point kGenerateButton{307, 118};

void WholeReveal(benchmark::State& state) {
  headless::Session session;
  app::OpenKennwerk();
  for (auto _ : state) {
    headless::Click(password::MainWindow, kGenerateButton);
    while (tk::IsTimerRunning(password::MainWindow, password::RevealTimer)) {
      headless::Advance(8);
    }
  }
}
BENCHMARK(WholeReveal)->Unit(benchmark::kMillisecond);

}  // namespace

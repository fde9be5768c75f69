// How long start-up takes until the main window is shown: the toolkit brought up, the fonts,
// the window opened and every control built (BuildMainWindow), the handlers bound. Tearing the
// toolkit down again between runs is not timed. BuildMainWindow is also timed alone.
#include <benchmark/benchmark.h>

#include <optional>

#include "app/main_window.h"
#include "app/program_fonts.h"
#include "app/startup.h"
#include "flat/flat_registry.h"
#include "toolkit/platform/headless/script.h"

namespace {

void StartupToWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<tk::headless::Session> session;
    session.emplace();
    app::OpenKennwerk();
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(StartupToWindowShown)->Unit(benchmark::kMicrosecond);

void BuildMainWindowAlone(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<tk::headless::Session> session;
    session.emplace();
    flat::CreateFlatRegistry();
    app::LoadProgramFonts();
    app::OpenMainWindow();
    state.ResumeTiming();
    app::BuildMainWindow();
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BuildMainWindowAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

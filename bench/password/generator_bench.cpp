// Throughput of the generator: 20-character passwords drawn from the operating system's random
// source, as the window draws them (a fresh source per password), and with one source reused.
#include <benchmark/benchmark.h>

#include "password/make_password.h"
#include "password/random_source.h"

namespace {

void BM_MakePassword20(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(password::MakePassword(u"20"));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakePassword20);

void BM_MakePassword20ReusedSource(benchmark::State& state) {
  password::RandomSource source;
  for (auto _ : state) {
    benchmark::DoNotOptimize(password::MakePassword(u"20", source));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakePassword20ReusedSource);

}  // namespace

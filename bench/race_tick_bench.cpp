#include <benchmark/benchmark.h>

#include <optional>

#include "core/race.h"
#include "core/tests/race_model.h"
#include "form/design_state.h"

namespace vortalin {
namespace {

// One race tick on the in-memory view, restarting the course whenever it ends so every
// measured tick is a full one.
void raceTick(benchmark::State& state) {
  RaceModel model{form::designViewState()};
  ClassicRandom random;
  std::optional<Race> race;
  race.emplace(model, random);
  race->steerRight();
  race->start();
  int ticksThisWindow = 0;
  for (auto _ : state) {
    if (!model.clockEnabled()) race->start();
    // A window's counter runs out after 32767 ticks; give the benchmark a fresh window.
    if (++ticksThisWindow == 32000) {
      state.PauseTiming();
      race.emplace(model, random);
      race->start();
      ticksThisWindow = 0;
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(race->tick());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(raceTick);

}  // namespace
}  // namespace vortalin

BENCHMARK_MAIN();

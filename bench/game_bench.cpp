// The processor time of one complete game to 101 on the headless toolkit: the deal, every
// move of both sides with the computer's flights and the draws' slides, the waits of the
// timers, up to the last message.
#include <benchmark/benchmark.h>

#include "support/scripted_player.h"

namespace {

using brackwell::testing::ScriptedPlayer;
using brackwell::testing::Table;

// The player looks at the table every 20 ms of game time, as a quick human would.
constexpr int kPlayerStepMs = 20;

void playOneGame(std::uint64_t seed) {
    Table t(seed);
    ScriptedPlayer player(t, seed);
    try {
        t.form.Form_Load();
        while (!t.sys.ended) {
            player.act();
            t.sys.runFor(kPlayerStepMs);
        }
    } catch (const plat::ProgramEnded&) {
    }
}

void CompleteGame(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state)
        playOneGame(seed++);
}
BENCHMARK(CompleteGame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

// Self-play soak: whole games to 101 against the computer, played only through the mouse and
// the buttons, with random ticks, clicks, drags and waits injected at every processing of
// events and every message box, and the table checked whole whenever it is at rest.
// BRACKWELL_SOAK_GAMES sets the number of games (60 by default); BRACKWELL_SOAK_SEED replays
// one game.
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "support/scripted_player.h"
#include "support/soak_injector.h"

namespace brackwell::testing {
namespace {

constexpr int kDefaultGames = 60;
constexpr int kMaxSteps = 200000;  // 20 ms each: over an hour of play for one game

long long fromEnv(const char* name, long long fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::atoll(v) : fallback;
}

struct Outcome {
    std::string failure;
    long long injected = 0;
    int hands = 0;
};

// One game from its seed: the player moves through the mouse, the loop lets 20 ms pass, and
// the table is checked after each, when the event that the loop delivered has returned.
Outcome playGame(std::uint64_t seed) {
    Table t(seed);
    ScriptedPlayer player(t, seed);
    SoakChecker check(t);
    SoakInjector inject(t, check, seed);
    Outcome out;
    try {
        try {
            t.form.Form_Load();
            check.start();
            inject.install();
            for (int step = 0; step < kMaxSteps && !t.sys.ended; ++step) {
                inject.letGo();
                check.verify("top level, before the player", true);
                player.act();
                inject.letGo();
                check.verify("top level, after the player", true);
                t.sys.runFor(20);
            }
        } catch (const plat::ProgramEnded&) {
        }
        check.verifyEnd();
    } catch (const InvariantBroken& broken) {
        out.failure = broken.what();
    }
    out.injected = inject.injected();
    out.hands = check.handsScored();
    return out;
}

TEST(SoakSelfPlay, GamesEndAtOneHundredAndOneWithTheTableWholeUnderRandomEvents) {
    const long long only = fromEnv("BRACKWELL_SOAK_SEED", 0);
    const long long games = only != 0 ? 1 : fromEnv("BRACKWELL_SOAK_GAMES", kDefaultGames);
    const auto wall = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    long long injected = 0, hands = 0, played = 0, failed = 0;
    for (long long g = 1; g <= games && failed < 5; ++g) {
        const auto seed = static_cast<std::uint64_t>(only != 0 ? only : g);
        const Outcome o = playGame(seed);
        ++played;
        injected += o.injected;
        hands += o.hands;
        if (!o.failure.empty()) {
            ++failed;
            ADD_FAILURE() << "seed " << seed << " (replay with BRACKWELL_SOAK_SEED=" << seed
                          << "): " << o.failure;
        }
    }
    const auto wallMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - wall)
                            .count();
    const auto cpuMs = static_cast<long long>(1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC);
    RecordProperty("games", static_cast<int>(played));
    RecordProperty("hands", static_cast<int>(hands));
    RecordProperty("events_injected", std::to_string(injected));
    RecordProperty("wall_ms", std::to_string(wallMs));
    RecordProperty("cpu_ms", std::to_string(cpuMs));
    std::cout << "[soak] " << played << " games, " << hands << " hands scored, " << injected
              << " events injected, wall " << wallMs << " ms, cpu " << cpuMs << " ms\n";
}

}  // namespace
}  // namespace brackwell::testing

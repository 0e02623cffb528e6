// Waits, flights and message boxes run events inside a move or a draw: whatever happens then,
// one move or draw stays one, the table stays whole and "New Game" waits. Whole games to 101.
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <random>

#include "support/scripted_player.h"
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

// Ticks of both timers, clicks of the buttons, drags of tiles and keys to whatever has the
// focus, up to three levels deep. `everyKind`: while something runs, each processing of events
// gets the next kind (the next key in turn) and each message box all kinds, even clicks of
// disabled buttons; else a random kind now and then.
class Meddler {
  public:
    Meddler(Table& t, TableChecker& check, std::uint64_t seed, bool everyKind, double newGame)
        : t_(t), random_(seed), everyKind_(everyKind), newGame_(newGame) {
        t.sys.onEvents = [this, &check](int) {
            if (!t_.form.gate().busy() && t_.form.gate().dragTile() == 0) check.verify("events");
            if (everyKind_ || chance(0.08)) inject(everyKind_ ? next_++ % kKinds : upTo(kKinds));
        };
        t.sys.onMessageBox = [this, &check](const plat::headless::MessageRecord& m) {
            check.onMessage(m);
            t_.sys.messageBoxOpenMs = chance(0.5) ? 0 : upTo(400);
            for (int kind = 0; kind < (everyKind_ ? kKinds : chance(0.5)); ++kind)
                inject(everyKind_ ? kind : upTo(kKinds));
        };
    }
    ~Meddler() { t_.sys.onEvents = nullptr, t_.sys.onMessageBox = nullptr; }
    long long injected = 0;

  private:
    static constexpr int kKinds = 7;
    void inject(int kind) {
        Form1& f = t_.form;
        const std::vector<int> mine = t_.tilesIn(Table::Place::PlayerHand);
        const int k = !mine.empty() && chance(0.5) ? mine[upTo(int(mine.size()))] : 1 + upTo(28);
        if (t_.sys.eventDepth() > 3 || (kind == 5 && !chance(newGame_)) || !f.lcard.isLoaded(k) ||
            (everyKind_ && !f.gate().busy()))
            return;
        ++injected;
        plat::Timer* timers[] = {&f.Timer1, &f.Timer2};
        plat::PushButton* buttons[] = {&f.PushButton3, &f.PushButton2, &f.PushButton1};
        const plat::Image& tile = f.lcard(k);
        if (kind < 2 && timers[kind]->enabled()) timers[kind]->fire();
        if (kind == 2)
            t_.mouse.drag(tile.left() + 200, tile.top() + 200, 3200, chance(0.5) ? 2200 : 5200);
        if (kind > 2 && kind < 6)
            everyKind_ ? buttons[kind - 3]->click() : MouseRouter::click(*buttons[kind - 3]);
        if (kind == 6) pressAKey();
    }
    // Held down (repeating) now and then; a new deal (N, or Space on "New Game") as seldom as
    // the click of New Game.
    void pressAKey() {
        using namespace plat;
        constexpr int keys[] = {kKeyLeft,  kKeyRight, kKeyUp, kKeyDown, 'L',        'R', kKeyReturn,
                                kKeySpace, kKeyTab,   'G',    'C',      kKeyEscape, 'N'};
        int key = keys[everyKind_ ? nextKey_++ % std::size(keys) : upTo(int(std::size(keys)))];
        const bool deals = key == 'N' || (key == kKeySpace && t_.form.PushButton1.hasFocus());
        if (deals && !chance(newGame_)) key = kKeyEscape;
        t_.keys.press(key, key == kKeyTab && chance(0.5) ? kShiftKey : 0, chance(0.3));
    }
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    Table& t_;
    std::mt19937_64 random_;
    bool everyKind_;
    double newGame_;
    int next_ = 0;  // the next kind in turn
    std::size_t nextKey_ = 0;
};

// Both ends 6, no six in a hand, the third boneyard tile the first six: the computer draws three.
TEST(Reentrancy, EventsAtEveryWaitOfAMoveOrADrawStartNothingSecondAndNewGameWaitsForTheEnd) {
    for (const bool computer : {true, false}) {
        for (const bool newGame : {false, true}) {
            SCOPED_TRACE(std::string(computer ? "move" : "draw") + (newGame ? " + New Game" : ""));
            Table t;
            t.form.Form_Load();
            Form1& f = t.form;
            setTiles(t, 1, "00 11 06 16 26 36 46 56");
            layChain(t, "66");
            f.lStatus.setCaption(computer ? kComputerTurn : kYourTurn);
            const std::string opener = f.mturn.text();
            TableChecker check(t);
            Meddler meddler(t, check, 7, true, newGame ? 1 : 0);
            computer ? f.Timer1.fire() : f.PushButton3.click();
            EXPECT_GT(meddler.injected, 100);
            check.verify("after the move", true);
            EXPECT_EQ(std::ranges::count(shown(t), "Computer Will Take Extra Card"), 3 * computer);
            EXPECT_EQ(f.mturn.text() != opener, newGame);  // a second deal would change it back
            EXPECT_EQ(t.val(f.pull), newGame ? 0 : computer ? 3 : 1);
            EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), newGame ? 0u : computer ? 2u : 1u);
        }
    }
}

// The scripted player against the computer, a move every 20 ms, by mouse or by keyboard alone.
// BRACKWELL_SOAK_GAMES sets the number of games, BRACKWELL_SOAK_SEED replays one.
void soak(ScriptedPlayer::Input input, long long games, const char* name) {
    const char *only = std::getenv("BRACKWELL_SOAK_SEED"),
               *asked = std::getenv("BRACKWELL_SOAK_GAMES");
    const std::clock_t start = std::clock();
    long long events = 0, hands = 0, played = 0;
    for (; played < (only    ? 1
                     : asked ? std::atoll(asked)
                             : games) &&
           !::testing::Test::HasFailure();
         ++played) {
        const auto seed = static_cast<std::uint64_t>(only ? std::atoll(only) : played + 1);
        Table t(seed);
        ScriptedPlayer player(t, seed, input);
        t.form.Form_Load();
        TableChecker check(t);
        Meddler meddler(t, check, seed, false, 0.003);
        SCOPED_TRACE("replay with BRACKWELL_SOAK_SEED=" + std::to_string(seed));
        EXPECT_NO_THROW({
            try {
                for (int step = 0; step < 200000 && !t.sys.ended; ++step) {  // over an hour
                    player.act();
                    check.verify("at the top", true);
                    t.sys.runFor(20);
                }
            } catch (const plat::ProgramEnded&) {
            }
        });
        EXPECT_GE(std::max(t.val(t.form.compscore), t.val(t.form.playerscore)), 101);
        events += meddler.injected;
        hands += check.hands;
    }
    std::cout << "[" << name << "] " << played << " games, " << hands << " hands, " << events
              << " events, " << (std::clock() - start) * 1000 / CLOCKS_PER_SEC
              << " ms of processor time\n";
}

TEST(SoakSelfPlay, GamesEndAtOneHundredAndOneWithTheTableWholeUnderRandomEvents) {
    soak(ScriptedPlayer::Input::Mouse, 60, "soak");
}

TEST(SoakSelfPlay, KeyboardOnlyGamesEndAtOneHundredAndOneWithTheTableWholeUnderRandomEvents) {
    soak(ScriptedPlayer::Input::Keys, 30, "keyboard soak");
}

}  // namespace
}  // namespace brackwell::testing

// Waits, flights and message boxes run events nested inside a move or a draw. Whatever the
// player clicks and whatever ticks meanwhile, one move or draw stays one, every tile stays in
// one place, and "New Game" waits until the running work is over.
#include <algorithm>
#include <utility>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;

// Fires both timers, clicks every button and drags tiles while a move, a draw or a hand's end
// runs: in turn at the processing of events every 20 ms of the clock, and all of them in every
// message box; a bounded number of times and only a few levels deep.
class Meddler {
  public:
    Meddler(Table& t, bool pressNewGame) : t_(t), pressNewGame_(pressNewGame) {
        t_.sys.messageBoxOpenMs = 250;
        t_.sys.onEvents = [this](int depth) {
            if (t_.sys.now() < nextAt_) return;
            nextAt_ = t_.sys.now() + 20;
            act(depth);
        };
        t_.sys.onMessageBox = [this](const auto&) {
            for (int i = 0; i < kActions; ++i)
                act(t_.sys.eventDepth());
        };
    }
    ~Meddler() {
        t_.sys.onEvents = nullptr;
        t_.sys.onMessageBox = nullptr;
    }
    int newGamePresses = 0;

  private:
    static constexpr int kActions = 5;
    void act(int depth) {
        if (depth > 3 || budget_ <= 0 || !t_.form.gate().busy()) return;
        --budget_;
        Form1& f = t_.form;
        switch (next_++ % kActions) {
            case 0:
                f.Timer1.fire();
                f.Timer2.fire();
                break;
            case 1:
                f.PushButton3.click();
                break;
            case 2:
                if (pressNewGame_ && newGamePresses < 3) {
                    ++newGamePresses;
                    f.PushButton1.click();
                }
                break;
            case 3:
                dragTiles();
                break;
            default:
                if (cheats_-- > 0) f.PushButton2.click();
                break;
        }
    }
    void dragTiles() {
        const std::vector<int> mine = t_.tilesIn(Place::PlayerHand);
        if (!mine.empty()) t_.dragTileTo(mine.front(), 7500, 4600);
        const std::vector<int> its = t_.tilesIn(Place::ComputerHand);
        if (its.empty()) return;
        const plat::Image& half = t_.form.lcard(its.front());
        t_.mouse.press(half.left() + 200, half.top() + 200, plat::kLeftButton);
        t_.mouse.release(half.left() + 200, half.top() + 200, plat::kLeftButton);
    }
    Table& t_;
    bool pressNewGame_;
    int budget_ = 400;
    std::int64_t nextAt_ = 0;
    int next_ = 0;
    int cheats_ = 2;
};

int count(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

// A deal destroys and creates every tile half. Returns how many deals the recorded changes
// show, and whether the first came after the last change to the flying or preview box.
std::pair<int, bool> dealsAfterTheBox(Table& t) {
    const plat::Control* tile = &t.form.lcard.element(1);
    const plat::Control* box = &t.form.Cover(0);
    std::size_t lastBox = 0, firstDeal = 0;
    int loads = 0;
    for (std::size_t i = 0; i < t.sys.changes.size(); ++i) {
        const auto& [control, what] = t.sys.changes[i];
        if (control == box) lastBox = i;
        if (control != tile || !(what & plat::kLoaded)) continue;
        if (loads++ == 0) firstDeal = i;
    }
    return {loads / 2, loads > 0 && firstDeal > lastBox};
}

struct Case {
    const char* name;
    bool computerMoves;  // else the player presses "Get Card"
    bool pressNewGame;
    int pull, computerHolds, playerHolds, laid;
};

// Both ends read 6 and nobody holds a six; the boneyard's third tile is the first six, so the
// computer needs three draws and the player's draw does not fit.
const Case kCases[] = {
    {"computer's move with three draws", true, false, 3, 9, 6, 2},
    {"computer's move, New Game pressed meanwhile", true, true, 3, 9, 6, 2},
    {"player's draw", false, false, 1, 7, 7, 1},
    {"player's draw, New Game pressed meanwhile", false, true, 1, 7, 7, 1},
};

TEST(Reentrancy, EventsDuringAMoveOrADrawStartNothingSecondAndNewGameWaitsForTheEnd) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        setTiles(t, 1, "00 11 06 16 26 36 46 56");
        setTiles(t, 22, "66");
        layChain(t, {22}, 6, 6);
        f.lStatus.setCaption(c.computerMoves ? kComputerTurn : kYourTurn);
        const std::string mturn = f.mturn.text();
        t.sys.recordChanges = true;
        {
            Meddler meddler(t, c.pressNewGame);
            if (c.computerMoves) {
                f.Timer1.fire();
            } else {
                f.PushButton3.click();
            }
            EXPECT_EQ(meddler.newGamePresses > 0, c.pressNewGame);
        }
        const std::vector<std::string> shown = messagesFrom(t);
        EXPECT_EQ(count(shown, "Computer Will Take Extra Card"), c.computerMoves ? 3 : 0);
        for (const auto& m : t.sys.messages)
            EXPECT_NE(m.title, "Application Error") << m.text;
        EXPECT_TRUE(tableIsConsistent(t));
        if (c.pressNewGame) {
            EXPECT_EQ(dealsAfterTheBox(t), std::make_pair(1, true));
            EXPECT_NE(f.mturn.text(), mturn);
            EXPECT_EQ(f.pull.text(), "0");
            EXPECT_EQ(f.first(0).caption(), "0");
            EXPECT_EQ(t.tilesIn(Place::ComputerHand).size(), 7u);
            EXPECT_EQ(t.tilesIn(Place::PlayerHand).size(), 7u);
            continue;
        }
        EXPECT_EQ(dealsAfterTheBox(t).first, 0);
        EXPECT_EQ(t.val(f.pull), c.pull);
        EXPECT_EQ(t.tilesIn(Place::ComputerHand).size(), static_cast<std::size_t>(c.computerHolds));
        EXPECT_EQ(t.tilesIn(Place::PlayerHand).size(), static_cast<std::size_t>(c.playerHolds));
        EXPECT_EQ(t.tilesIn(Place::Chain).size(), static_cast<std::size_t>(c.laid));
        EXPECT_EQ(f.lStatus.caption(), kYourTurn);
    }
}

// One side has laid its last tile; until the watchdog has scored the hand and dealt the next,
// the computer does not move and neither a press on a fitting tile nor "Get Card" does
// anything, whatever happens meanwhile.
TEST(Reentrancy, OnceAHandIsOverNeitherSideMovesBeforeTheNextDeal) {
    for (bool playerEmptied : {true, false}) {
        SCOPED_TRACE(playerEmptied ? "the player laid its last tile" : "the computer did");
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        const int last = playerEmptied ? 22 : 15;
        setTiles(t, last, "56");
        if (playerEmptied) {
            layChain(t, {23, 24, 25, 26, 27, 28}, 3, 5);
            t.dragTileTo(last, 11170, 4540);
        } else {
            setTiles(t, 22, "36");  // fits either end once the computer has laid its 5-6
            layChain(t, {16, 17, 18, 19, 20, 21}, 3, 5);
            f.lStatus.setCaption(kComputerTurn);
            f.Timer1.fire();
        }
        ASSERT_EQ(t.placeOf(last), Place::Chain);
        ASSERT_EQ((playerEmptied ? f.pno : f.cno).text(), "0");
        const std::size_t laid = t.tilesIn(Place::Chain).size();
        const std::vector<int> held = t.tilesIn(Place::PlayerHand);

        f.Timer1.fire();
        if (!playerEmptied) t.dragTileTo(22, 7500, 4600);
        f.PushButton3.click();
        EXPECT_EQ(f.pull.text(), "0");
        EXPECT_EQ(t.tilesIn(Place::Chain).size(), laid);
        EXPECT_EQ(t.tilesIn(Place::PlayerHand), held);
        EXPECT_EQ(f.gate().dragTile(), 0);
        EXPECT_TRUE(t.sys.messages.empty());

        {
            Meddler meddler(t, false);
            f.Timer2.fire();
        }
        ASSERT_FALSE(t.sys.messages.empty());
        EXPECT_TRUE(t.sys.messages[0].text.find("Win That Game") != std::string::npos ||
                    t.sys.messages[0].text.starts_with("Game Is Draw"));
        EXPECT_EQ(t.sys.messages.size(), 1u) << t.sys.messages.back().text;
        EXPECT_EQ(f.pull.text(), "0");
        EXPECT_TRUE(tableIsConsistent(t));
    }
}

}  // namespace
}  // namespace brackwell::testing

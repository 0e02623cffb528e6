// Drawing from the boneyard, and the computer's move: its choice, draws, pass, opening, flight.
#include <set>
#include <stdexcept>
#include <utility>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using TurnFlowTest = TableTest;

// The player holds five tiles, the computer seven; they draw in turn, the computer last twice.
TEST_F(TurnFlowTest, EachDrawTakesTheNextBoneyardTileIntoTheNextPlaceOfTheMoversRowUntil14) {
    layChain(t, "12 23");
    bool watchdogOn = false;
    sys.onEvents = [&](int) { watchdogOn |= form.Timer2.enabled(); };
    for (int n = 1; n <= 15; ++n) {
        const int k = std::min(n, 14);  // the fifteenth draw takes nothing and plays no sound
        const bool computer = k % 2 == 0;
        form.lStatus.setCaption(computer ? kComputerTurn : kYourTurn);
        form.PushButton3_Click();
        EXPECT_EQ(form.pull.text(), std::to_string(k));
        EXPECT_EQ(sys.sounds.size(), static_cast<std::size_t>(k));
        // The player's first at Left 4230; the checker sees counts and pips follow the hands.
        const int left = 1350 + 480 * static_cast<int>(t.val(computer ? form.cno : form.pno));
        const int top = computer ? 30 : 7675;
        EXPECT_EQ(spotOf(t, k), (std::vector<int>{left, top, left, top + 420})) << "draw " << n;
        EXPECT_EQ(form.max.caption(), std::to_string(k / 2));  // the computer's draws
        EXPECT_FALSE(std::exchange(watchdogOn, false));
        EXPECT_TRUE(form.Timer2.enabled());
        EXPECT_NO_THROW(TableChecker{t});
    }
    EXPECT_EQ(sys.sounds[0].path, sys.appPath() + "/pic/Move.wav");
    EXPECT_EQ(sys.sounds[0].flags, 1);
}

// A drawn tile is first seen where it stays, in the next place of its row: face up and ready
// for the mouse in the player's row, showing its back in the computer's.
TEST_F(TurnFlowTest, ADrawnTileIsFirstSeenInItsPlaceInTheRowAndThePlayerCanTakeItAtOnce) {
    layChain(t, "12 23");
    for (const bool computer : {false, true}) {
        form.lStatus.setCaption(computer ? kComputerTurn : kYourTurn);
        const int k = static_cast<int>(t.val(form.pull)) + 1;
        const int place = 1350 + 480 * static_cast<int>(t.val(computer ? form.cno : form.pno) + 1);
        bool taken = false;
        std::set<std::string> seen;  // where and how the tile showed once it left the boneyard
        sys.onEvents = [&](int) {
            const plat::Image &l = form.lcard(k), &r = form.rcard(k);
            taken |= !l.visible();
            if (!taken || !l.visible()) return;
            const auto look = [](const plat::Image& h) {
                return h.picture() == plat::kTileBack                         ? "back"
                       : h.picture() == plat::ival(h.tag()) + plat::kFaceBase ? "face"
                                                                              : "?";
            };
            seen.insert(std::to_string(l.left()) + "," + std::to_string(l.top()) + " " +
                        std::to_string(r.left()) + "," + std::to_string(r.top()) + " " + look(l) +
                        "/" + look(r) + (l.enabled() ? " on" : " off"));
        };
        form.PushButton3_Click();
        sys.onEvents = nullptr;
        const std::string at = std::to_string(place);  // both halves, one above the other
        EXPECT_EQ(seen,
                  std::set<std::string>{computer ? at + ",30 " + at + ",450 back/back off"
                                                 : at + ",7675 " + at + ",8095 face/face on"});
        if (computer) continue;
        t.mouse.press(place + 200, 7875, plat::kLeftButton);
        EXPECT_EQ(form.gate().dragTile(), k);
        t.mouse.release(place + 200, 7875, plat::kLeftButton);
        EXPECT_EQ(spotOf(t, k), (std::vector<int>{place, 7675, place, 8095}));
    }
}

TEST_F(TurnFlowTest, ADrawThatFailsHalfWayStillWakesTheWatchdogAndAllowsTheNextDraw) {
    sys.failNext(plat::headless::Service::WaitEvents, "Out of memory", 10);
    form.PushButton3_Click();
    EXPECT_EQ(sys.messages.at(0).title, "Application Error");
    EXPECT_TRUE(form.Timer2.enabled());
    form.PushButton3_Click();
    EXPECT_EQ(form.pull.text(), "2");
}

struct ChoiceCase {
    const char* hand;  // against the ends 6 (left) and 4 (right)
    int chosen;
    std::vector<int> spot;  // where the chosen tile's halves are laid
    const char* statusBar;
    bool aboveItsSlot;  // the chosen tile starts above its slot: no sideways flight
};

const ChoiceCase kChoices[] = {
    {"34 25 16 00 11 22 33", 17, {4900, 4045, 5320, 4045}, "Computer Choose Card   1 / 6", false},
    {"34 25 46 00 11 22 33", 17, {8020, 4045, 8440, 4045}, "Computer Choose Card   4 / 6", false},
    {"34 25 16 00 11 22 33", 17, {4900, 4045, 5320, 4045}, "Computer Choose Card   1 / 6", true},
};

TEST(ComputerMove, TheLastFittingTileOfTheHandListFliesToItsEndAndTheRightEndWinsATie) {
    for (const ChoiceCase& c : kChoices) {
        SCOPED_TRACE(c.hand);
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        setTiles(t, 15, c.hand);
        layChain(t, "65 54");
        f.lStatus.setCaption(kComputerTurn);
        for (plat::Image* half : {&f.lcard(c.chosen), &f.rcard(c.chosen)})
            half->setLeft(c.aboveItsSlot ? 4875 : half->left());
        int left = -1, top = 0, lefts = 0;  // where the flying box stood last; Lefts it took
        t.sys.onEvents = [&](int) {
            if (t.sys.now() > 60000) throw std::runtime_error("the flight does not end");
            if (!f.Cover(0).visible()) return;
            lefts += std::exchange(left, f.Cover(0).left()) != f.Cover(0).left();
            top = f.Cover(0).top();
        };
        f.Timer1.fire();
        EXPECT_EQ(f.lblStatusBar.caption(), c.statusBar);
        EXPECT_EQ(spotOf(t, c.chosen), c.spot);
        EXPECT_NO_THROW(TableChecker{t});
        // Along the row to the slot's Left, then down to its Top, up to 39 short (not past it).
        EXPECT_LT(std::max(c.spot[0] - 25 - left + 0u, c.spot[1] - 25 - top + 0u), 40u);
        EXPECT_EQ(lefts == 1, c.aboveItsSlot);
    }
}

// Both ends are 6 and no hand holds a six; the boneyard's first six is its third tile.
TEST(ComputerMove, WhileNothingFitsTheComputerDrawsWithAMessageEachTimeAndPassesSilentlyAt14) {
    for (const int pull : {0, 11, 14}) {
        SCOPED_TRACE(pull);
        Table t;
        t.form.Form_Load();
        setTiles(t, 1, "00 11 06 16 26 36 46 56");
        layChain(t, "66");
        t.form.pull.setText(std::to_string(pull));
        t.form.lStatus.setCaption(kComputerTurn);
        t.form.Timer1.fire();
        const int draws = std::min(3, 14 - pull), laid = pull == 0 ? 1 : 0;
        EXPECT_EQ(shown(t), std::vector<std::string>(draws, "Computer Will Take Extra Card"));
        EXPECT_EQ(t.val(t.form.pull), pull + draws);
        EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), 1u + laid);
        EXPECT_EQ(t.form.lStatus.caption(), laid ? kYourTurn : kComputerTurn);
    }
}

TEST_F(TurnFlowTest, OnTheComputersTurnGetCardGoesAndAnEmptyTableIsOpenedWithTheFirstTileListed) {
    setTiles(t, 15, "12 66 55 44 36 45 56");
    form.lStatus.setCaption(kComputerTurn);
    form.PushButton3.setEnabled(true);
    bool offered = true;
    sys.onMessageBox = [&](const auto&) { offered = form.PushButton3.enabled(); };
    form.Timer1.fire();
    EXPECT_FALSE(offered);
    EXPECT_EQ(shown(t), std::vector<std::string>{"Computer Will Start"});
    EXPECT_EQ(spotOf(t, 15), (std::vector<int>{6025, 4000, 6450, 4000}));
    EXPECT_NO_THROW(TableChecker{t});
}

}  // namespace
}  // namespace brackwell::testing

// The watchdog and the end of a hand: what ends it, the message naming the leader, the next hand
// or the program's end; passes, "Get Card" and a drag with the boneyard empty; "Cheat Comp.".
#include <array>
#include <utility>

#include "support/table_checks.h"
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using WatchdogTest = TableTest;

// Both ends read 6 and no hand holds a six but 5-6, given to tile `holderOf56` unless it is 0.
void sixesOnlyWith(Table& t, int holderOf56, const char* pull) {
    setTiles(t, 1, "06 16 26 36 46 56");
    layChain(t, "66");
    if (holderOf56 != 0) setTiles(t, holderOf56, "56");
    t.form.pull.setText(pull);
}

// The computer's hand halves showing their plain face, less those showing their back.
int computerFaces(Table& t) {
    int n = 0;
    for (int k : t.tilesIn(Table::Place::ComputerHand)) {
        for (const plat::Image* h : {&t.form.lcard(k), &t.form.rcard(k)})
            n += (h->picture() == plat::ival(h->tag()) + 1) - (h->picture() == plat::kTileBack);
    }
    return n;
}

struct HandCase {
    void (*end)(Table&);
    const char *ccsc, *csc, *ppsc, *psc;  // totals (nullptr: carried) and pips left in hand
    const char* message;                  // nullptr: the hand goes on
};

// clang-format off
const HandCase kHands[] = {
    {[](Table& t) { t.form.pno.setText("0"); }, "12", "23", "30", "4",
     "Player Win That Game \r\n Player Score :    = 030 + 004 = 034\r\n Computer Score = 012 + 023 = 035"},
    {[](Table& t) { t.form.cno.setText("0"); }, nullptr, "12", nullptr, "20",
     "Computer Win That Game\r\n Computer Score = 035 + 012 = 047\r\n Player Score :    = 034 + 020 = 054"},
    {[](Table& t) { sixesOnlyWith(t, 0, "14"); }, nullptr, "13", nullptr, "6",
     "Game Is Draw\r\n Player Score :    = 054 + 006 = 060\r\n Computer Score = 047 + 013 = 060"},
    {[](Table&) {}, "100", "0", nullptr, "0", nullptr},
    {[](Table& t) { t.form.compscore.setCaption("101"); }, "101", "0", nullptr, "4",
     "Player Win That Game \r\n Player Score :    = 060 + 004 = 064\r\n Computer Score = 101 + 000 = 101"},
};
// clang-format on

// Hands ended by an emptied hand, a blocked game (no pass) and a visible 101 (100 is no end); a
// move tried meanwhile would show in the scores. The other side opens the next, scores carried.
TEST_F(WatchdogTest, AHandEndsWhenEmptiedBlockedOrAt101AndItsMessageNamesTheLowerScoreFirst) {
    int faces = 0;
    sys.onMessageBox = [&](const auto&) { faces = computerFaces(t); };
    const char* opener = kYourTurn;
    for (const HandCase& c : kHands) {
        c.end(t);
        if (c.ccsc) form.ccsc.setCaption(c.ccsc);
        if (c.ppsc) form.ppsc.setCaption(c.ppsc);
        form.csc.setCaption(c.csc);
        form.psc.setCaption(c.psc);
        if (c.message) {  // the hand is over: nobody moves before the watchdog settles it
            form.lStatus.setCaption(kYourTurn);
            t.dragTileTo(28, 6000, 3000);
            form.PushButton3.click();
            form.lStatus.setCaption(kComputerTurn);
            form.Timer1.fire();
        }
        const std::size_t before = sys.messages.size();
        try {
            form.Timer2.fire();
        } catch (const plat::ProgramEnded&) {
        }
        EXPECT_EQ(shown(t).size(), before + (c.message ? 1 : 0));
        EXPECT_EQ(sys.ended, &c == std::end(kHands) - 1);
        if (!c.message) continue;
        EXPECT_EQ(shown(t).back(), c.message);
        EXPECT_EQ(faces, 14);
        if (sys.ended) break;
        EXPECT_EQ(form.lStatus.caption(), opener = opener == kYourTurn ? kComputerTurn : kYourTurn);
        EXPECT_NO_THROW(TableChecker{t});
    }
}

// Once a score reaches 101 the game ends after the hand's message, even when that score leads
// (the computer's exactly 101 below the player's) and when both passed it equal; 100 plays on.
TEST(GameEnd, TheProgramEndsAfterTheMessageOnceEitherScoreReaches101) {
    // clang-format off
    const std::pair<std::array<const char*, 4>, const char*> cases[] = {
        {{"90", "11", "95", "8"}, "Computer Win That Game\r\n Computer Score = 090 + 011 = 101\r\n Player Score :    = 095 + 008 = 103"},
        {{"95", "10", "100", "5"}, "Game Is Draw\r\n Player Score :    = 100 + 005 = 105\r\n Computer Score = 095 + 010 = 105"},
        {{"90", "10", "90", "8"}, "Player Win That Game \r\n Player Score :    = 090 + 008 = 098\r\n Computer Score = 090 + 010 = 100"},
    };
    // clang-format on
    for (const auto& [scores, message] : cases) {
        Table t;
        t.form.Form_Load();
        sixesOnlyWith(t, 0, "14");  // a blocked hand
        const auto& [ccsc, csc, ppsc, psc] = scores;
        t.form.ccsc.setCaption(ccsc), t.form.csc.setCaption(csc);
        t.form.ppsc.setCaption(ppsc), t.form.psc.setCaption(psc);
        try {
            t.form.Timer2.fire();
        } catch (const plat::ProgramEnded&) {
        }
        EXPECT_EQ(shown(t), std::vector<std::string>{message});
        EXPECT_EQ(t.sys.ended, &message != &cases[2].second) << message;
    }
}

// The computer laid its last tile: nothing is left to list or to turn up, its points are 000.
TEST_F(WatchdogTest, AComputerThatEmptiedItsHandListsNothingTurnsNothingUpAndScoresNothing) {
    std::vector<plat::Picture> before, atMessage;
    for (int k = 15; k <= 21; ++k) {  // laid out of its row, where showcards never paints
        moveTile(form, k, {1500 + 900 * (k - 15), 2000, 1920 + 900 * (k - 15), 2000});
        before.push_back(form.lcard(k).picture());
    }
    form.cno.setText("0");
    form.csc.setCaption("0");
    form.psc.setCaption("20");
    int listed = -1;
    sys.onMessageBox = [&](const auto&) {
        listed = form.List1.listCount();
        for (int k = 15; k <= 21; ++k)
            atMessage.push_back(form.lcard(k).picture());
    };
    form.Timer2.fire();
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(atMessage, before);
    EXPECT_EQ(shown(t), std::vector<std::string>{"Computer Win That Game\r\n"
                                                 " Computer Score = 000 + 000 = 000\r\n"
                                                 " Player Score :    = 000 + 020 = 020"});
}

// The watchdog writes both running totals on every tick, each with three digits at least.
TEST_F(WatchdogTest, EachTickShowsTheRunningTotalsWithThreeDigits) {
    form.ccsc.setCaption("12");
    form.ppsc.setCaption("5");
    form.Timer2.fire();
    EXPECT_EQ(form.compscore.caption() + " " + form.playerscore.caption(), "012 005");
}

// At an empty table any tile opens, so "Get Card" stays off even for a hand without a blank.
TEST_F(WatchdogTest, GetCardIsNotOfferedWhileTheLineOfPlayIsEmpty) {
    setTiles(t, 22, "11 12 13 14 15 16 22");
    form.Timer1.fire();
    EXPECT_EQ(t.val(form.AvPmove), 0);
    EXPECT_FALSE(form.PushButton3.enabled());
}

// With the boneyard empty the turn tick offers "Get Card" exactly while nothing of the player's
// fits, and a side that cannot play passes (the computer holds 5-6, or the player does).
TEST(WatchdogPasses, ASideThatCannotPlayOnceTheBoneyardIsEmptyPassesButNotWhileATileIsDragged) {
    for (const bool player : {true, false}) {
        const std::string me = player ? "Player" : "Computer", it = player ? "Computer" : "Player";
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        sixesOnlyWith(t, player ? 15 : 23, "14");
        f.Timer1.fire();
        EXPECT_EQ(f.PushButton3.enabled(), player);
        f.lStatus.setCaption(player ? kYourTurn : kComputerTurn);
        f.lStatus.setTop(4000);
        if (player) {  // the player holds tile 28 away from the hand row: no pass till its release
            t.mouse.press(f.lcard(28).left() + 200, f.lcard(28).top() + 200, plat::kLeftButton);
            t.mouse.move(7500, 4800, plat::kLeftButton);
            t.sys.runFor(1000);
            EXPECT_EQ(f.lcard(28).top(), 4600);
            EXPECT_TRUE(t.sys.messages.empty());
            t.mouse.release(7500, 4800, plat::kLeftButton);
            EXPECT_EQ(t.placeOf(28), Table::Place::PlayerHand);  // it fits nowhere and goes home
            EXPECT_TRUE(f.Timer1.enabled());
        }
        f.Timer2.fire();
        EXPECT_EQ(shown(t),
                  std::vector{me + " Has No Cards To Move\r\n " + me + " Will Give The Turn To " +
                              it + "\r\n " + it + " Can Play Now "});
        EXPECT_EQ(f.lStatus.caption(), player ? kComputerTurn : kYourTurn);
        EXPECT_EQ(f.lStatus.top(), player ? 1100 : 7100);
    }
}

// A press let in by a count further down the stack (the turn tick counts the player's hand slot
// by slot) is taken while the hand still has a move: 5-6 in the last slot fits.
TEST(WatchdogPasses, APressDuringACountIsTakenWhileTheHandHasAMove) {
    Table t;
    t.form.Form_Load();
    Form1& f = t.form;
    sixesOnlyWith(t, 28, "14");
    int pressed = -1;
    t.sys.onEvents = [&](int) {
        if (pressed >= 0) return;
        const int x = f.lcard(28).left() + 200, y = f.lcard(28).top() + 200;
        t.mouse.press(x, y, plat::kLeftButton);
        pressed = f.gate().dragTile();
        t.mouse.release(x, y, plat::kLeftButton);
    };
    f.Timer1.fire();
    EXPECT_EQ(pressed, 28);
    EXPECT_EQ(t.placeOf(28), Table::Place::PlayerHand);
}

// With the timers off only the look paints; with List1 empty only the hidden box changes.
TEST_F(WatchdogTest, CheatCompShowsTheComputersFacesForOneSecondAndWithNoTilesListedNothing) {
    form.Timer1.setEnabled(false);
    form.Timer2.setEnabled(false);
    for (const bool emptyList : {false, true}) {
        if (emptyList) form.List1.clear();
        std::vector<int> seen;
        for (const std::int64_t ms : {0, 999})
            sys.post([&] { seen.push_back(computerFaces(t)); }, ms);
        const std::int64_t end = sys.now() + 1000;
        sys.changes.clear();
        sys.recordChanges = true;
        form.PushButton2.click();
        EXPECT_EQ(seen, std::vector<int>(2, emptyList ? -14 : 14));
        EXPECT_GE(sys.now(), end);
        EXPECT_EQ(computerFaces(t), -14);
        EXPECT_EQ(sys.changes.size(), emptyList ? 2u : 30u);
    }
}

// A look asked for while the computer's hand is being counted still shows the whole hand.
TEST_F(WatchdogTest, CheatCompPressedWhileTheComputersHandIsCountedShowsAllItsFaces) {
    form.Timer1.setEnabled(false);
    form.Timer2.setEnabled(false);
    std::vector<int> seen;
    bool pressed = false;
    sys.onEvents = [&](int) {
        if (std::exchange(pressed, true)) return;  // at the count's first pass
        sys.post([&] { seen.push_back(computerFaces(t)); }, 500);
        form.PushButton2.click();
    };
    form.variableccmove();
    EXPECT_EQ(seen, std::vector{14});
    EXPECT_EQ(form.List1.listCount(), 7);
    EXPECT_EQ(computerFaces(t), -14);
}

}  // namespace
}  // namespace brackwell::testing

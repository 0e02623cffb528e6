// The turn watchdog: the scores it shows, the tiles it lets the mouse take, the end of a hand
// and the pass of a side that can neither play nor draw.
#include <functional>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;
using WatchdogTest = TableTest;

const char kPlayerPasses[] =
    "Player Has No Cards To Move\r\n Player Will Give The Turn To Computer\r\n Computer Can "
    "Play Now ";
const char kComputerPasses[] =
    "Computer Has No Cards To Move\r\n Computer Will Give The Turn To Player\r\n Player Can "
    "Play Now ";

// Both ends read 6 and the double six opens the line; the other sixes lie in the boneyard
// except 5-6, which goes to `holderOf56` (a computer's or a player's tile) when it is not 0.
void sixesOnlyWith(Table& t, int holderOf56) {
    setTiles(t, 1, "06 16 26 36 46 56");
    setTiles(t, 22, "66");
    if (holderOf56 != 0) t.setTile(holderOf56, 5, 6);
    layChain(t, {22}, 6, 6);
}

TEST_F(WatchdogTest, ScoresShowAtLeastThreeDigitsAndOnlyThePlayersRowTakesTheMouse) {
    layChain(t, {22}, 0, 0);
    form.ccsc.setCaption("7");
    form.ppsc.setCaption("35");
    for (int k = 1; k <= kTiles; ++k)
        form.lcard(k).setEnabled(true);
    form.Timer2.fire();
    EXPECT_EQ(form.compscore.caption(), "007");
    EXPECT_EQ(form.playerscore.caption(), "035");
    for (int k = 1; k <= kTiles; ++k)
        EXPECT_EQ(form.lcard(k).enabled(), t.placeOf(k) == Place::PlayerHand) << "tile " << k;
}

struct EndCase {
    const char* name;
    std::function<void(Table&)> arrange;
    bool handEnds;
    bool gameEnds;
};

const EndCase kEnds[] = {
    {"player emptied, player's turn", [](Table& t) { t.form.pno.setText("0"); }, true, false},
    {"player emptied, computer's turn",
     [](Table& t) {
         t.form.pno.setText("0");
         t.form.lStatus.setCaption(kComputerTurn);
     },
     true, false},
    {"computer emptied, player's turn", [](Table& t) { t.form.cno.setText("0"); }, true, false},
    {"computer emptied, computer's turn",
     [](Table& t) {
         t.form.cno.setText("0");
         t.form.lStatus.setCaption(kComputerTurn);
     },
     true, false},
    {"blocked: boneyard empty and nothing fits",
     [](Table& t) {
         sixesOnlyWith(t, 0);
         t.form.pull.setText("14");
     },
     true, false},
    {"a visible score of 100", [](Table& t) { t.form.ccsc.setCaption("100"); }, false, false},
    {"a visible score of 101", [](Table& t) { t.form.ccsc.setCaption("101"); }, true, true},
    {"a player's visible score of 101", [](Table& t) { t.form.ppsc.setCaption("101"); }, true,
     true},
};

TEST(WatchdogEnds, AHandEndsAtTheNextTickWhenASideIsEmptiedTheGameIsBlockedOrAScoreIs101) {
    for (const EndCase& c : kEnds) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        c.arrange(t);
        const std::string pull = t.form.pull.text(), mturn = t.form.mturn.text();
        bool ended = false;
        try {
            t.form.Timer2.fire();
        } catch (const plat::ProgramEnded&) {
            ended = true;
        }
        EXPECT_EQ(ended, c.gameEnds);
        EXPECT_EQ(t.sys.ended, c.gameEnds);
        ASSERT_EQ(t.sys.messages.size(), c.handEnds ? 1u : 0u);
        if (!c.handEnds) {
            EXPECT_EQ(t.form.pull.text(), pull);
            EXPECT_EQ(t.form.handOver, 0);
            continue;
        }
        const std::string& text = t.sys.messages[0].text;
        EXPECT_TRUE(text.starts_with("Player Win That Game \r\n") ||
                    text.starts_with("Computer Win That Game\r\n") ||
                    text.starts_with("Game Is Draw\r\n"))
            << text;
        if (c.gameEnds) continue;
        EXPECT_NE(t.form.mturn.text(), mturn) << "no new hand was dealt";
        EXPECT_EQ(t.form.pull.text(), "0");
        EXPECT_TRUE(tableIsConsistent(t));
    }
}

struct PassCase {
    const char* name;
    const char* status;
    const char* pull;
    int holderOf56;
    const char* message;  // nullptr: no pass
    const char* statusAfter;
    int topAfter;  // 0: unchanged
};

const PassCase kPasses[] = {
    {"the player passes", kYourTurn, "14", 15, kPlayerPasses, kComputerTurn, 1100},
    {"the computer passes", kComputerTurn, "14", 23, kComputerPasses, kYourTurn, 7100},
    {"the player must draw instead", kYourTurn, "13", 15, nullptr, kYourTurn, 0},
    {"the computer must draw instead", kComputerTurn, "13", 23, nullptr, kComputerTurn, 0},
};

TEST(WatchdogPasses, ASideWithNothingToPlayPassesWithItsMessageOnlyOnceTheBoneyardIsEmpty) {
    for (const PassCase& c : kPasses) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        sixesOnlyWith(t, c.holderOf56);
        t.form.pull.setText(c.pull);
        t.form.lStatus.setCaption(c.status);
        const int top = t.form.lStatus.top();
        t.form.Timer2.fire();
        if (c.message) {
            ASSERT_EQ(t.sys.messages.size(), 1u);
            EXPECT_EQ(t.sys.messages[0].text, c.message);
            EXPECT_EQ(t.sys.messages[0].style, 0);
            EXPECT_EQ(t.sys.messages[0].title, t.sys.appTitle());
        } else {
            EXPECT_TRUE(t.sys.messages.empty());
        }
        EXPECT_EQ(t.form.lStatus.caption(), c.statusAfter);
        EXPECT_EQ(t.form.lStatus.top(), c.topAfter ? c.topAfter : top);
        EXPECT_EQ(t.form.pull.text(), c.pull);
    }
}

// With the boneyard empty the player holds one fitting tile and drags it; the watchdog ticks
// while the tile is held away from the hand row.
TEST_F(WatchdogTest, ADraggedTileIsLeftAloneUntilItsReleaseWhichPlacesItAndRestartsTheTurnTick) {
    sixesOnlyWith(t, 23);
    form.pull.setText("14");
    form.Timer2.fire();
    const plat::Image& half = form.lcard(23);
    const int x = half.left() + 200, y = half.top() + 200;
    t.mouse.press(x, y, plat::kLeftButton);
    t.mouse.move(7500, 4800, plat::kLeftButton);
    ASSERT_EQ(form.gate().dragTile(), 23);
    sys.runFor(1000);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);
    EXPECT_EQ(form.lcard(23).top(), 4600);
    t.mouse.release(7500, 4800, plat::kLeftButton);
    EXPECT_EQ(t.placeOf(23), Place::Chain);
    EXPECT_EQ(form.lStatus.caption(), kComputerTurn);
    EXPECT_TRUE(form.Timer1.enabled());
    EXPECT_TRUE(sys.messages.empty());
}

}  // namespace
}  // namespace brackwell::testing

// Playing from the keyboard: the keys lay the focused tile through the drag's own handlers and
// guards, the focus walks the player's row and the buttons and never rests on another tile.
#include "chain/chain_layout.h"
#include "support/table_checks.h"
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using namespace plat;  // the key codes

const Control* focused(Table& t) {
    return t.form.window.focused();
}

// Walks the focus to tile k with the arrows, as a player would.
void focusOn(Table& t, int k) {
    t.keys.press(kKeyEscape);  // any key lets the focus settle in the row
    for (int step : {kKeyLeft, kKeyRight}) {
        for (int i = 0; i < 8 && focused(t) != &t.form.lcard(k); ++i)
            t.keys.press(step);
    }
}

// Where a keyed tile went: "left", "right" or "home" (unmoved, the turn still the player's).
std::string wentTo(Table& t, int k, const std::vector<int>& home, const std::string& chain) {
    Form1& f = t.form;
    const std::string now = f.first(1).caption() + f.first(2).caption();
    if (spotOf(t, k) == home && now == chain && f.lStatus.caption() == kYourTurn) return "home";
    if (now[0] != chain[0] && now[1] == chain[1]) return "right";
    if (now[1] != chain[1] && now[0] == chain[0]) return "left";
    return "somewhere else";
}

// A chain 1-2 | 2-3 (open on 1 at the left, 3 at the right), the player to move.
TEST(KeyboardPlay, EachKeyLaysTheFocusedTileAtItsEndAndATileThatDoesNotFitStaysHome) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"14", kKeyUp, "left"},    {"14", 'L', "left"},         {"14", kKeyDown, "home"},
        {"14", 'R', "home"},       {"43", kKeyDown, "right"},   {"43", 'R', "right"},
        {"43", kKeyUp, "home"},    {"13", kKeyReturn, "left"},  {"13", kKeySpace, "left"},
        {"13", kKeyDown, "right"}, {"34", kKeyReturn, "right"}, {"55", kKeyReturn, "home"},
        {"55", kKeySpace, "home"}, {"55", kKeyUp, "home"}};
    for (const auto& [pips, key, expected] : cases) {
        SCOPED_TRACE(std::string(pips) + " by key " + std::to_string(key));
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        layChain(t, "12 23");
        setTiles(t, 24, pips);
        f.changetoplayer();
        focusOn(t, 24);
        ASSERT_EQ(focused(t), &f.lcard(24));
        const std::vector<int> home = spotOf(t, 24);
        const std::string status = f.lblStatusBar.caption();
        f.Timer1.setEnabled(false);
        t.keys.press(key);
        EXPECT_EQ(wentTo(t, 24, home, "10"), expected);
        // The turn tick restarts as after a release; a key that lays nothing touches nothing.
        EXPECT_EQ(f.Timer1.enabled(), std::string(expected) != "home");
        EXPECT_FALSE(f.Shmove.visible());
        // A tile that stays home is never dragged: no hint, the status where it stood.
        if (std::string(expected) == "home") {
            EXPECT_EQ(f.lblStatusBar.caption(), status);
            EXPECT_EQ(f.lStatus.top(), kStatusTopPlayer);
        }
        EXPECT_NO_THROW(TableChecker{t});
    }
}

TEST(KeyboardPlay, TheFirstTileOfAHandGoesToTheOpeningPlaceWhateverTheKey) {
    for (int key : {kKeyUp, kKeyDown, int('L'), int('R'), kKeyReturn, kKeySpace}) {
        Table t;
        t.form.Form_Load();
        t.keys.press(kKeyRight);
        t.keys.press(kKeyRight);
        t.keys.press(key);
        EXPECT_EQ(spotOf(t, 24), (std::vector<int>{6025, 4000, 6450, 4000})) << key;
        EXPECT_EQ(t.form.lStatus.caption(), kComputerTurn);
        EXPECT_EQ(focused(t), &t.form.lcard(25));
    }
}

// What a press would do at these moments, the key does: nothing. The computer's turn, a hand
// that is over, a draw running, a message box open: the fitting tile 24 stays in the row.
TEST(KeyboardPlay, KeysOnTheComputersTurnDuringADrawOrAMessageOrAfterTheHandDoNothing) {
    for (const char* moment : {"computer", "over", "draw", "message"}) {
        SCOPED_TRACE(moment);
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        setTiles(t, 1, "66 66");
        layChain(t, "12 23 14 55 55");
        focusOn(t, 24);
        const std::string m = moment;
        int tried = 0;
        const auto keys = [&] {
            for (int key : {kKeyUp, kKeyDown, kKeyReturn, kKeySpace, int('L'), int('R')}) {
                t.keys.press(key);
                ++tried;
            }
        };
        const std::vector<int> home = spotOf(t, 24);
        if (m == "computer" || m == "over") {
            m == "computer" ? f.changetocomputer() : (f.changetoplayer(), void(f.handOver = 1));
            keys();
        } else {
            f.changetoplayer();
            t.sys.onEvents = [&](int) {
                if (f.gate().running(Activity::Draw)) keys();
            };
            t.sys.onMessageBox = [&](const auto&) { keys(); };
            m == "draw" ? f.PushButton3_Click() : t.sys.msgBox("Computer Will Start");
        }
        EXPECT_GT(tried, 0);
        EXPECT_EQ(spotOf(t, 24), home);
        EXPECT_EQ(f.first(2).caption(), "0");
        EXPECT_EQ(t.val(f.pull), m == "draw" ? 1 : 0);
    }
}

TEST(KeyboardFocus, ArrowsWalkTheRowAndTabGoesFromTheRowThroughTheButtonsBack) {
    Table t;
    Form1& f = t.form;
    f.Form_Load();
    EXPECT_EQ(focused(t), &f.lcard(22));  // the deal focuses the first tile of the row
    for (int i = 0; i < 8; ++i)
        t.keys.press(kKeyRight, 0, i > 0);  // held down: the row's end does not wrap
    EXPECT_EQ(focused(t), &f.lcard(28));
    t.keys.press(kKeyLeft);
    EXPECT_EQ(focused(t), &f.lcard(27));
    f.PushButton3.setEnabled(true);
    const Control* order[] = {&f.PushButton3, &f.PushButton1, &f.PushButton2, &f.lcard(27)};
    for (const Control* next : order) {
        t.keys.press(kKeyTab);
        EXPECT_EQ(focused(t), next) << (next ? next->name() : "none");
    }
    t.keys.press(kKeyTab, kShiftKey);
    EXPECT_EQ(focused(t), &f.PushButton2);
    f.PushButton3.setEnabled(false);  // a disabled button is passed over
    t.keys.press(kKeyTab);
    t.keys.press(kKeyTab);
    EXPECT_EQ(focused(t), &f.PushButton1);
    for (int k = 1; k <= kTiles; ++k)  // only the row may take the focus
        EXPECT_EQ(f.lcard(k).canFocus(), k >= 22) << k;
}

TEST(KeyboardFocus, AfterAMoveTheNextTileOfTheRowHasTheFocusAndAfterADealTheFirst) {
    Table t;
    Form1& f = t.form;
    f.Form_Load();
    layChain(t, "12 23");
    setTiles(t, 24, "31 45 36 32 16");  // the row, tiles 24 to 28
    f.changetoplayer();
    focusOn(t, 26);
    t.keys.press(kKeyDown);
    EXPECT_EQ(t.placeOf(26), Table::Place::Chain);
    EXPECT_EQ(focused(t), &f.lcard(27));  // now standing where 26 stood
    f.changetoplayer();
    focusOn(t, 28);
    t.keys.press(kKeyUp);  // the last tile laid: the focus goes to the new last one
    EXPECT_EQ(t.placeOf(28), Table::Place::Chain);
    EXPECT_EQ(focused(t), &f.lcard(27));
    f.PushButton1.setFocus();
    t.keys.press('N');
    EXPECT_EQ(focused(t), &f.lcard(22));
    // After all this, no tile outside the row may take the focus or has it.
    for (int k = 1; k <= kTiles; ++k)
        EXPECT_EQ(f.lcard(k).canFocus(), t.placeOf(k) == Table::Place::PlayerHand) << k;
}

// G, N and C press the buttons once however long they are held, and only when a click would
// be taken; Space presses the focused button.
TEST(KeyboardFocus, ShortcutsAndSpacePressTheButtonsOnceAndOnlyWhenTheyAreAvailable) {
    Table t;
    Form1& f = t.form;
    f.Form_Load();
    layChain(t, "12 23 55 55");
    setTiles(t, 1, "66");
    f.changetoplayer();
    f.PushButton3.setEnabled(false);
    t.keys.press('G');
    EXPECT_EQ(t.val(f.pull), 0);
    f.PushButton3.setEnabled(true);
    t.keys.press('G', kCtrlKey);
    EXPECT_EQ(t.val(f.pull), 0);
    t.keys.press('G');
    t.keys.press('G', 0, true);
    EXPECT_EQ(t.val(f.pull), 1);
    int shown = 0;
    f.Showcomppic.onClick = [&] { shown += f.Showcomppic.value(); };
    t.keys.press('C');
    EXPECT_EQ(shown, 1);
    f.PushButton2.setFocus();
    t.keys.press(kKeySpace);
    EXPECT_EQ(shown, 2);
    const std::string opener = f.mturn.text();
    t.keys.press('N');
    t.keys.press('N', 0, true);
    EXPECT_NE(f.mturn.text(), opener);  // one deal, not two
}

// A shortcut or a laying key with Alt or Ctrl held belongs to the desktop, not to the table:
// nothing is drawn, dealt, shown or laid. Each key, pressed plain, does its work.
TEST(KeyboardPlay, ShortcutsAndLayingKeysWithAltOrCtrlHeldDoNothing) {
    const int keys[] = {'G', 'N', 'C', kKeyReturn, kKeySpace, kKeyUp, kKeyDown, 'L', 'R'};
    for (int key : keys) {
        for (int shift : {0, kAltKey, kCtrlKey, kAltKey | kShiftKey}) {
            SCOPED_TRACE("key " + std::to_string(key) + " shift " + std::to_string(shift));
            Table t;
            Form1& f = t.form;
            f.Form_Load();
            layChain(t, "12 23");
            setTiles(t, 24, "13");  // fits both ends
            setTiles(t, 1, "66");
            f.changetoplayer();
            f.PushButton3.setEnabled(true);
            focusOn(t, 24);
            int looks = 0;
            f.Showcomppic.onClick = [&] { looks += f.Showcomppic.value(); };
            const auto state = [&] {
                return std::tuple{spotOf(t, 24), t.val(f.pull), f.mturn.text(), looks};
            };
            const auto before = state();
            t.keys.press(key, shift);
            if (shift == 0) {
                EXPECT_NE(state(), before);
            } else {
                EXPECT_EQ(state(), before);
            }
        }
    }
}

TEST(EndRegions, EveryNextSlotOfAnEndIsInsideThatEndsRegion) {
    for (End end : {End::Left, End::Right}) {
        for (int laid = 0; laid < kSlotsPerBranch; ++laid) {
            const DropPoint p = nextDropAt(end, laid);
            EXPECT_EQ(endAt(p.left, p.top), end) << int(end) << " " << laid;
        }
    }
}

}  // namespace
}  // namespace brackwell::testing

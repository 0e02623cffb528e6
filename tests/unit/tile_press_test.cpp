// A tile is taken up by a press on either half: the second half's press, drag and release do
// what the first half's do, at every moment, down to the last twip of where the tile goes.
#include <functional>
#include <sstream>

#include "chain/chain_layout.h"
#include "support/table_checks.h"
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using plat::kLeftButton;
using plat::kRightButton;

// Everything a press can change: where each tile lies, what the table says, the drag.
std::string snapshot(Table& t) {
    Form1& f = t.form;
    std::ostringstream s;
    for (int k = 1; k <= kTiles; ++k) {
        const Halves h = halvesOf(f, k);
        s << k << ":" << h[0] << "," << h[1] << "," << h[2] << "," << h[3] << " ";
    }
    s << "\n"
      << f.lStatus.caption() << " | " << f.lblStatusBar.caption() << " | ends " << f.cu.caption()
      << f.cd.caption() << " | laid " << f.first(1).caption() << "," << f.first(2).caption()
      << " | hand " << f.pno.text() << "," << f.psc.caption() << " | drawn " << f.pull.text()
      << " | frame " << f.Shmove.visible() << " | lifted " << f.gate().dragTile() << " | messages "
      << t.sys.messages.size();
    return s.str();
}

// The middle of a half: where a player presses it.
std::pair<int, int> middleOf(const plat::Image& half) {
    return {half.left() + 200, half.top() + 200};
}

// A line of play 1-2 | 2-3 (open on 1 at the left, 3 at the right), 3-4 the row's first tile, 3-5
// the boneyard's next, the player to move.
void deal(Table& t) {
    t.form.Form_Load();
    layChain(t, "12 23");
    setTiles(t, 24, "34 55 56 66");
    setTiles(t, 1, "35");
    setTiles(t, 15, "13 00");
    t.form.changetoplayer();
}

// Each half of a tile in the player's hand, dealt or drawn, takes it up: it follows the pointer
// twip for twip in the drag's frame and is laid at the end it is let go at. A laid tile, a
// computer's tile and a boneyard tile stay where they are, whichever half is pressed.
TEST(TilePress, EitherHalfOfAHandTileTakesItUpAndOfAnyOtherTileNeither) {
    const std::tuple<const char*, int, bool> cases[] = {
        {"dealt tile", 24, true},       {"drawn tile", 1, true},     {"laid tile", 23, false},
        {"computer's tile", 15, false}, {"boneyard tile", 5, false},
    };
    for (const auto& [what, k, lifts] : cases) {
        std::string outcome[2];
        for (const bool second : {false, true}) {
            SCOPED_TRACE(std::string(what) + (second ? ", second half" : ", first half"));
            Table t;
            Form1& f = t.form;
            deal(t);
            if (k == 1) f.PushButton3_Click();
            ASSERT_EQ(t.placeOf(k) == Table::Place::PlayerHand, lifts);
            TableChecker check(t);
            const std::string before = snapshot(t);
            const Halves home = halvesOf(f, k);
            const DropPoint to = nextDropAt(End::Right, t.val(f.first(1)));
            const int dx = to.left - home[0], dy = to.top - home[1];
            const auto [x, y] = middleOf(second ? f.rcard(k) : f.lcard(k));
            t.mouse.press(x, y, kLeftButton);
            t.mouse.move(x + dx / 2, y + dy / 2, kLeftButton);
            if (lifts) {
                EXPECT_EQ(f.gate().dragTile(), k);
                EXPECT_EQ(halvesOf(f, k), (Halves{home[0] + dx / 2, home[1] + dy / 2,
                                                  home[2] + dx / 2, home[3] + dy / 2}));
                EXPECT_TRUE(f.Shmove.visible());
                EXPECT_EQ(f.Shmove.left(), f.lcard(k).left() - 25);
                EXPECT_EQ(f.Shmove.top(), f.lcard(k).top() - 25);
                EXPECT_EQ(f.lblStatusBar.caption(), "You Choose Card  " + t.pips(k).substr(0, 1) +
                                                        " / " + t.pips(k).substr(2));
            } else {
                EXPECT_EQ(snapshot(t), before);
            }
            t.mouse.move(x + dx, y + dy, kLeftButton);
            t.mouse.release(x + dx, y + dy, kLeftButton);
            if (lifts) {
                EXPECT_EQ(t.placeOf(k), Table::Place::Chain);
            } else {
                EXPECT_EQ(snapshot(t), before);
            }
            EXPECT_NO_THROW(check.verify("after the release"));
            outcome[second] = snapshot(t);
        }
        EXPECT_EQ(outcome[1], outcome[0]) << what;
    }
}

// A press on tile 24 by one of its halves, made at a moment's awkward point.
struct Press {
    Table& t;
    bool second;
    int& made;  // drags made
    const plat::Image& half() const { return second ? t.form.rcard(24) : t.form.lcard(24); }
    // A drag from the middle of the half to the right end's next place.
    void drag() const {
        ++made;
        const auto [x, y] = middleOf(half());
        const DropPoint to = nextDropAt(End::Right, t.val(t.form.first(1)));
        const plat::Image& first = t.form.lcard(24);
        t.mouse.drag(x, y, x + to.left - first.left(), y + to.top - first.top());
    }
};

struct Moment {
    const char* name;
    bool computersTurn;
    bool laid;  // tile 24 ends in the line of play
    void (*run)(Table&, const Press&);
};

// Makes the press once, at the first processing of events where `now` holds.
void pressOnceWhen(Table& t, const Press& p, std::function<bool()> now) {
    t.sys.onEvents = [p, now, done = false](int) mutable {
        if (done || !now()) return;
        done = true;
        p.drag();
    };
}

const Moment kMoments[] = {
    {"the computer's turn", true, false, [](Table&, const Press& p) { p.drag(); }},
    {"the computer's flight", true, false,
     [](Table& t, const Press& p) {
         pressOnceWhen(t, p, [&t] { return t.form.gate().running(Activity::Move); });
         t.form.Timer1.fire();
         EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), 3u);
     }},
    {"a draw", false, false,
     [](Table& t, const Press& p) {
         pressOnceWhen(t, p, [&t] { return t.form.gate().running(Activity::Draw); });
         t.form.PushButton3_Click();
         EXPECT_EQ(t.val(t.form.pull), 1);
     }},
    {"a message box", false, true,
     [](Table& t, const Press& p) {
         t.sys.onMessageBox = [p](const auto&) { p.drag(); };
         t.sys.msgBox("Computer Will Start");
     }},
    {"the hand's end", false, false,
     [](Table& t, const Press& p) {
         t.form.handOver = 1;
         p.drag();
     }},
    {"another tile lifted", false, true,  // its release went to a message box: it goes home
     [](Table& t, const Press& p) {
         const auto [x, y] = middleOf(t.form.lcard(25));
         t.mouse.press(x, y, kLeftButton);
         t.mouse.move(x + 300, y - 900, kLeftButton);
         t.mouse.forget();
         p.drag();
         EXPECT_EQ(t.placeOf(25), Table::Place::PlayerHand);
     }},
    {"both buttons", false, false,  // the right button disarms the drop: the tile goes home
     [](Table& t, const Press& p) {
         const auto [x, y] = middleOf(p.half());
         t.mouse.press(x, y, kLeftButton);
         t.mouse.move(x + 400, y - 3000, kLeftButton);
         t.mouse.press(x + 400, y - 3000, kRightButton);
         t.mouse.move(x + 800, y - 3300, kLeftButton | kRightButton);
         t.mouse.release(x + 800, y - 3300, kRightButton);
         t.mouse.release(x + 800, y - 3300, kLeftButton);
     }},
};

// Whatever the moment, a press on the second half does what one on the first half does then:
// the same tiles in the same places, the table whole, no tile lost or laid twice.
TEST(TilePress, TheSecondHalfAtEveryAwkwardMomentDoesWhatTheFirstHalfDoes) {
    for (const Moment& m : kMoments) {
        std::string outcome[2];
        for (const bool second : {false, true}) {
            SCOPED_TRACE(std::string(m.name) + (second ? ", second half" : ", first half"));
            Table t;
            Form1& f = t.form;
            deal(t);
            if (m.computersTurn) f.changetocomputer();
            TableChecker check(t);
            int made = 0;
            m.run(t, Press{t, second, made});
            EXPECT_EQ(made, std::string(m.name) == "both buttons" ? 0 : 1);
            t.sys.onEvents = nullptr, t.sys.onMessageBox = nullptr;
            EXPECT_EQ(t.placeOf(24), m.laid ? Table::Place::Chain : Table::Place::PlayerHand);
            EXPECT_EQ(f.gate().dragTile(), 0);
            EXPECT_FALSE(f.Shmove.visible());
            EXPECT_NO_THROW(check.verify("after the press"));
            outcome[second] = snapshot(t);
        }
        EXPECT_EQ(outcome[1], outcome[0]) << m.name;
    }
}

}  // namespace
}  // namespace brackwell::testing

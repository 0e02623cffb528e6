// The computer's move: which tile and end it chooses, its draws and its silent pass, its
// opening, and the flight of its tile to the slot it is laid in.
#include <algorithm>
#include <stdexcept>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;

// The flying box's places while it is shown, and the computer's count as the flight starts.
struct Flight {
    std::vector<int> lefts, tops;
    std::string countInFlight;
};

Flight moveComputer(Table& t) {
    Flight fl;
    const std::int64_t giveUp = t.sys.now() + 60000;
    t.sys.onEvents = [&](int) {
        if (t.sys.now() > giveUp) throw std::runtime_error("the flight does not end");
        if (!t.form.Cover(0).visible()) return;
        if (fl.lefts.empty()) fl.countInFlight = t.form.AvCmove.text();
        fl.lefts.push_back(t.form.Cover(0).left());
        fl.tops.push_back(t.form.Cover(0).top());
    };
    t.form.Timer1.fire();
    t.sys.onEvents = nullptr;
    return fl;
}

struct ChoiceCase {
    const char* name;
    const char* hand;  // the computer's seven tiles, in hand-list order
    int chosen;
    int countRise;  // halves of the hand that fit an end
    bool rightEnd;
    std::vector<int> spot;  // where the chosen tile's halves are laid
    const char* cu;
    const char* cd;
    const char* statusBar;
};

// clang-format off
const ChoiceCase kChoices[] = {
    {"the last fitting tile 1-6 goes to the left end", "34 25 16 00 11 22 33", 17, 2, false,
     {4900, 4045, 5320, 4045}, "1", "4", "Computer Choose Card   1 / 6"},
    {"a tile fitting both ends goes to the right end", "34 25 46 00 11 22 33", 17, 3, true,
     {7120, 4045, 7540, 4045}, "6", "6", "Computer Choose Card   4 / 6"},
    {"a tile fitting both ends is passed over for a later one", "46 00 11 22 33 35 16", 21, 3,
     false, {4900, 4045, 5320, 4045}, "1", "4", "Computer Choose Card   1 / 6"},
};
// clang-format on

// With ends 6 (left) and 4 (right) the computer scans its hand list for the last tile with a
// fitting half and flies it to the end's next slot.
TEST(ComputerChoice, TheLastFittingTileOfTheHandListIsLaidAtTheEndItFitsTheRightEndFirst) {
    for (const ChoiceCase& c : kChoices) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        setTiles(t, 15, c.hand);
        setTiles(t, 22, "55");
        layChain(t, {22}, 6, 4);
        f.lStatus.setCaption(kComputerTurn);
        f.variableccmove();
        const long long count = t.val(f.AvCmove), csc = t.val(f.csc);
        const int pips = t.pipTotal(c.chosen);
        const plat::Shape& slot = c.rightEnd ? f.Shr(0) : f.Shl(0);
        const int slotLeft = slot.left(), slotTop = slot.top();

        const Flight fl = moveComputer(t);

        EXPECT_EQ(fl.countInFlight, std::to_string(count + c.countRise));
        EXPECT_EQ(f.lblStatusBar.caption(), c.statusBar);
        EXPECT_EQ(t.placeOf(c.chosen), Place::Chain);
        EXPECT_EQ(spotOf(t, c.chosen), c.spot);
        EXPECT_EQ(f.cu.caption(), c.cu);
        EXPECT_EQ(f.cd.caption(), c.cd);
        EXPECT_EQ(f.first(c.rightEnd ? 1 : 2).caption(), "1");
        EXPECT_EQ(t.val(f.csc), csc - pips);
        EXPECT_EQ(f.cno.text(), "6");
        EXPECT_EQ(f.lStatus.caption(), kYourTurn);
        EXPECT_EQ(f.lStatus.top(), 7100);
        // Along the computer's row to the slot's Left, then down to its Top.
        ASSERT_FALSE(fl.lefts.empty());
        EXPECT_GT(fl.lefts.back(), slotLeft - 40);
        EXPECT_LE(fl.lefts.back(), slotLeft);
        EXPECT_GT(fl.tops.back(), slotTop - 40);
        EXPECT_LE(fl.tops.back(), slotTop);
        EXPECT_FALSE(f.Cover(0).visible());
        EXPECT_TRUE(t.sys.messages.empty());
        EXPECT_TRUE(tableIsConsistent(t));
    }
}

TEST(ComputerChoice, AFlightStartingAboveItsSlotGoesStraightDown) {
    Table t;
    t.form.Form_Load();
    Form1& f = t.form;
    setTiles(t, 15, kChoices[0].hand);
    setTiles(t, 22, "55");
    layChain(t, {22}, 6, 4);
    f.lStatus.setCaption(kComputerTurn);
    f.lcard(17).setLeft(f.Shl(0).left());
    f.rcard(17).setLeft(f.Shl(0).left());

    const Flight fl = moveComputer(t);

    ASSERT_FALSE(fl.lefts.empty());
    EXPECT_TRUE(
        std::all_of(fl.lefts.begin(), fl.lefts.end(), [&](int x) { return x == f.Shl(0).left(); }));
    EXPECT_GT(fl.tops.back(), fl.tops.front());
    EXPECT_EQ(spotOf(t, 17), kChoices[0].spot);
}

// Both ends are 6 and no hand holds a six: only a drawn six fits.
struct DrawCase {
    const char* name;
    const char* boneyard;
    const char* pull;
    int draws;
    int laid;  // the tile that is finally laid, 0 when the computer passes
};

const DrawCase kDraws[] = {
    {"the third tile drawn fits", "00 11 06 16 26 36 46 56", "0", 3, 3},
    {"the last three tiles do not fit", "06 16 26 36 46 56", "11", 3, 0},
};

TEST(ComputerDraws, WhileNothingFitsTheComputerDrawsOneTileAtATimeEachWithAMessage) {
    for (const DrawCase& c : kDraws) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        setTiles(t, 1, c.boneyard);
        setTiles(t, 22, "66");
        layChain(t, {22}, 6, 6);
        f.pull.setText(c.pull);
        f.lStatus.setCaption(kComputerTurn);

        moveComputer(t);

        EXPECT_EQ(messagesFrom(t), std::vector<std::string>(static_cast<std::size_t>(c.draws),
                                                            "Computer Will Take Extra Card"));
        EXPECT_EQ(t.val(f.pull), plat::ival(c.pull) + c.draws);
        EXPECT_EQ(f.compDrawn, c.draws);
        EXPECT_EQ(t.val(f.cno), 7 + c.draws - (c.laid ? 1 : 0));
        if (c.laid) {
            EXPECT_EQ(t.placeOf(c.laid), Place::Chain);
            EXPECT_EQ(f.lStatus.caption(), kYourTurn);
            EXPECT_TRUE(tableIsConsistent(t));
        } else {
            EXPECT_EQ(t.tilesIn(Place::Chain), std::vector<int>{22});
            EXPECT_EQ(f.lStatus.caption(), kComputerTurn);
        }
    }
}

TEST(ComputerDraws, WithNothingToPlayAndAnEmptyBoneyardTheComputerPassesSilently) {
    Table t;
    t.form.Form_Load();
    Form1& f = t.form;
    setTiles(t, 1, "06 16 26 36 46 56");
    setTiles(t, 22, "66");
    layChain(t, {22}, 6, 6);
    f.pull.setText("14");
    f.lStatus.setCaption(kComputerTurn);
    std::vector<std::vector<int>> before;
    for (int k = 1; k <= kTiles; ++k)
        before.push_back(spotOf(t, k));
    const std::string cno = f.cno.text(), csc = f.csc.caption();

    f.Timer1.fire();

    EXPECT_TRUE(t.sys.messages.empty());
    for (int k = 1; k <= kTiles; ++k)
        EXPECT_EQ(spotOf(t, k), before[static_cast<std::size_t>(k - 1)]) << "tile " << k;
    EXPECT_EQ(f.cno.text(), cno);
    EXPECT_EQ(f.csc.caption(), csc);
    EXPECT_EQ(f.pull.text(), "14");
    EXPECT_EQ(f.lStatus.caption(), kComputerTurn);
}

TEST(ComputerOpens, AnEmptyTableIsOpenedWithTheFirstTileOfTheHandListWhateverItsPips) {
    Table t;
    t.form.Form_Load();
    Form1& f = t.form;
    setTiles(t, 15, "12 66 55 44 36 45 56");
    f.lStatus.setCaption(kComputerTurn);
    const long long csc = t.val(f.csc);

    f.Timer1.fire();

    EXPECT_EQ(messagesFrom(t), std::vector<std::string>{"Computer Will Start"});
    EXPECT_EQ(spotOf(t, 15), (std::vector<int>{6025, 4000, 6450, 4000}));
    EXPECT_EQ(t.val(f.csc), csc - 3);
    EXPECT_EQ(f.cno.text(), "6");
    EXPECT_EQ(f.cu.caption(), "1");
    EXPECT_EQ(f.cd.caption(), "2");
    EXPECT_EQ(f.lStatus.caption(), kYourTurn);
    EXPECT_TRUE(tableIsConsistent(t));
}

}  // namespace
}  // namespace brackwell::testing

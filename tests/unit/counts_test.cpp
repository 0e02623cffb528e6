// How many halves of each hand match an open end, the computer's hand list, and the packing of
// both hand rows.
#include <algorithm>
#include <set>

#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class CountsTable : public TableTest {};

enum class Side { Player, Computer };

int firstTileOf(Side s) {
    return s == Side::Player ? 22 : 15;
}

using Pairs = std::vector<std::pair<int, int>>;

// Gives the dealt tiles of each hand the listed pairs, and the rest of both hands pairs that
// touch none of `ends`. All pairs differ, so no tile arranged earlier is swapped away.
void arrangeHands(Table& t, const Pairs& player, const Pairs& computer, const std::set<int>& ends) {
    std::set<std::pair<int, int>> used(player.begin(), player.end());
    used.insert(computer.begin(), computer.end());
    for (Side side : {Side::Player, Side::Computer}) {
        int k = firstTileOf(side);
        for (auto [a, b] : side == Side::Player ? player : computer)
            t.setTile(k++, a, b);
        for (int a = 0; a <= 6; ++a) {
            for (int b = a; b <= 6 && k < firstTileOf(side) + 7; ++b) {
                if (used.count({a, b}) || ends.count(a) || ends.count(b)) continue;
                used.insert({a, b});
                t.setTile(k++, a, b);
            }
        }
    }
}

void setEnds(Form1& f, const char* left, const char* right) {
    f.cu.setCaption(left);
    f.cd.setCaption(right);
}

// Puts tile k somewhere on the line of play, lying.
void layOnChain(Form1& f, int k) {
    f.lcard(k).move(7120, 4045);
    f.rcard(k).move(7540, 4045);
}

long long countFor(Table& t, Side s) {
    if (s == Side::Player) {
        t.form.variableppmove();
        return t.val(t.form.AvPmove);
    }
    t.form.variableccmove();
    return t.val(t.form.AvCmove);
}

struct CountCase {
    const char* rule;
    const char *left, *right;
    Pairs hand;
    std::set<int> ends;
    int matchingHalves;
};

const CountCase kCounts[] = {
    {"each half equal to an end adds one", "3", "5", {{3, 5}, {5, 5}, {1, 2}}, {3, 5}, 4},
    {"a double on an end adds both halves", "4", "6", {{4, 4}}, {4, 6}, 2},
    {"a half is counted once when both ends are equal", "3", "3", {{3, 5}}, {3}, 1},
    {"before the first tile the empty ends read 0", "", "", {{0, 0}, {0, 3}}, {0}, 3},
    {"the ends of a new deal read 0", "0", "0", {{0, 6}}, {0}, 1},
};

TEST(Counts, EachSideCountsItsHalvesThatMatchAnOpenEnd) {
    for (Side side : {Side::Player, Side::Computer}) {
        for (const CountCase& c : kCounts) {
            SCOPED_TRACE(std::string(c.rule) +
                         (side == Side::Player ? " (player)" : " (computer)"));
            Table t;
            t.form.Form_Load();
            arrangeHands(t, side == Side::Player ? c.hand : Pairs{},
                         side == Side::Computer ? c.hand : Pairs{}, c.ends);
            setEnds(t.form, c.left, c.right);
            EXPECT_EQ(countFor(t, side), c.matchingHalves);
        }
    }
}

TEST_F(CountsTable, CountsExamineOnlyTheSlotsDealtAndDrawnThisHand) {
    arrangeHands(t, {}, {}, {6});
    setEnds(form, "6", "6");
    // Tiles 1 and 2 (6-6 and 5-6) stand in the rows but are named only by slot 8.
    t.setTile(1, 6, 6);
    t.setTile(2, 5, 6);
    form.lcard(1).move(5190, 7675);
    form.lcard(2).move(5190, 30);
    form.playerTiles(8) = 1;
    form.compTiles(8) = 2;
    EXPECT_EQ(countFor(t, Side::Player), 0);
    EXPECT_EQ(countFor(t, Side::Computer), 0);
    form.playerDrawn = 1;
    form.compDrawn = 1;
    EXPECT_EQ(countFor(t, Side::Player), 2);
    EXPECT_EQ(countFor(t, Side::Computer), 1);
    EXPECT_EQ(form.List1.items().back(), "02");
}

TEST_F(CountsTable, TilesNamedByASlotButLyingOnTheChainAreNeitherCountedNorPacked) {
    arrangeHands(t, {{3, 5}, {5, 5}}, {{3, 4}, {5, 6}}, {3, 5});
    setEnds(form, "3", "5");
    layOnChain(form, 22);
    form.lcard(15).move(3120, 2260);
    form.rcard(15).move(3540, 2260);
    form.packhands();
    EXPECT_EQ(t.val(form.AvPmove), 2);
    EXPECT_EQ(t.val(form.AvCmove), 1);
    EXPECT_EQ(form.lcard(22).left(), 7120);
    EXPECT_EQ(form.lcard(22).top(), 4045);
    EXPECT_EQ(form.lcard(15).top(), 2260);
    EXPECT_EQ(form.List1.items(), (std::vector<std::string>{"16", "17", "18", "19", "20", "21"}));
}

TEST_F(CountsTable, List1HoldsTheComputersTilesInHandAsTwoDigitsInSlotOrder) {
    form.lcard(3).move(2310, 30);
    form.compTiles(1) = 15;
    form.compTiles(2) = 3;
    for (int i = 3; i <= 7; ++i)
        form.compTiles(i) = 0;
    form.variableccmove();
    EXPECT_EQ(form.List1.items(), (std::vector<std::string>{"15", "03"}));
}

// A count whose passes let events run may be overtaken by a nested count, and the hand may
// change meanwhile; the outer count must still end with the hand as it stands at its end.
TEST_F(CountsTable, CountOvertakenByANestedCountEndsWithTheExactFigureOfTheHandAsItStands) {
    arrangeHands(t, {{3, 5}, {5, 5}, {1, 2}}, {{3, 6}, {5, 6}}, {3, 5});
    setEnds(form, "3", "5");
    for (Side side : {Side::Player, Side::Computer}) {
        for (bool handChanges : {false, true}) {
            SCOPED_TRACE(std::string(side == Side::Player ? "player" : "computer") +
                         (handChanges ? ", a tile leaves the hand" : ", same hand"));
            const int leaving = firstTileOf(side);
            bool nested = false;
            sys.onEvents = [&](int) {
                if (nested) return;
                nested = true;  // after the outer count's first pass, with six still to go
                countFor(t, side);
                if (handChanges) layOnChain(form, leaving);
            };
            const long long outer = countFor(t, side);
            sys.onEvents = nullptr;
            const int wanted = side == Side::Player ? (handChanges ? 2 : 4) : (handChanges ? 1 : 2);
            EXPECT_EQ(outer, wanted);
            if (side == Side::Computer) {
                const auto& items = form.List1.items();
                EXPECT_EQ(items.size(), handChanges ? 6u : 7u);
                EXPECT_EQ(std::set<std::string>(items.begin(), items.end()).size(), items.size());
                EXPECT_EQ(std::count(items.begin(), items.end(), "15"), handChanges ? 0 : 1);
            }
        }
    }
}

TEST_F(CountsTable, PackhandsClosesTheGapsInSlotOrderAndLiftsTheComputersRow) {
    layOnChain(form, 23);             // slot 2
    form.lcard(26).move(7120, 4945);  // slot 5
    form.rcard(26).move(7540, 4945);
    form.packhands();
    const int rest[] = {22, 24, 25, 27, 28};
    const int lefts[] = {1830, 2310, 2790, 3270, 3750};
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE("tile " + std::to_string(rest[n]));
        EXPECT_EQ(form.lcard(rest[n]).left(), lefts[n]);
        EXPECT_EQ(form.lcard(rest[n]).top(), 7675);
        EXPECT_EQ(form.rcard(rest[n]).left(), lefts[n]);
        EXPECT_EQ(form.rcard(rest[n]).top(), 8095);
    }
    EXPECT_EQ(form.lcard(26).top(), 4945);
    for (int k = 15; k <= 21; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k));
        EXPECT_EQ(form.lcard(k).left(), 1350 + 480 * (k - 14));
        EXPECT_EQ(form.lcard(k).top(), 30);
        EXPECT_EQ(form.rcard(k).top(), 450);
    }
}

}  // namespace
}  // namespace brackwell::testing

// The turn's bookkeeping: how many halves of each hand match an open end, the computer's hand
// list, the packing of both rows, the status label, and the short wait of the animations.
#include <limits>
#include <set>
#include <stdexcept>

#include "support/table_checks.h"

namespace brackwell::testing {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

class CountsTable : public TableTest {
  protected:
    // The hand from tile `first` holds `pairs`, then tiles of 7 pips, which match no end.
    void give(int first, Pairs pairs, const char* left, const char* right) {
        pairs.resize(7, {7, 7});
        for (int i = 0; i < 7; ++i) {
            form.lcard(first + i).setTag(std::to_string(pairs[i].first));
            form.rcard(first + i).setTag(std::to_string(pairs[i].second));
        }
        form.cu.setCaption(left);
        form.cd.setCaption(right);
    }
    long long count(bool player) {
        player ? form.variableppmove() : form.variableccmove();
        return t.val(player ? form.AvPmove : form.AvCmove);
    }
};

TEST_F(CountsTable, EachSideCountsItsHalvesThatMatchAnOpenEndInTheSlotsOfThisHand) {
    // A double adds two, also where it matches both ends; a half matching both ends adds one;
    // empty ends (no chain yet) read 0.
    const std::tuple<const char*, const char*, Pairs, int> cases[] = {
        {"3", "5", {{3, 5}, {5, 5}, {1, 2}}, 4},
        {"3", "3", {{3, 5}}, 1},
        {"4", "4", {{4, 4}, {1, 2}}, 2},
        {"", "", {{0, 3}}, 1}};
    for (bool player : {true, false}) {
        for (const auto& [left, right, hand, want] : cases) {
            give(player ? 22 : 15, hand, left, right);
            EXPECT_EQ(count(player), want) << player << ", ends " << left << "/" << right;
        }
    }
    // Now the player holds 0-3; tile 1 (0-0) in the row is named only by slot 8, a drawn one.
    t.setTile(1, 0, 0);
    form.lcard(1).move(5190, 7675);
    form.playerTiles(8) = 1;
    EXPECT_EQ(count(true), 1);
    form.playerDrawn = 1;
    EXPECT_EQ(count(true), 3);
}

// A count lets events run at each pass, so a nested count may overtake it as the hand changes.
TEST_F(CountsTable, ACountOvertakenByANestedCountEndsWithTheExactFigureOfTheHandAsItStands) {
    give(15, {{3, 6}, {5, 6}}, "3", "5");
    for (bool handChanges : {false, true}) {
        bool nested = false;
        sys.onEvents = [&](int) {
            if (nested) return;
            nested = true;  // after the outer count's first pass, with six still to go
            count(false);
            if (handChanges) moveTile(form, 15, {7120, 4045, 7540, 4045});
        };
        EXPECT_EQ(count(false), handChanges ? 1 : 2);
        sys.onEvents = nullptr;
        const auto& items = form.List1.items();
        EXPECT_EQ(std::set<std::string>(items.begin(), items.end()).size(), items.size());
        EXPECT_EQ(items.front() + " of " + std::to_string(items.size()),
                  handChanges ? "16 of 6" : "15 of 7");
    }
}

TEST_F(CountsTable, PackhandsClosesTheGapsInSlotOrderAndLiftsTheComputersRow) {
    moveTile(form, 23, {7120, 4045, 7540, 4045});  // slots 2 and 5 go to the line of play
    moveTile(form, 26, {7120, 4945, 7540, 4945});
    form.packhands();
    for (auto [k, left] : {std::pair{22, 1830}, {24, 2310}, {25, 2790}, {27, 3270}, {28, 3750}})
        EXPECT_EQ(halvesOf(form, k), (Halves{left, 7675, left, 8095})) << k;
    EXPECT_EQ(halvesOf(form, 26), (Halves{7120, 4945, 7540, 4945}));
    EXPECT_EQ(halvesOf(form, 21), (Halves{4710, 30, 4710, 450}));  // the computer's row lifted
}

TEST_F(CountsTable, TheStatusNamesTheSideToMoveBesideItsRow) {
    std::string shown;
    const auto show = [&] {
        shown += form.lStatus.caption() + "@" + std::to_string(form.lStatus.top()) + ", ";
    };
    form.changetocomputer(), show(), form.changetocomputer(), show();
    form.getturn(), show(), form.getturn(), show();
    form.changetoplayer(), show(), form.changetoplayer(), show();
    EXPECT_EQ(shown,
              "Status: Computer1@1100, Status: Computer1@1100, Status: Your Turn@7100, "
              "Status: Computer1@1100, Status: Your Turn@7100, Status: Your Turn@7100, ");
}

// The hook stops a spinning wait; two 100 ms timers wake a second's wait about ten times.
TEST(Delay, WaitsAtLeastTheAskedTimeOnTheEventLoopEvenAcrossTheTickCountsWrap) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::pair<std::int32_t, float> cases[] = {{1000, 0},        {1000, 1},    {1000, 1000},
                                                    {kMax - 2, 1000}, {kMax, 1000}, {-1, 1000}};
    for (auto [firstTick, ms] : cases) {
        int passes = 0, outer = 0;
        Table t(42, firstTick);
        t.form.Form_Load();
        t.sys.onEvents = [&](int depth) {
            if (++passes > 10000) throw std::runtime_error("the wait spins");
            outer += depth == 1;
        };
        const auto before = t.sys.now();
        t.form.Delay(ms);
        EXPECT_GE(t.sys.now() - before, ms) << firstTick << ", " << ms;
        EXPECT_LT(t.sys.now() - before, ms + 1000);
        EXPECT_TRUE(outer >= 1 && outer <= 30) << outer << " wakes";
    }
}

}  // namespace
}  // namespace brackwell::testing

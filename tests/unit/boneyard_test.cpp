// Drawing from the boneyard: which tile is taken, which counters move, where the tile ends,
// and what the draw leaves running.
#include <algorithm>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;
using plat::headless::Service;

using BoneyardTest = TableTest;

TEST_F(BoneyardTest, TilesLeaveTheBoneyardInTileNumberOrderWhoeverDraws) {
    for (int n = 1; n <= 14; ++n) {
        const bool computer = n % 2 == 1;
        form.lStatus.setCaption(computer ? kComputerTurn : kYourTurn);
        form.PushButton3_Click();
        ASSERT_EQ(form.pull.text(), std::to_string(n));
        EXPECT_EQ(t.placeOf(n), computer ? Place::ComputerHand : Place::PlayerHand) << n;
        EXPECT_EQ(
            computer ? form.compTiles(7 + form.compDrawn) : form.playerTiles(7 + form.playerDrawn),
            n);
        EXPECT_TRUE(tableIsConsistent(t)) << "after draw " << n;
    }
    EXPECT_EQ(form.compDrawn, 7);
    EXPECT_EQ(form.playerDrawn, 7);
}

TEST_F(BoneyardTest, AnEmptyBoneyardGivesNothingButClearsThePreviewFlagRecountsAndPacks) {
    for (int n = 1; n <= 14; ++n)
        form.PushButton3_Click();
    const std::size_t sounds = sys.sounds.size();
    const std::vector<int> packedAt = spotOf(t, 22);
    form.lcard(22).setLeft(9000);  // out of its packed place, still in the hand row
    form.previewFaceUp = 1;
    form.AvPmove.setText("99");
    form.PushButton3_Click();
    EXPECT_EQ(form.pull.text(), "14");
    EXPECT_EQ(sys.sounds.size(), sounds);
    EXPECT_EQ(form.previewFaceUp, 0);
    EXPECT_NE(form.AvPmove.text(), "99");
    EXPECT_EQ(spotOf(t, 22), packedAt);
    EXPECT_EQ(form.playerDrawn, 14);
    EXPECT_TRUE(form.Timer2.enabled());
    EXPECT_TRUE(tableIsConsistent(t));
}

struct SideCase {
    const char* name;
    bool computer;
    std::vector<int> laid;       // hand tiles put on the line of play first
    std::vector<int> finalSpot;  // the drawn tile's halves after packing
};

const SideCase kSides[] = {
    {"player holding five", false, {22, 23}, {4230, 7675, 4230, 8095}},
    {"computer holding seven", true, {22}, {5190, 30, 5190, 450}},
};

TEST(Boneyard, EachSideDrawMovesItsOwnCountersAndPacksTheTileIntoItsRow) {
    for (const SideCase& c : kSides) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        Form1& f = t.form;
        layChain(t, c.laid, 0, 0);
        const char* status = c.computer ? kComputerTurn : kYourTurn;
        f.lStatus.setCaption(status);
        const plat::TextBox& count = c.computer ? f.cno : f.pno;
        const plat::Label& pips = c.computer ? f.csc : f.psc;
        const plat::Label& taken = c.computer ? f.max : f.pmax;
        const plat::Label& otherTaken = c.computer ? f.pmax : f.max;
        const int& drawn = c.computer ? f.compDrawn : f.playerDrawn;
        const auto& slots = c.computer ? f.compTiles : f.playerTiles;
        const long long count0 = t.val(count), pips0 = t.val(pips);
        const long long taken0 = t.val(taken), otherTaken0 = t.val(otherTaken);
        const int drawn0 = drawn, statusTop = f.lStatus.top(), target = c.finalSpot[0];

        std::vector<int> lefts, tops;
        bool watchdogOn = false, face = false;
        t.sys.onEvents = [&](int) {
            watchdogOn |= f.Timer2.enabled();
            if (!f.Cover(0).visible()) return;
            lefts.push_back(f.Cover(0).left());
            tops.push_back(f.Cover(0).top());
            face |= f.NabU.picture() != plat::kTileBack || f.NabD.picture() != plat::kTileBack;
        };
        f.PushButton3_Click();
        t.sys.onEvents = nullptr;

        EXPECT_EQ(f.pull.text(), "1");
        EXPECT_EQ(t.val(count), count0 + 1);
        EXPECT_EQ(t.val(pips), pips0 + t.pipTotal(1));
        EXPECT_EQ(t.val(taken), taken0 + 1);
        EXPECT_EQ(t.val(otherTaken), otherTaken0);
        EXPECT_EQ(drawn, drawn0 + 1);
        EXPECT_EQ(slots(7 + drawn), 1);
        EXPECT_EQ(spotOf(t, 1), c.finalSpot);
        ASSERT_FALSE(t.sys.sounds.empty());
        EXPECT_EQ(t.sys.sounds.back().path, t.sys.appPath() + "/pic/Move.wav");
        EXPECT_EQ(t.sys.sounds.back().flags, 1);
        EXPECT_EQ(f.lStatus.caption(), status);
        EXPECT_EQ(f.lStatus.top(), statusTop);
        EXPECT_FALSE(watchdogOn) << "the watchdog was on during the draw";
        EXPECT_TRUE(f.Timer2.enabled());

        // The preview travels face down along the boneyard's top to the next place of the
        // row, then to the row, stopping short of a target it would pass; then it hides.
        ASSERT_FALSE(lefts.empty());
        EXPECT_FALSE(face);
        EXPECT_FALSE(f.Cover(0).visible());
        EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end()));
        EXPECT_GT(lefts.back(), target - 40);
        EXPECT_LE(lefts.back(), target);
        if (!c.computer) {
            EXPECT_GT(tops.back(), 7675 - 40);
            EXPECT_LE(tops.back(), 7675);
        } else {
            EXPECT_GE(tops.back(), 60);
            EXPECT_LT(tops.back(), 60 + 40);
        }
        EXPECT_TRUE(tableIsConsistent(t));
    }
}

TEST_F(BoneyardTest, ADrawThatFailsHalfWayStillWakesTheWatchdogAndAllowsTheNextDraw) {
    sys.failNext(Service::WaitEvents, "Out of memory", 10);
    form.PushButton3_Click();
    ASSERT_TRUE(sys.failedAt.has_value());
    ASSERT_FALSE(sys.messages.empty());
    EXPECT_EQ(sys.messages.back().title, "Application Error");
    EXPECT_TRUE(form.Timer2.enabled());
    form.PushButton3_Click();
    EXPECT_EQ(form.pull.text(), "2");
}

}  // namespace
}  // namespace brackwell::testing

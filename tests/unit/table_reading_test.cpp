// What a screen reader is told of the table: every tile named by the faces it shows and where it
// stands, the open ends in words, where a tile of the hand fits by the placement's own rule, the
// whole table in one sentence, and nothing of the controls that only hold values or decorate.
#include "support/table_checks.h"
#include "support/turn_flow.h"
#include "table/tile_words.h"

namespace brackwell::testing {
namespace {

using plat::AccessibleRole;

class TableReadingTest : public TableTest {
  protected:
    const TableReading& reading = form.reading();
    std::string name(const plat::Control& c) { return reading.describe(c).name; }
    std::string words(int k) { return tileWords(form.lcard(k).tag(), form.rcard(k).tag()); }
    void repaint(int k) {
        form.Text1.setText(std::to_string(k));
        form.showcards();
    }
};

TEST_F(TableReadingTest, ADealtTableNamesEachTileByItsFacesAndPlaceAndLeavesTheBoneyardToGetCard) {
    const auto hand = t.tilesIn(Table::Place::PlayerHand);
    ASSERT_EQ(hand.size(), 7u);
    for (int k : hand) {
        const plat::AccessibleText d = reading.describe(form.lcard(k));
        EXPECT_EQ(d.role, AccessibleRole::HandTile);
        EXPECT_EQ(d.name, words(k) + ", in your hand") << t.pips(k);
        EXPECT_EQ(d.description, "fits: any tile opens the line of play");
        EXPECT_EQ(reading.drawnWith(form.lcard(k)), &form.rcard(k));  // one outline, both halves
    }
    for (int k : t.tilesIn(Table::Place::ComputerHand))
        EXPECT_EQ(name(form.lcard(k)), "computer's tile, face down");
    for (int k : t.tilesIn(Table::Place::Boneyard))
        EXPECT_FALSE(reading.describe(form.lcard(k)).inTree()) << k;
    for (int k = 1; k <= kTiles; ++k) {
        EXPECT_FALSE(reading.describe(form.rcard(k)).inTree()) << k;
        EXPECT_EQ(reading.drawnWith(form.rcard(k)), nullptr);
    }
    EXPECT_EQ(reading.describe(form.PushButton3).description, "14 tiles in the boneyard");
    EXPECT_EQ(tileWords(0, 6), "blank and six");
    EXPECT_EQ(ordinal(1) + ordinal(2) + ordinal(3) + ordinal(11) + ordinal(22),
              "1st2nd3rd11th22nd");
}

TEST_F(TableReadingTest, ValuesOutlinesAndHiddenControlsStayOutAndEveryOtherShownControlIsNamed) {
    const plat::Control* helpers[] = {
        &form.List1, &form.AvPmove,  &form.AvCmove, &form.pno,          &form.Text1,
        &form.psc,   &form.csc,      &form.ppsc,    &form.ccsc,         &form.cu,
        &form.cd,    &form.first(1), &form.Shmove,  &form.Shape1,       &form.Showcomppic,
        &form.NabU,  &form.Cover(0), &form.Shr(1),  &form.lblStatusBar, &form.lKeyNote};
    for (const plat::Control* c : helpers)
        EXPECT_FALSE(reading.describe(*c).inTree()) << c->name() << c->index();
    int named = 0, statuses = 0;
    for (const plat::Control* c : form.window.children()) {
        const plat::AccessibleText d = reading.describe(*c);
        if (!d.inTree()) continue;
        ++named;
        statuses += d.role == AccessibleRole::Status;
        EXPECT_FALSE(d.name.empty()) << c->name() << c->index();
    }
    // 14 tiles in the hands, 2 open ends, 3 buttons, the 2 scores, their 4 captions, the turn.
    EXPECT_EQ(named, 14 + 2 + 3 + 2 + 4 + 1);
    EXPECT_EQ(statuses, 1);
    EXPECT_EQ(name(form.compscore), "Computer score 000");
    EXPECT_EQ(name(form.lStatus), "your turn");
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);  // what is shown stays as it is
    form.changetocomputer();
    EXPECT_EQ(name(form.lStatus), "computer's turn");
    EXPECT_EQ(name(form.Shl(0)), "left end: no tile laid yet");
}

TEST_F(TableReadingTest, AHandTileSaysWhichEndsItFitsByTheSameRuleThePlacementUses) {
    form.first(0).setCaption("1");
    const std::tuple<const char*, const char*, int, int, const char*> cases[] = {
        {"4", "2", 4, 1, "fits the left end"}, {"4", "2", 1, 2, "fits the right end"},
        {"4", "2", 2, 4, "fits both ends"},    {"4", "2", 3, 3, "does not fit"},
        {"5", "5", 0, 5, "fits both ends"},    {"6", "0", 0, 0, "fits the right end"}};
    const int k = t.tilesIn(Table::Place::PlayerHand).front();
    for (auto [left, right, a, b, fit] : cases) {
        form.cu.setCaption(left);
        form.cd.setCaption(right);
        t.setTile(k, a, b);
        repaint(k);
        EXPECT_EQ(reading.describe(form.lcard(k)).description, fit) << left << right << a << b;
        EXPECT_EQ(name(form.lcard(k)), tileWords(a, b) + ", in your hand");
    }
}

TEST_F(TableReadingTest, AfterEachMoveTheOpenEndsInWordsAndTheLaidTilesByTheirPlace) {
    const int k = t.tilesIn(Table::Place::PlayerHand).front();
    const std::string opening = words(k);
    t.dragTileTo(k, 6225, 3200);
    ASSERT_EQ(t.placeOf(k), Table::Place::Chain);
    EXPECT_EQ(name(form.lcard(k)), opening + ", line of play, opening tile");
    const auto word = [](const std::string& tag) {
        return pipWord(static_cast<int>(plat::ival(tag)));
    };
    EXPECT_EQ(name(form.Shl(0)), "left end: " + word(form.lcard(k).tag()));
    EXPECT_EQ(name(form.Shr(0)), "right end: " + word(form.rcard(k).tag()));

    ASSERT_TRUE(t.runUntilPlayerTurn());
    const bool right = t.val(form.first(1)) == 1;
    ASSERT_EQ(t.val(form.first(right ? 1 : 2)), 1);
    const char* side = right ? "right" : "left";
    int laid = 0;
    for (int j : t.tilesIn(Table::Place::Chain))
        laid = j != k ? j : laid;
    const plat::Image& first = form.lcard(laid);
    const std::string pips =
        tileWords(plat::facePips(first.picture()), plat::facePips(form.rcard(laid).picture()));
    EXPECT_EQ(name(first), pips + ", line of play, 1st tile " + side +
                               " of the opening tile, at the " + side + " end");
    EXPECT_FALSE(reading.describe(right ? form.Shr(0) : form.Shl(0)).inTree());
    EXPECT_EQ(name(right ? form.Shr(1) : form.Shl(1)),
              std::string(side) + " end: " + word((right ? form.cd : form.cu).caption()));
}

TEST_F(TableReadingTest, TheComputersTilesAreNamedByTheirPipsWhileTheyShowThem) {
    std::vector<std::string> seen;
    sys.onEvents = [&](int) {
        if (form.Showcomppic.value() != 1 || !seen.empty()) return;
        for (int k : t.tilesIn(Table::Place::ComputerHand))
            seen.push_back(name(form.lcard(k)));
    };
    form.PushButton2.click();
    std::vector<std::string> expected;
    for (int k : t.tilesIn(Table::Place::ComputerHand))
        expected.push_back("computer's tile, " + words(k));
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(name(form.lcard(t.tilesIn(Table::Place::ComputerHand).front())),
              "computer's tile, face down");
}

TEST_F(TableReadingTest, TheSummaryTellsBothEndsHandsBoneyardScoresAndTurn) {
    EXPECT_EQ(reading.summary(),
              "No tile laid yet. You hold 7 tiles, the computer 7 tiles, the boneyard 14 tiles. "
              "Your score 000, computer's score 000. Your turn.");
    layChain(t, "60 03");  // open on 6 at the left, 3 at the right
    form.pull.setText("13");
    form.cno.setText("1");
    form.compscore.setCaption("012");
    form.changetocomputer();
    EXPECT_EQ(reading.summary(),
              "Left end six, right end three. You hold 5 tiles, the computer 1 tile, the "
              "boneyard 1 tile. Your score 000, computer's score 012. Computer's turn.");
}

}  // namespace
}  // namespace brackwell::testing

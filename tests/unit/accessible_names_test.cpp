// What a screen reader hears of the table: every tile named by the faces it shows and where it
// stands, the open ends by their pips, where a tile of the hand fits, the news of a turn, and
// nothing of the controls that only hold values or decorate.
#include "platform/accessible_names.h"
#include "support/table_checks.h"

namespace brackwell::testing {
namespace {

using plat::AccessibleRole;

class AccessibleTable : public TableTest {
  protected:
    plat::AccessibleNames names{form.window};
    std::string name(const plat::Control& c) { return names.describe(c).name; }
    std::string words(int k) {  // the tile's pips by its tags
        return plat::tileWords(static_cast<int>(plat::ival(form.lcard(k).tag())),
                               static_cast<int>(plat::ival(form.rcard(k).tag())));
    }
    void repaint(int k) {
        form.Text1.setText(std::to_string(k));
        form.showcards();
    }
};

TEST_F(AccessibleTable, ADealtTableNamesEachTileByItsFacesAndItsPlaceAndOnlyItsFirstHalf) {
    const auto hand = t.tilesIn(Table::Place::PlayerHand);
    ASSERT_EQ(hand.size(), 7u);
    for (int k : hand) {
        const plat::AccessibleText d = names.describe(form.lcard(k));
        EXPECT_EQ(d.role, AccessibleRole::HandTile);
        EXPECT_EQ(d.name, words(k) + ", in your hand") << t.pips(k);
        EXPECT_EQ(d.description, "fits: any tile opens the line of play");
    }
    for (int k : t.tilesIn(Table::Place::ComputerHand))
        EXPECT_EQ(name(form.lcard(k)), "computer's tile, face down");
    for (int k : t.tilesIn(Table::Place::Boneyard))
        EXPECT_EQ(name(form.lcard(k)), "boneyard tile");
    for (int k = 1; k <= kTiles; ++k)
        EXPECT_FALSE(names.describe(form.rcard(k)).inTree()) << k;
    EXPECT_EQ(plat::tileWords(0, 6), "blank and six");
}

TEST_F(AccessibleTable, ValuesOutlinesAndHiddenControlsStayOutAndEveryOtherShownControlIsNamed) {
    const plat::Control* helpers[] = {
        &form.List1, &form.AvPmove,  &form.AvCmove, &form.pno,         &form.Text1,
        &form.psc,   &form.csc,      &form.ppsc,    &form.ccsc,        &form.cu,
        &form.cd,    &form.first(1), &form.Shmove,  &form.Shape1,      &form.Showcomppic,
        &form.NabU,  &form.Cover(0), &form.Shr(1),  &form.lblStatusBar};
    for (const plat::Control* c : helpers)
        EXPECT_FALSE(names.describe(*c).inTree()) << c->name() << c->index();
    int named = 0;
    for (const plat::Control* c : form.window.children()) {
        const plat::AccessibleText d = names.describe(*c);
        if (!d.inTree()) continue;
        ++named;
        EXPECT_FALSE(d.name.empty()) << c->name() << c->index();
    }
    // 28 tiles, 2 open ends, 3 buttons, the 2 scores, their 4 captions and the status.
    EXPECT_EQ(named, 28 + 2 + 3 + 2 + 4 + 1);
    EXPECT_EQ(name(form.compscore), "Computer score 000");
    EXPECT_EQ(name(form.lStatus), "Status: Your Turn");
    EXPECT_EQ(name(form.Shl(0)), "left end: no tile laid yet");
}

TEST_F(AccessibleTable, AHandTileSaysWhichEndsItFitsByThePipsItShows) {
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
        EXPECT_EQ(names.describe(form.lcard(k)).description, fit) << left << right << a << b;
        EXPECT_EQ(name(form.lcard(k)), plat::tileWords(a, b) + ", in your hand");
    }
}

TEST_F(AccessibleTable, AfterEachMoveTheOpenEndsTheLaidTilesAndTheNewsAreTold) {
    names.updateNews();
    const int k = t.tilesIn(Table::Place::PlayerHand).front();
    const std::string opening = words(k);
    t.dragTileTo(k, 6225, 3200);
    ASSERT_EQ(t.placeOf(k), Table::Place::Chain);
    EXPECT_EQ(name(form.lcard(k)), opening + ", line of play, opening tile");
    EXPECT_EQ(name(form.Shl(0)), "left end: " + form.lcard(k).tag());
    EXPECT_EQ(name(form.Shr(0)), "right end: " + form.rcard(k).tag());
    EXPECT_TRUE(names.updateNews());
    EXPECT_EQ(names.news(), "You opened with " + opening + ". Status: Computer1.");

    ASSERT_TRUE(t.runUntilPlayerTurn());
    EXPECT_TRUE(names.updateNews());
    EXPECT_FALSE(names.updateNews());  // nothing new
    const bool right = t.val(form.first(1)) == 1;
    ASSERT_EQ(t.val(form.first(right ? 1 : 2)), 1);
    const char* side = right ? "right" : "left";
    const plat::Shape& laidIn = right ? form.Shr(0) : form.Shl(0);
    int laid = 0;
    for (int j : t.tilesIn(Table::Place::Chain))
        laid = j != k ? j : laid;
    const plat::Image& first = form.lcard(laid);
    ASSERT_EQ(std::min(first.left(), form.rcard(laid).left()), laidIn.left() + 25);
    const std::string pips = plat::tileWords(plat::facePips(first.picture()),
                                             plat::facePips(form.rcard(laid).picture()));
    EXPECT_EQ(name(first), pips + ", line of play, 1st tile " + side +
                               " of the opening tile, at the " + side + " end");
    EXPECT_NE(names.news().find("Computer laid " + pips + " at the " + side + " end."),
              std::string::npos)
        << names.news();
    EXPECT_TRUE(names.news().ends_with(" Status: Your Turn.")) << names.news();
    EXPECT_FALSE(names.describe(laidIn).inTree());  // now an outline under a tile
    EXPECT_EQ(name(right ? form.Shr(1) : form.Shl(1)),
              std::string(side) + " end: " + (right ? form.cd : form.cu).caption());
}

TEST_F(AccessibleTable, TheComputersTilesAreNamedByTheirPipsWhileTheyShowThem) {
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

TEST_F(AccessibleTable, ATurnPassedWithoutATileADrawAndANewDealAreNews) {
    t.dragTileTo(t.tilesIn(Table::Place::PlayerHand).front(), 6225, 3200);
    names.updateNews();
    form.changetoplayer();  // the computer could neither lay nor draw
    EXPECT_TRUE(names.updateNews());
    EXPECT_EQ(names.news(), "Computer passed. Status: Your Turn.");
    form.PushButton3.click();
    EXPECT_TRUE(names.updateNews());
    EXPECT_EQ(names.news(), "You drew a tile.");  // a new turn's news starts afresh
    form.PushButton1.click();
    EXPECT_TRUE(names.updateNews());
    EXPECT_TRUE(names.news().starts_with("A new hand is dealt.")) << names.news();
}

}  // namespace
}  // namespace brackwell::testing

// The deal: the double-six set over tiles 1..28, where each tile lies, how it lies, the pip
// totals, who opens, and what "New Game" keeps and clears.
#include <algorithm>
#include <functional>

#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class DealtTable : public TableTest {};

using Place = Table::Place;

int sumOver(Table& t, int from, int to) {
    int sum = 0;
    for (int k = from; k <= to; ++k)
        sum += t.pipTotal(k);
    return sum;
}

TEST(Deal, HandsOutEachPairOnceWithPipTotalsOfTheirHands) {
    std::vector<std::string> doubleSix;
    for (int a = 0; a <= 6; ++a) {
        for (int b = a; b <= 6; ++b)
            doubleSix.push_back(std::to_string(a) + std::to_string(b));
    }
    for (std::uint64_t seed : {1u, 7u, 42u, 1234u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Table t(seed);
        t.form.Form_Load();
        std::vector<std::string> dealt;
        for (int k = 1; k <= kTiles; ++k) {
            std::string a = t.form.lcard(k).tag(), b = t.form.rcard(k).tag();
            if (b < a) std::swap(a, b);
            dealt.push_back(a + b);
        }
        std::sort(dealt.begin(), dealt.end());
        EXPECT_EQ(dealt, doubleSix);
        EXPECT_EQ(sumOver(t, 1, 28), 168);
        EXPECT_EQ(t.val(t.form.csc), sumOver(t, 15, 21));
        EXPECT_EQ(t.val(t.form.psc), sumOver(t, 22, 28));
    }
}

// Where tile k's halves lie after the deal: first half (Left, Top), second half (Left, Top).
struct DealtPlace {
    const char* place;
    int from, to, lie;
    std::function<std::array<int, 4>(int)> at;
};

const DealtPlace kDealtPlaces[] = {
    {"boneyard column, lying", 1, 14, 2,
     [](int k) {
         return std::array{540, 650 + 435 * k, 120, 650 + 435 * k};
     }},
    {"computer's row, standing", 15, 21, 1,
     [](int k) {
         const int left = 1350 + 485 * (k - 14);
         return std::array{left, 60, left, 480};
     }},
    {"player's row, standing", 22, 28, 1,
     [](int k) {
         const int left = 1350 + 485 * (k - 21);
         return std::array{left, 7675, left, 8095};
     }},
};

TEST_F(DealtTable, DealLaysBoneyardAndHandsInTheirRowsWithTheirOrientationCodes) {
    for (const DealtPlace& p : kDealtPlaces) {
        for (int k = p.from; k <= p.to; ++k) {
            SCOPED_TRACE(std::string(p.place) + ", tile " + std::to_string(k));
            const auto want = p.at(k);
            EXPECT_EQ((std::array{form.lcard(k).left(), form.lcard(k).top(), form.rcard(k).left(),
                                  form.rcard(k).top()}),
                      want);
            EXPECT_EQ(form.tileLie(k), p.lie);
            EXPECT_TRUE(form.lcard(k).visible() && form.rcard(k).visible());
        }
    }
    for (int k = 15; k <= 28; ++k) {
        EXPECT_EQ(k <= 21 ? form.compTiles(k - 14) : form.playerTiles(k - 21), k);
    }
    EXPECT_EQ(form.List1.items(),
              (std::vector<std::string>{"15", "16", "17", "18", "19", "20", "21"}));
    EXPECT_EQ(form.pno.text(), "7");
    EXPECT_EQ(form.cno.text(), "7");
}

TEST_F(DealtTable, OpeningAlternatesPlayerComputerPlayerAcrossNewGames) {
    EXPECT_EQ(form.mturn.text(), "1");
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);
    const char* opens[] = {kComputerTurn, kYourTurn, kComputerTurn};
    for (const char* status : opens) {
        sys.runFor(3000);  // whatever happens in the hand does not decide the next opener
        MouseRouter::click(form.PushButton1);
        EXPECT_EQ(form.lStatus.caption(), status);
        EXPECT_EQ(form.mturn.text(), status == std::string(kYourTurn) ? "1" : "2");
    }
}

TEST_F(DealtTable, NewGameCarriesTheShownScoresAndClearsTheLastHand) {
    form.compscore.setCaption("012");
    form.playerscore.setCaption("034");
    form.cu.setCaption("4");
    form.cd.setCaption("6");
    form.first(0).setCaption("1");
    form.first(1).setCaption("3");
    form.first(2).setCaption("2");
    form.pull.setText("5");
    form.lblStatusBar.setCaption("You Choose Card  4 / 6");

    MouseRouter::click(form.PushButton1);

    EXPECT_EQ(form.ccsc.caption(), "012");
    EXPECT_EQ(form.ppsc.caption(), "034");
    EXPECT_EQ(form.compscore.caption(), "012");
    EXPECT_EQ(form.playerscore.caption(), "034");
    for (const plat::Label* l :
         {&form.cu, &form.cd, &form.first(0), &form.first(1), &form.first(2)})
        EXPECT_EQ(l->caption(), "0") << l->name();
    EXPECT_EQ(form.pull.text(), "0");
    EXPECT_EQ(form.lblStatusBar.caption(), "");
    EXPECT_EQ(t.val(form.csc), sumOver(t, 15, 21));
    EXPECT_EQ(t.val(form.psc), sumOver(t, 22, 28));
    EXPECT_EQ(t.tilesIn(Place::Boneyard).size(), 14u);
    EXPECT_EQ(t.tilesIn(Place::ComputerHand).size(), 7u);
    EXPECT_EQ(t.tilesIn(Place::PlayerHand).size(), 7u);
}

}  // namespace
}  // namespace brackwell::testing

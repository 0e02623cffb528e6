// Start-up and the deal: the optional files, caption and title, the error message, the set, where
// each tile lies and what it shows, who opens, what "New Game" carries over, and the preview.
#include <numeric>
#include <set>

#include "support/table_checks.h"

namespace brackwell::testing {
namespace {

using plat::headless::FileKind;
class DealtTable : public TableTest {};

TEST(StartUp, OptionalFilesChangeOnlyTheLookTheGameIsAlwaysDealtAndTheTitleIsShort) {
    const std::optional<FileKind> none, plain = FileKind::Plain, garbage = FileKind::Garbage;
    // The skin file, the cursor file, then whether the skin is applied and the pointer set.
    const std::tuple<std::optional<FileKind>, std::optional<FileKind>, bool, bool> cases[] = {
        {none, none, false, false},    {plain, none, true, false},
        {garbage, none, false, false}, {FileKind::Directory, none, false, false},
        {none, plain, false, true},    {none, garbage, false, false}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [skin, cursor, skinned, pointer] = cases[i];
        Table t;
        if (skin) t.sys.addFile("x/o.cjs", *skin);
        if (cursor) t.sys.addFile("HAND-M.CUR", *cursor);
        t.form.Form_Load();
        EXPECT_EQ(t.sys.skinApplied.has_value(), skinned) << "case " << i;
        EXPECT_EQ(t.form.window.backColour() == plat::kButtonFace, skinned) << i;
        EXPECT_EQ(t.form.window.mouseIcon() != 0, pointer) << i;
        EXPECT_TRUE(t.sys.messages.empty()) << i;
        EXPECT_EQ(t.tilesIn(Table::Place::Boneyard).size(), 14u) << i;
        EXPECT_EQ(t.form.window.caption() + "|" + t.sys.appTitle(), "Brackwell|Brackwell");
    }
    // The title drops the product name's last word, then words until 40 characters are left.
    EXPECT_EQ(applicationTitle("Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota"),
              "Alpha Beta Gamma Delta Epsilon Zeta Eta");
}

// The player's count traps its seven passes; a failure in the computer's first reaches the tick.
TEST_F(DealtTable, AnUntrappedFailureInATimerTickIsReportedWithTheApplicationErrorMessage) {
    form.Timer2.setEnabled(false);
    sys.failNext(plat::headless::Service::DoEvents, "Device unavailable", 7);
    sys.runFor(1000);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text,
              "Device unavailable\r\nin BrackwellGame2021/08/31.Form1.Timer1_Timer at line " +
                  std::to_string(sys.failedAt->line()) +
                  "\r\rPlease email screenshot of this message to support@brackwell.example");
    EXPECT_EQ(sys.messages[0].style, 48);
    EXPECT_EQ(sys.messages[0].title, "Application Error");
    EXPECT_FALSE(sys.ended);
}

TEST_F(DealtTable, DealHandsOutEachPairOnceAndTotalsThePipsOfEachHand) {
    std::set<std::string> pairs;  // a pair dealt twice would shorten the list below
    int comp = 0, player = 0;
    for (int k = 1; k <= kTiles; ++k) {
        const std::string a = form.lcard(k).tag(), b = form.rcard(k).tag();
        pairs.insert(std::min(a, b) + std::max(a, b) + " ");
        (k >= 22 ? player : comp) += k >= 15 ? t.pipTotal(k) : 0;
    }
    EXPECT_EQ(
        std::accumulate(pairs.begin(), pairs.end(), std::string()),
        "00 01 02 03 04 05 06 11 12 13 14 15 16 22 23 24 25 26 33 34 35 36 44 45 46 55 56 66 ");
    EXPECT_EQ(t.val(form.csc), comp);
    EXPECT_EQ(t.val(form.psc), player);
}

TEST_F(DealtTable, DealLaysTheTilesWithTheirCodesShowsOnlyThePlayersFacesAndTheFirstSlots) {
    // The ends of the boneyard column (lying) and of both hand rows (standing).
    const std::tuple<int, Halves, int, const char*> rows[] = {
        {1, {540, 1085, 120, 1085}, 2, "back off"},   {14, {540, 6740, 120, 6740}, 2, "back off"},
        {15, {1835, 60, 1835, 480}, 1, "back off"},   {21, {4745, 60, 4745, 480}, 1, "back off"},
        {22, {1835, 7675, 1835, 8095}, 1, "face on"}, {28, {4745, 7675, 4745, 8095}, 1, "face on"}};
    for (const auto& [k, at, lie, looks] : rows) {
        EXPECT_EQ(halvesOf(form, k), at) << k;
        EXPECT_EQ(form.tileLie(k), lie) << k;
        EXPECT_EQ(looksOf(form, k), looks) << k;
    }
    for (int i = 0; i < kSlotsPerBranch; ++i)  // the empty table: only the first slot of each
        EXPECT_EQ(form.Shr(i).visible() + form.Shl(i).visible(), i == 0 ? 2 : 0) << i;
}

TEST_F(DealtTable, NewGamePassesTheOpeningCarriesTheShownScoresAndClearsTheLastHand) {
    form.compscore.setCaption("012");
    form.playerscore.setCaption("034");
    for (plat::Label* l : {&form.cu, &form.cd, &form.first(0), &form.first(1), &form.first(2)})
        l->setCaption("3");
    form.compTiles(8) = form.playerTiles(8) = 1;  // a draw of the last hand
    MouseRouter::click(form.PushButton1);
    EXPECT_EQ(form.ccsc.caption() + form.ppsc.caption(), "012034");
    EXPECT_EQ(form.cu.caption() + form.cd.caption() + form.first(0).caption() +
                  form.first(1).caption() + form.first(2).caption(),
              "00000");
    EXPECT_EQ(form.compTiles(8) + form.playerTiles(8), 0);
    EXPECT_EQ(form.lStatus.caption(), kComputerTurn);
    MouseRouter::click(form.PushButton1);
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);
}

TEST_F(DealtTable, ShowcardsGivesFacesOnTheTableTurnedForALyingTileAndBacksOutsideIt) {
    // Off the table last: showcards disables a tile there but never enables one.
    const std::pair<Halves, const char*> cases[] = {
        {{1835, 7675, 1835, 8095}, "face on"},   {{7120, 4045, 7540, 4045}, "turned on"},
        {{11170, 4540, 11170, 4960}, "face on"}, {{1081, 4000, 1501, 4000}, "turned on"},
        {{3000, 1000, 3420, 1000}, "turned on"}, {{1080, 4000, 1500, 4000}, "back off"},
        {{3000, 999, 3420, 999}, "back off"}};
    form.turnFaces = 1;
    form.Text1.setText("22");
    for (const auto& [at, looks] : cases) {
        moveTile(form, 22, at);
        form.showcards();
        EXPECT_EQ(looksOf(form, 22), looks) << at[0] << ", " << at[1];
    }
}

TEST_F(DealtTable, PreviewShowsTheFaceOnThePlayersTurnOrWhenAskedAndTheBackOtherwise) {
    form.Text1.setText("22");
    const auto faces = std::pair(form.lcard(22).picture(), form.rcard(22).picture());
    const auto preview = [&] {
        form.showcards();
        return std::pair(form.NabU.picture(), form.NabD.picture());
    };
    EXPECT_EQ(preview(), faces);  // the player's turn
    form.lStatus.setCaption(kComputerTurn);
    EXPECT_EQ(preview(), std::pair(plat::kTileBack, plat::kTileBack));
    form.previewFaceUp = 1;
    EXPECT_EQ(preview(), faces);
}

}  // namespace
}  // namespace brackwell::testing

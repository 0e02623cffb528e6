// The player's drag and drop through the mouse: a tile of the hand row is pressed, dragged
// over the table with its frame and let go; it is laid, opens the chain, or goes back home.
#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class DragTable : public TableTest {};

using plat::kLeftButton;
using plat::kRightButton;

constexpr int kTile = 22;

// An opened chain with ends 2 (left) and 5 (right), the next right slot Shr(2), the player to
// move and the hand row packed; tile 22 holds a-b.
void openChain(Table& t, int a, int b) {
    t.setTile(kTile, a, b);
    t.form.first(0).setCaption("1");
    t.form.first(1).setCaption("2");
    t.form.cu.setCaption("2");
    t.form.cd.setCaption("5");
    t.form.packhands();
    t.form.changetoplayer();
}

// The centre of the tile's first half, where the mouse takes it.
int grabX(Table& t) {
    return t.form.lcard(kTile).left() + 200;
}
int grabY(Table& t) {
    return t.form.lcard(kTile).top() + 200;
}

void expectAtHome(Table& t) {
    EXPECT_EQ(t.form.lcard(kTile).left(), 1830);
    EXPECT_EQ(t.form.lcard(kTile).top(), 7675);
    EXPECT_EQ(t.form.rcard(kTile).left(), 1830);
    EXPECT_EQ(t.form.rcard(kTile).top(), 8095);
}

TEST(TileDrop, TheFirstTileDroppedAnywhereOnTheTableGoesToTheOpeningPlace) {
    for (auto [left, top] : {std::pair{2000, 2000}, std::pair{9000, 6000}, std::pair{6025, 4000},
                             std::pair{1200, 7100}}) {
        SCOPED_TRACE("dropped at (" + std::to_string(left) + ", " + std::to_string(top) + ")");
        Table t;
        t.form.Form_Load();
        t.setTile(kTile, 3, 5);
        t.dragTileTo(kTile, left, top);
        const Form1& f = t.form;
        EXPECT_EQ(
            (std::array{f.lcard(kTile).left(), f.lcard(kTile).top(), f.lcard(kTile).width(),
                        f.rcard(kTile).left(), f.rcard(kTile).top(), f.rcard(kTile).height()}),
            (std::array{6025, 4000, 400, 6450, 4000, 400}));
        EXPECT_EQ(f.first(0).caption(), "1");
        EXPECT_EQ(f.cu.caption(), "3");
        EXPECT_EQ(f.cd.caption(), "5");
        EXPECT_EQ(f.lblStatusBar.caption(), "You Choose Card  3 / 5");
        EXPECT_EQ(f.lStatus.caption(), kComputerTurn);
        EXPECT_EQ(f.pno.text(), "6");
        EXPECT_TRUE(f.Timer1.enabled());
    }
}

TEST_F(DragTable, ALaterTileDroppedOnAMatchingEndIsLaidInItsNextSlotAndTheTurnPasses) {
    openChain(t, 5, 6);
    t.dragTileTo(kTile, 7200, 4100);
    // Shr(2) is at (8895, 4020); 5 matched the right end with the first half, on the left.
    EXPECT_EQ(form.lcard(kTile).left(), 8920);
    EXPECT_EQ(form.lcard(kTile).top(), 4045);
    EXPECT_EQ(form.rcard(kTile).left(), 9340);
    EXPECT_EQ(form.rcard(kTile).top(), 4045);
    EXPECT_EQ(form.first(1).caption(), "3");
    EXPECT_EQ(form.cd.caption(), "6");
    EXPECT_EQ(form.lStatus.caption(), kComputerTurn);
    EXPECT_EQ(form.lStatus.top(), 1100);
    EXPECT_TRUE(form.Timer1.enabled());
    // Lying on the line of play it shows its quarter-turned faces.
    EXPECT_EQ(form.lcard(kTile).picture(), plat::kFaceBase + 5 + plat::kTurnedOffset);
    EXPECT_EQ(form.rcard(kTile).picture(), plat::kFaceBase + 6 + plat::kTurnedOffset);
}

TEST(TileDrop, ATileThatFitsNowhereOrIsLetGoBelowTop7100GoesBackHome) {
    struct Case {
        const char* what;
        int a, b, left, top;
        bool laid;
    };
    const Case cases[] = {
        {"on the left end it does not fit", 5, 6, 5000, 4100, false},
        {"on the right end, fitting neither end", 1, 3, 7200, 4100, false},
        {"at Top 7101, over the right end it fits", 5, 6, 7200, 7101, false},
        {"at Top 7100, over the right end it fits", 5, 6, 7200, 7100, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Table t;
        t.form.Form_Load();
        openChain(t, c.a, c.b);
        t.dragTileTo(kTile, c.left, c.top);
        EXPECT_TRUE(t.form.Timer1.enabled());
        EXPECT_EQ(t.form.first(1).caption(), c.laid ? "3" : "2");
        EXPECT_EQ(t.form.lStatus.caption(), c.laid ? kComputerTurn : kYourTurn);
        if (!c.laid) expectAtHome(t);
    }
}

TEST_F(DragTable, TheHintNamesTheTileOnlyWhileAHalfMatchesAnOpenEnd) {
    for (auto [a, b, hint] :
         {std::tuple{5, 6, "You Choose Card  5 / 6"}, std::tuple{6, 2, "You Choose Card  6 / 2"},
          std::tuple{1, 3, "earlier text"}}) {
        SCOPED_TRACE(hint);
        openChain(t, a, b);
        form.lblStatusBar.setCaption("earlier text");
        t.mouse.press(grabX(t), grabY(t), kLeftButton);
        t.mouse.move(6000, 3000, kLeftButton);
        EXPECT_EQ(form.lblStatusBar.caption(), hint);
        t.mouse.move(6000, 7900, kLeftButton);  // let go in the row: back home
        t.mouse.release(6000, 7900, kLeftButton);
    }
}

TEST_F(DragTable, DuringADragBothHalvesAre400AndTheFrameFollowsTheFirstHalf) {
    openChain(t, 5, 6);
    t.mouse.press(grabX(t), grabY(t), kLeftButton);
    EXPECT_FALSE(form.Timer1.enabled());
    for (auto [x, y] : {std::pair{4000, 6000}, std::pair{8300, 2700}}) {
        t.mouse.move(x, y, kLeftButton);
        for (const plat::Image* half : {&form.lcard(kTile), &form.rcard(kTile)}) {
            EXPECT_EQ(half->width(), 400);
            EXPECT_EQ(half->height(), 400);
        }
        EXPECT_EQ(form.lcard(kTile).left(), x - 200);
        EXPECT_EQ(form.lcard(kTile).top(), y - 200);
        EXPECT_EQ(form.rcard(kTile).top() - form.lcard(kTile).top(), 420);
        EXPECT_TRUE(form.Shmove.visible());
        EXPECT_EQ(form.Shmove.left(), form.lcard(kTile).left() - 25);
        EXPECT_EQ(form.Shmove.top(), form.lcard(kTile).top() - 25);
        EXPECT_EQ(form.Shmove.width(), 485);
        EXPECT_EQ(form.Shmove.height(), 900);
    }
    t.mouse.release(8300, 2700, kLeftButton);
    EXPECT_FALSE(form.Shmove.visible());
    EXPECT_TRUE(form.Timer1.enabled());
}

TEST_F(DragTable, AClickWithoutMovingLeavesTheTileAtHomeAndRestartsTheTurnTick) {
    openChain(t, 5, 6);
    t.mouse.press(grabX(t), grabY(t), kLeftButton);
    t.mouse.release(grabX(t), grabY(t), kLeftButton);
    expectAtHome(t);
    EXPECT_FALSE(form.Shmove.visible());
    EXPECT_TRUE(form.Timer1.enabled());
}

TEST_F(DragTable, APressOutsideThePlayersTurnChangesNothingAndTheDragAfterItMovesNothing) {
    openChain(t, 5, 6);
    form.changetocomputer();
    const std::string text1 = form.Text1.text();
    sys.recordChanges = true;
    t.mouse.press(grabX(t), grabY(t), kLeftButton);
    EXPECT_TRUE(form.Timer1.enabled());
    EXPECT_TRUE(form.Timer2.enabled());
    t.mouse.move(7400, 4300, kLeftButton);
    t.mouse.release(7400, 4300, kLeftButton);
    EXPECT_TRUE(sys.changes.empty())
        << sys.changes.size() << " controls changed, first " << sys.changes.front().first->name();
    EXPECT_EQ(form.Text1.text(), text1);
    expectAtHome(t);
    EXPECT_EQ(form.first(1).caption(), "2");
}

TEST_F(DragTable, APressOnATileAlreadyOnTheChainDoesNothing) {
    t.setTile(kTile, 3, 5);
    t.dragTileTo(kTile, 6025, 4000);  // opens the chain
    form.changetoplayer();
    ASSERT_TRUE(form.lcard(kTile).enabled());
    form.Text1.setText("0");
    t.mouse.drag(6225, 4200, 7400, 4300);
    EXPECT_EQ(form.lcard(kTile).left(), 6025);
    EXPECT_EQ(form.lcard(kTile).top(), 4000);
    EXPECT_EQ(form.Text1.text(), "0");
    EXPECT_FALSE(form.Shmove.visible());
    EXPECT_EQ(form.first(1).caption(), "0");
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);
    EXPECT_TRUE(form.Timer1.enabled());
}

// The right button cancels a drag: the tile must not be laid where the left button lets it go.
TEST_F(DragTable, ARightButtonPressDuringADragSendsTheTileHomeOnTheRelease) {
    openChain(t, 5, 6);
    t.mouse.press(grabX(t), grabY(t), kLeftButton);
    t.mouse.move(7400, 4300, kLeftButton);  // over the right end, where 5-6 fits
    t.mouse.press(7400, 4300, kRightButton);
    t.mouse.release(7400, 4300, kLeftButton);
    t.mouse.release(7400, 4300, kRightButton);
    expectAtHome(t);
    EXPECT_EQ(form.first(1).caption(), "2");
    EXPECT_EQ(form.cd.caption(), "5");
    EXPECT_EQ(form.lStatus.caption(), kYourTurn);
    EXPECT_TRUE(form.Timer1.enabled());
}

}  // namespace
}  // namespace brackwell::testing

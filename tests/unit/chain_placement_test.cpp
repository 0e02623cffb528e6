// Laying a tile on the line of play, by the procedures and by the player's mouse: the end chosen
// from where its first half lies, the match by the next slot's tag, the turn and place it takes.
#include "chain/chain_layout.h"
#include "support/table_checks.h"

namespace brackwell::testing {
namespace {

constexpr End R = End::Right, L = End::Left, N = End::None;

// The player lays tile k at an end, having taken it up by its first half.
void layAt(Form1& f, End end, int k = 22) {
    f.changetoplayer();
    f.Text1.setText(std::to_string(k));
    f.mu.setCaption(f.lcard(k).tag());
    f.md.setCaption(f.rcard(k).tag());
    f.lcard(k).move(end == R ? 7200 : 5000, 4100);
    f.domook();
}

class PlacementTable : public TableTest {};

TEST_F(PlacementTable, RotatemeTurnsAnyCodeToTheTargetAndLaysTheHalves420ApartFromTheSlotsCorner) {
    // Codes 1 to 4: standing first half up, lying first half right, standing down, lying left.
    const Halves lies[] = {{2345, 4045, 2345, 4465},
                           {2765, 4045, 2345, 4045},
                           {2345, 4465, 2345, 4045},
                           {2345, 4045, 2765, 4045}};
    form.Text1.setText("22");
    form.Label6.setCaption("2345");
    form.Label7.setCaption("4045");
    for (int from = 1; from <= 4; ++from) {
        for (int code = 1; code <= 4; ++code) {
            form.tileLie(22) = from;
            form.Label1.setCaption(std::to_string(code));
            form.rotateme();
            EXPECT_EQ(halvesOf(form, 22), lies[code - 1]) << from << " to " << code;
            EXPECT_EQ(form.tileLie(22), code);
        }
    }
    for (const char* code : {"0", "5", ""}) {  // no such code: neither a hang nor a move
        form.Label1.setCaption(code);
        form.rotateme();
        EXPECT_EQ(halvesOf(form, 22), lies[3]) << code;
        EXPECT_EQ(form.tileLie(22), 4);
    }
}

TEST(EndRegions, TheEndIsChosenFromTheFirstHalfsPlaceAndTheLeftEndWinsTheOverlap) {
    const std::tuple<int, int, End> cases[] = {
        {6025, 4000, N}, {6900, 4000, N}, {6901, 4000, R}, {7000, 3999, L}, {5999, 4500, L},
        {6000, 4500, R}, {6500, 4450, N}, {6500, 4451, R}, {3000, 4550, L}, {3000, 4551, R},
        {3000, 7484, R}, {3000, 7485, N}, {1080, 5000, N}, {1081, 5000, R}, {1080, 3000, N},
        {1081, 3000, L}, {3000, 1000, N}, {3000, 1001, L}, {7000, 1000, N}};
    for (auto [x, y, end] : cases)
        EXPECT_EQ(endAt(x, y), end) << x << ", " << y;
}

TEST_F(PlacementTable, EachRowOfBothMatchTablesSetsTheNewOpenValueAndTheOrientationCode) {
    // The end open on 3, its next slot (tag 2 at 0, 1 at 5, 4 at 6), the tile, the code it takes.
    const std::tuple<End, int, int, int, int> rows[] = {
        {R, 0, 3, 5, 4}, {R, 0, 5, 3, 2}, {R, 5, 3, 5, 1}, {R, 5, 5, 3, 3}, {R, 6, 3, 5, 2},
        {R, 6, 5, 3, 4}, {R, 0, 3, 3, 4}, {R, 5, 3, 3, 1}, {R, 6, 3, 3, 2}, {L, 0, 3, 5, 2},
        {L, 0, 5, 3, 4}, {L, 5, 3, 5, 3}, {L, 5, 5, 3, 1}, {L, 6, 3, 5, 4}, {L, 6, 5, 3, 2},
        {L, 0, 3, 3, 2}, {L, 5, 3, 3, 3}, {L, 6, 3, 3, 4}};
    form.first(0).setCaption("1");
    for (auto [end, slot, a, b, code] : rows) {
        t.setTile(22, a, b);
        form.first(end == R ? 1 : 2).setCaption(std::to_string(slot));
        form.cu.setCaption(end == R ? "9" : "3");
        form.cd.setCaption(end == R ? "3" : "9");
        layAt(form, end);
        const std::string other = std::to_string(a == 3 ? b : a);
        EXPECT_EQ(form.cu.caption() + form.cd.caption(), end == R ? "9" + other : other + "9");
        EXPECT_EQ(form.tileLie(22), code)
            << (end == R ? "right " : "left ") << slot << ", " << a << b;
        EXPECT_EQ(form.first(end == R ? 1 : 2).caption(), std::to_string(slot + 1));
    }
}

// The whole set in a round: 0-0 opens, then tile i + 1 holds v[i] and v[i + 1].
constexpr int kRound[29] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 0,
                            2, 4, 6, 1, 3, 5, 0, 3, 6, 2, 5, 1, 4, 0};

// Each tile goes to the next slot, which is shown, at its corner + 25 with the halves 420 apart.
TEST(Placement, AWholeBranchAtEitherEndRunsThroughBothCornersSlotBySlot) {
    for (End end : {R, L}) {
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        for (int i = 0; i <= 27; ++i) {
            f.lcard(i + 1).setTag(std::to_string(kRound[i + (i % 2 == 0)]));
            f.rcard(i + 1).setTag(std::to_string(kRound[i + (i % 2 == 1)]));
        }
        f.Text1.setText("1");
        f.domook();  // the player opens with 0-0
        for (int i = 1; i <= 27; ++i) {
            const SlotPlace& slot = (end == R ? rightSlots() : leftSlots())[i - 1];
            const bool firstMatches = f.lcard(i + 1).tag() == std::to_string(kRound[i]);
            layAt(f, end, i + 1);
            SCOPED_TRACE((end == R ? "right slot " : "left slot ") + std::to_string(i - 1));
            EXPECT_EQ((end == R ? f.cd : f.cu).caption(), std::to_string(kRound[i + 1]));
            for (int s = i; s <= i + 1 && s < kSlotsPerBranch; ++s)
                EXPECT_EQ((end == R ? f.Shr(s) : f.Shl(s)).visible(), s == i) << s;
            // Corners run down (right) or up (left); the matching half meets the tile before.
            const int step = (end == R) == (slot.tag != 4) ? 420 : -420, back = step < 0 ? 420 : 0;
            const int x = slot.left + 25, y = slot.top + 25;
            const Halves near = slot.tag == 1 ? Halves{x, y + back, x, y + back + step}
                                              : Halves{x + back, y, x + back + step, y};
            EXPECT_EQ(halvesOf(f, i + 1),
                      (firstMatches ? near : Halves{near[2], near[3], near[0], near[1]}));
        }
    }
}

TEST_F(PlacementTable, TheFirstTileDroppedAnywhereOnTheTableGoesToTheOpeningPlace) {
    t.setTile(22, 3, 5);
    t.dragTileTo(22, 9000, 6000);
    EXPECT_EQ(halvesOf(form, 22), (Halves{6025, 4000, 6450, 4000}));
    EXPECT_EQ(form.lcard(22).width() + form.rcard(22).height(), 800);
    EXPECT_EQ(form.first(0).caption() + form.cu.caption() + form.cd.caption() + form.pno.text(),
              "1356");
    EXPECT_EQ(form.lblStatusBar.caption(), "You Choose Card  3 / 5");
    EXPECT_EQ(form.lStatus.caption(), kComputerTurn);
}

// On a chain open on 2 and 5 with Shr(2) next, a right press during the drag or a tile let go
// below Top 7100 or where it fits no end goes home. Every release restarts the turn tick.
TEST(TileDrag, ATileIsLaidOnlyWhereItFitsAboveTheHandRowAndOtherwiseGoesHome) {
    const std::tuple<int, int, int, bool, bool, const char*> cases[] = {
        {56, 7200, 4100, false, true, "5 / 6"},  {56, 7200, 7100, false, true, "5 / 6"},
        {56, 7200, 7101, false, false, "5 / 6"}, {56, 5000, 4100, false, false, "5 / 6"},
        {62, 7200, 4100, false, false, "6 / 2"}, {13, 7200, 4100, false, false, ""},
        {56, 7200, 4100, true, false, "5 / 6"}};
    for (const auto& [pips, x, y, rightPress, laid, hint] : cases) {
        SCOPED_TRACE(std::to_string(pips) + " to " + std::to_string(x) + ", " + std::to_string(y));
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        t.setTile(22, pips / 10, pips % 10);
        f.first(0).setCaption("1");
        f.first(1).setCaption("2");
        f.cu.setCaption("2");
        f.cd.setCaption("5");
        f.packhands();
        f.changetoplayer();
        t.mouse.press(2030, 7875, plat::kLeftButton);
        t.mouse.move(x + 200, y + 200, plat::kLeftButton);
        if (rightPress) t.mouse.press(x + 200, y + 200, plat::kRightButton);
        t.mouse.release(x + 200, y + 200, plat::kLeftButton);
        if (rightPress) t.mouse.release(x + 200, y + 200, plat::kRightButton);
        EXPECT_TRUE(f.Timer1.enabled());
        EXPECT_EQ(halvesOf(f, 22),
                  (laid ? Halves{8920, 4045, 9340, 4045} : Halves{1830, 7675, 1830, 8095}));
        EXPECT_EQ(f.first(1).caption() + f.cd.caption(), laid ? "36" : "25");
        EXPECT_EQ(f.lStatus.caption(), laid ? kComputerTurn : kYourTurn);
        EXPECT_EQ(f.lblStatusBar.caption(), *hint ? "You Choose Card  " + std::string(hint) : "");
    }
}

TEST(TileDrag, APressOutsideThePlayersTurnOrOnATileOfTheChainChangesNothing) {
    for (bool onChain : {false, true}) {
        Table t;
        t.form.Form_Load();
        if (onChain) t.dragTileTo(22, 6025, 4000);  // opens the chain
        onChain ? t.form.changetoplayer() : t.form.changetocomputer();
        const Halves before = halvesOf(t.form, 22);
        t.sys.recordChanges = true;
        t.mouse.drag(before[0] + 200, before[1] + 200, 7400, 4300);
        EXPECT_TRUE(t.sys.changes.empty()) << t.sys.changes.size() << " changes";
        EXPECT_TRUE(t.form.Timer1.enabled() && t.form.Timer2.enabled());
    }
}

}  // namespace
}  // namespace brackwell::testing

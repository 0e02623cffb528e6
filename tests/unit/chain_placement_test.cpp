// Placing a tile on the line of play: the end is chosen from where the tile's first half lies,
// the tile is matched against that end by the next slot's tag, and it is laid into that slot.
#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

constexpr int kTile = 22;

struct RegionCase {
    int x, y;
    End end;
};

const RegionCase kRegions[] = {
    {7200, 4100, End::Right}, {5000, 4100, End::Left},  {5000, 4500, End::Left},
    {1000, 4100, End::None},  {6025, 4000, End::None},  {6900, 4000, End::None},
    {6901, 4000, End::Right}, {7000, 3999, End::Left},  {5999, 4500, End::Left},
    {6000, 4500, End::Right}, {6500, 4450, End::None},  {6500, 4451, End::Right},
    {3000, 4550, End::Left},  {3000, 4551, End::Right}, {3000, 7484, End::Right},
    {3000, 7485, End::None},  {7200, 7485, End::None},  {1080, 5000, End::None},
    {1081, 5000, End::Right}, {1080, 3000, End::None},  {1081, 3000, End::Left},
    {3000, 1000, End::None},  {3000, 1001, End::Left},  {7000, 1000, End::None},
    {3000, 2000, End::Left},  {3000, 5000, End::Right},
};

TEST(EndRegions, TheEndIsChosenFromTheFirstHalfsPlaceAndTheLeftEndWinsTheOverlap) {
    for (const RegionCase& c : kRegions)
        EXPECT_EQ(endAt(c.x, c.y), c.end) << "(" << c.x << ", " << c.y << ")";
}

// The player to move on an opened chain with the given open ends; tile 22 holds a-b and was
// picked up from its place in the row.
void openChain(Table& t, const char* left, const char* right, int a, int b) {
    Form1& f = t.form;
    t.setTile(kTile, a, b);
    f.first(0).setCaption("1");
    f.cu.setCaption(left);
    f.cd.setCaption(right);
    f.changetoplayer();
    f.homeLeftL(1) = f.homeLeftR(1) = f.lcard(kTile).left();
    f.homeTopL(1) = f.lcard(kTile).top();
    f.homeTopR(1) = f.rcard(kTile).top();
}

void placeAt(Table& t, int x, int y) {
    Form1& f = t.form;
    f.Text1.setText(std::to_string(kTile));
    f.mu.setCaption(f.lcard(kTile).tag());
    f.md.setCaption(f.rcard(kTile).tag());
    f.lcard(kTile).move(x, y);
    f.domook();
}

TEST(Placement, TileGoesToTheEndWhoseRegionHoldsItAndFitsOrElseBackHome) {
    struct Case {
        int a, b, x, y;
        End laidAt;
    };
    // Ends 2 (left) and 5 (right); 2-5 fits both, 2-6 only the left.
    const Case cases[] = {
        {2, 5, 7200, 4100, End::Right}, {2, 5, 5000, 4100, End::Left},
        {2, 5, 5000, 4500, End::Left},  {2, 5, 3000, 7484, End::Right},
        {2, 5, 3000, 7485, End::None},  {2, 5, 1000, 4100, End::None},
        {2, 5, 6025, 4000, End::None},  {2, 6, 7200, 4100, End::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + "-" + std::to_string(c.b) + " at (" +
                     std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        Table t;
        t.form.Form_Load();
        openChain(t, "2", "5", c.a, c.b);
        const auto psc = t.val(t.form.psc);
        placeAt(t, c.x, c.y);
        EXPECT_EQ(t.form.first(1).caption(), c.laidAt == End::Right ? "1" : "0");
        EXPECT_EQ(t.form.first(2).caption(), c.laidAt == End::Left ? "1" : "0");
        if (c.laidAt == End::None) {
            EXPECT_EQ(t.placeOf(kTile), Table::Place::PlayerHand);
            EXPECT_EQ(t.form.lcard(kTile).top(), 7675);
            EXPECT_EQ(t.form.rcard(kTile).top(), 8095);
            EXPECT_EQ(t.form.lStatus.caption(), kYourTurn);
        } else {
            EXPECT_EQ(t.placeOf(kTile), Table::Place::Chain);
            EXPECT_EQ(t.val(t.form.psc), psc - c.a - c.b);
            EXPECT_EQ(t.form.pno.text(), "6");
            EXPECT_EQ(t.form.lStatus.caption(), kComputerTurn);
        }
    }
}

struct MatchRow {
    End end;
    int slot;  // next free slot: 0 has tag 2, 5 tag 1, 6 tag 4
    int a, b;  // the tile; the end is open on 3
    int newEnd, code;
};

// Both ends' tables, every row, with the first half tried first for a double.
const MatchRow kMatchRows[] = {
    {End::Right, 0, 3, 5, 5, 4}, {End::Right, 0, 5, 3, 5, 2}, {End::Right, 5, 3, 5, 5, 1},
    {End::Right, 5, 5, 3, 5, 3}, {End::Right, 6, 3, 5, 5, 2}, {End::Right, 6, 5, 3, 5, 4},
    {End::Right, 0, 3, 3, 3, 4}, {End::Right, 5, 3, 3, 3, 1}, {End::Right, 6, 3, 3, 3, 2},
    {End::Left, 0, 3, 5, 5, 2},  {End::Left, 0, 5, 3, 5, 4},  {End::Left, 5, 3, 5, 5, 3},
    {End::Left, 5, 5, 3, 5, 1},  {End::Left, 6, 3, 5, 5, 4},  {End::Left, 6, 5, 3, 5, 2},
    {End::Left, 0, 3, 3, 3, 2},  {End::Left, 5, 3, 3, 3, 3},  {End::Left, 6, 3, 3, 3, 4},
};

TEST(Placement, EachRowOfBothMatchTablesSetsTheNewOpenValueAndTheOrientationCode) {
    for (const MatchRow& r : kMatchRows) {
        const bool right = r.end == End::Right;
        SCOPED_TRACE(std::string(right ? "right" : "left") + " slot " + std::to_string(r.slot) +
                     ", tile " + std::to_string(r.a) + "-" + std::to_string(r.b));
        Table t;
        t.form.Form_Load();
        openChain(t, right ? "9" : "3", right ? "3" : "9", r.a, r.b);
        t.form.first(right ? 1 : 2).setCaption(std::to_string(r.slot));
        placeAt(t, right ? 7200 : 5000, 4100);
        EXPECT_EQ((right ? t.form.cd : t.form.cu).caption(), std::to_string(r.newEnd));
        EXPECT_EQ((right ? t.form.cu : t.form.cd).caption(), "9");
        EXPECT_EQ(t.form.Label1.caption(), std::to_string(r.code));
        EXPECT_EQ(t.form.tileLie(kTile), r.code);
        EXPECT_EQ(t.form.first(right ? 1 : 2).caption(), std::to_string(r.slot + 1));
        EXPECT_EQ(t.form.mu.caption(), "");
        EXPECT_EQ(t.form.md.caption(), "");
    }
}

// A round of the whole set, each tile sharing a value with the next: 0-0 opens, then tile i
// is (v[i], v[i+1]).
constexpr int kRound[29] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 0,
                            2, 4, 6, 1, 3, 5, 0, 3, 6, 2, 5, 1, 4, 0};

// Lays the 27 tiles after the opening one by one at one end and checks each against its slot:
// its upper-left corner at the slot's corner + 25, the halves 420 apart in the slot's lie, and
// the matching half next to the tile laid before it.
void layWholeBranch(End end) {
    const bool right = end == End::Right;
    Table t;
    t.form.Form_Load();
    Form1& f = t.form;
    for (int i = 0; i <= 27; ++i) {  // tile i + 1 gets the i-th pair of the round
        const bool firstHalfMatches = i % 2 == 1;
        f.lcard(i + 1).setTag(std::to_string(kRound[firstHalfMatches ? i : i + 1]));
        f.rcard(i + 1).setTag(std::to_string(kRound[firstHalfMatches ? i + 1 : i]));
    }
    f.Text1.setText("1");
    f.domook();  // the player opens with 0-0
    ASSERT_EQ(f.first(0).caption(), "1");

    const auto& slots = right ? rightSlots() : leftSlots();
    for (int i = 1; i <= 27; ++i) {
        const int k = i + 1;
        const SlotPlace& slot = slots[static_cast<std::size_t>(i - 1)];
        SCOPED_TRACE(std::string(right ? "Shr(" : "Shl(") + std::to_string(i - 1) + "), tile " +
                     t.pips(k));
        const std::string open = std::to_string(kRound[i]);
        ASSERT_EQ((right ? f.cd : f.cu).caption(), open);
        const plat::Image& matching = f.lcard(k).tag() == open ? f.lcard(k) : f.rcard(k);
        const plat::Image& other = &matching == &f.lcard(k) ? f.rcard(k) : f.lcard(k);
        f.changetoplayer();
        f.Text1.setText(std::to_string(k));
        f.mu.setCaption(f.lcard(k).tag());
        f.md.setCaption(f.rcard(k).tag());
        f.lcard(k).move(right ? 7200 : 5000, 4100);
        f.domook();

        EXPECT_EQ(f.first(right ? 1 : 2).caption(), std::to_string(i));
        EXPECT_EQ(f.first(right ? 2 : 1).caption(), "0");
        EXPECT_EQ((right ? f.cd : f.cu).caption(), std::to_string(kRound[i + 1]));
        EXPECT_EQ(f.tileLie(k), std::stoi(f.Label1.caption()));
        EXPECT_EQ(f.lStatus.caption(), kComputerTurn);
        EXPECT_EQ(std::min(matching.left(), other.left()), slot.left + 25);
        EXPECT_EQ(std::min(matching.top(), other.top()), slot.top + 25);
        const int dx = other.left() - matching.left(), dy = other.top() - matching.top();
        if (slot.tag == 1) {  // a corner: the chain comes from above (right) or below (left)
            EXPECT_EQ(dx, 0);
            EXPECT_EQ(dy, right ? 420 : -420);
        } else {  // a row running rightwards has the matching half on the left
            const bool rightwards = right == (slot.tag == 2);
            EXPECT_EQ(dy, 0);
            EXPECT_EQ(dx, rightwards ? 420 : -420);
        }
        for (int s = 0; s < kSlotsPerBranch; ++s) {
            EXPECT_EQ((right ? f.Shr(s) : f.Shl(s)).visible(), s <= i) << "slot " << s;
        }
    }
}

TEST(Placement, AWholeRightBranchRunsThroughBothCornersSlotBySlot) {
    layWholeBranch(End::Right);
}

TEST(Placement, AWholeLeftBranchRunsThroughBothCornersSlotBySlot) {
    layWholeBranch(End::Left);
}

}  // namespace
}  // namespace brackwell::testing

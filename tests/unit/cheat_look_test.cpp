// "Cheat Comp.": the computer's tiles show their faces for one second, and nothing but
// pictures changes.
#include <set>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;

// The timers are stopped so that only the look paints the computer's row.
class CheatLookTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        form.Timer1.setEnabled(false);
        form.Timer2.setEnabled(false);
        form.variableccmove();
    }
    // 1 when every tile of the computer's hand shows its plain faces, 0 when every one shows
    // its back, -1 for a mixture.
    int computerFaces() {
        bool faces = true, backs = true;
        for (int k : t.tilesIn(Place::ComputerHand)) {
            for (const plat::Image* h : {&form.lcard(k), &form.rcard(k)}) {
                faces &= h->picture() == plat::ival(h->tag()) + 1;
                backs &= h->picture() == plat::kTileBack;
            }
        }
        return faces ? 1 : backs ? 0 : -1;
    }
    // Presses "Cheat Comp." and notes what the computer's row shows `probes` ms later.
    std::vector<int> lookProbing(std::vector<std::int64_t> probes) {
        std::vector<int> seen;
        for (std::int64_t ms : probes)
            sys.post([&] { seen.push_back(computerFaces()); }, ms);
        form.PushButton2.click();
        return seen;
    }
};

TEST_F(CheatLookTest, PressingShowsTheComputersFacesForOneSecondThenItsBacksAgain) {
    for (int press = 0; press < 2; ++press) {
        const std::int64_t start = sys.now();
        EXPECT_EQ(lookProbing({0, 500, 999}), (std::vector<int>{1, 1, 1}));
        EXPECT_GE(sys.now(), start + 1000);
        EXPECT_EQ(computerFaces(), 0);
        EXPECT_EQ(form.Showcomppic.value(), 0);
    }
}

TEST_F(CheatLookTest, ASecondPressDuringTheLookKeepsTheFacesUntilOneSecondAfterIt) {
    sys.post([&] { form.PushButton2.click(); }, 500);
    EXPECT_EQ(lookProbing({200, 1200, 1499}), (std::vector<int>{1, 1, 1}));
    EXPECT_GE(sys.now(), 1500);
    EXPECT_EQ(computerFaces(), 0);
    EXPECT_EQ(form.Showcomppic.value(), 0);
}

TEST_F(CheatLookTest, TheLookChangesNothingButTheListedTilesPicturesAndNothingForAnEmptyList) {
    for (bool emptyList : {false, true}) {
        SCOPED_TRACE(emptyList ? "empty list" : "seven tiles listed");
        if (emptyList) form.List1.clear();
        std::set<const plat::Control*> listed = {&form.Showcomppic};
        for (const std::string& item : form.List1.items()) {
            listed.insert(&form.lcard(static_cast<int>(plat::ival(item))));
            listed.insert(&form.rcard(static_cast<int>(plat::ival(item))));
        }
        sys.changes.clear();
        sys.recordChanges = true;
        form.PushButton2.click();
        sys.recordChanges = false;
        std::size_t pictures = 0;
        for (const auto& [control, what] : sys.changes) {
            EXPECT_EQ(what, plat::kLook) << control->name() << control->index();
            EXPECT_TRUE(listed.contains(control)) << control->name() << control->index();
            pictures += control != &form.Showcomppic;
        }
        EXPECT_EQ(pictures, emptyList ? 0u : 2u * 2u * 7u);
        EXPECT_EQ(computerFaces(), 0);
    }
}

}  // namespace
}  // namespace brackwell::testing

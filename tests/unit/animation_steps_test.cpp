// The steps of the two animations, the computer's flight and a draw's slide: where the moving
// box stands each time the window's events run, and when. How often the real window paints may
// change; these steps and their times may not.
#include <cstdint>
#include <ostream>
#include <vector>

#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

// What the box shows at a processing of events: a position the events never see is never
// painted, so it is no step.
struct Step {
    std::int64_t at;
    int left, top;
    bool visible;
};

// Steps that follow one another by the same time and the same move, from the first one.
struct Stride {
    std::int64_t at;
    int left, top;
    bool visible;
    std::int64_t every;
    int dx, dy, steps;
    bool operator==(const Stride&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stride& r) {
    return os << "{" << r.at << ", " << r.left << ", " << r.top << ", " << r.visible << ", "
              << r.every << ", " << r.dx << ", " << r.dy << ", " << r.steps << "}";
}

std::vector<Stride> stridesOf(const std::vector<Step>& steps) {
    std::vector<Stride> strides;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (!strides.empty() && steps[i - 1].visible == s.visible) {
            Stride& r = strides.back();
            const Step& prev = steps[i - 1];
            const std::int64_t every = s.at - prev.at;
            const int dx = s.left - prev.left, dy = s.top - prev.top;
            if (r.steps == 1) r.every = every, r.dx = dx, r.dy = dy;
            if (every == r.every && dx == r.dx && dy == r.dy) {
                ++r.steps;
                continue;
            }
        }
        strides.push_back({s.at, s.left, s.top, s.visible, 0, 0, 0, 1});
    }
    return strides;
}

// Runs the animation and notes the box whenever its place or visibility changed since the
// events last ran (and once more at the end), on the clock from the animation's start.
template <typename Animate>
std::vector<Stride> stepsOf(Table& t, Animate&& animate) {
    const plat::PictureBox& box = t.form.Cover(0);
    const std::int64_t start = t.sys.now();
    std::vector<Step> steps;
    std::size_t seen = 0;
    auto look = [&] {
        bool changed = false;
        for (; seen < t.sys.changes.size(); ++seen) {
            const auto& [control, what] = t.sys.changes[seen];
            changed |= control == &box && (what & (plat::kGeometry | plat::kVisibility));
        }
        if (changed) steps.push_back({t.sys.now() - start, box.left(), box.top(), box.visible()});
    };
    t.sys.recordChanges = true;
    t.sys.onEvents = [&](int) { look(); };
    animate();
    look();
    t.sys.onEvents = nullptr;
    t.sys.recordChanges = false;
    return stridesOf(steps);
}

struct FlightCase {
    const char* hand;  // tiles 15..21, against the ends 6 (left) and 4 (right); 17 is chosen
    int chosenLeft;    // where tile 17 stands in the computer's row (0: where the deal put it)
    std::vector<Stride> strides;
};

// Along the row at 40 twips a millisecond, then down at 40 twips every 5 ms.
const FlightCase kFlights[] = {
    // to the left end, rightwards
    {"34 25 16 00 11 22 33",
     0,
     {{0, 2790, 30, true, 1, 40, 0, 53},
      {53, 4870, 60, true, 5, 0, 40, 100},
      {553, 4870, 4020, false, 0, 0, 0, 1}}},
    // to the right end, rightwards
    {"34 25 46 00 11 22 33",
     0,
     {{0, 2790, 30, true, 1, 40, 0, 131},
      {131, 7990, 60, true, 5, 0, 40, 100},
      {631, 7990, 4020, false, 0, 0, 0, 1}}},
    // to the left end, leftwards
    {"34 25 16 00 11 22 33",
     9000,
     {{0, 9000, 30, true, 1, -40, 0, 104},
      {104, 4880, 60, true, 5, 0, 40, 100},
      {604, 4880, 4020, false, 0, 0, 0, 1}}},
};

TEST(AnimationSteps, TheComputersFlightKeepsEveryStepsPlaceAndTime) {
    for (const FlightCase& c : kFlights) {
        SCOPED_TRACE(c.hand + std::string(" from ") + std::to_string(c.chosenLeft));
        Table t;
        t.form.Form_Load();
        setTiles(t, 15, c.hand);
        layChain(t, "65 54");
        for (plat::Image* half : {&t.form.lcard(17), &t.form.rcard(17)})
            half->setLeft(c.chosenLeft ? c.chosenLeft : half->left());
        t.form.lStatus.setCaption(kComputerTurn);
        EXPECT_EQ(stepsOf(t, [&] { t.form.Timer1.fire(); }), c.strides);
        EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), 3u);
    }
}

// From the boneyard's next tile along its top, then down to the player's row or up to the
// computer's, at 40 twips every 5 ms.
TEST(AnimationSteps, ADrawsSlideKeepsEveryStepsPlaceAndTime) {
    struct SlideCase {
        bool computer;
        std::vector<Stride> strides;
    };
    const SlideCase kSlides[] = {
        {false,
         {{0, 340, 665, true, 5, 40, 0, 98},
          {495, 4220, 705, true, 5, 0, 40, 175},
          {1370, 4220, 7665, false, 0, 0, 0, 1}}},
        {true,
         {{0, 340, 665, true, 5, 40, 0, 122},
          {615, 5180, 625, true, 5, 0, -40, 15},
          {690, 5180, 65, false, 0, 0, 0, 1}}},
    };
    for (const SlideCase& c : kSlides) {
        SCOPED_TRACE(c.computer ? "computer" : "player");
        Table t;
        t.form.Form_Load();
        layChain(t, "12 23");
        t.form.lStatus.setCaption(c.computer ? kComputerTurn : kYourTurn);
        EXPECT_EQ(stepsOf(t, [&] { t.form.PushButton3_Click(); }), c.strides);
        EXPECT_EQ(t.form.pull.text(), "1");
    }
}

}  // namespace
}  // namespace brackwell::testing

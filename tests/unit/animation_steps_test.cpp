// The steps of the two animations, the computer's flight and a draw's slide: where the moving
// box stands each time the window's events run, and when. How often the real window paints may
// change; these steps and their times may not.
#include <cstdint>
#include <ostream>
#include <set>
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
std::vector<Step> recordSteps(Table& t, Animate&& animate) {
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
    return steps;
}

std::vector<Step> stepsIn(const std::vector<Stride>& strides) {
    std::vector<Step> steps;
    for (const Stride& r : strides) {
        for (int i = 0; i < r.steps; ++i)
            steps.push_back({r.at + i * r.every, r.left + i * r.dx, r.top + i * r.dy, r.visible});
    }
    return steps;
}

// Where the window paints once a frame, a step comes at its time or later in the same frame, so
// that the steps between two frames run together: the same places, one wake a frame.
constexpr std::int64_t kFrameMs = 16;

void expectPacedByFrames(const std::vector<Step>& paced, const std::vector<Step>& steady) {
    ASSERT_EQ(paced.size(), steady.size());
    std::set<std::int64_t> wakes;
    for (std::size_t i = 0; i < paced.size(); ++i) {
        const Step &p = paced[i], &s = steady[i];
        const bool same = p.left == s.left && p.top == s.top && p.visible == s.visible;
        if (!same || p.at < s.at || p.at >= s.at + kFrameMs) {
            ADD_FAILURE() << "step " << i << " at " << p.at << " in " << p.left << ", " << p.top;
            return;
        }
        wakes.insert(p.at);
    }
    EXPECT_LE(wakes.size(), static_cast<std::size_t>(steady.back().at / kFrameMs + 2));
}

// The steps as they come on a window that shows a change at once, and on one that paints
// once a frame.
template <typename Setup, typename Animate>
void expectSteps(const std::vector<Stride>& strides, Setup&& setup, Animate&& animate) {
    for (const std::int64_t frame : {std::int64_t{0}, kFrameMs}) {
        SCOPED_TRACE(frame ? "painted once a frame" : "shown at once");
        Table t;
        t.sys.framePeriodMs = frame;
        t.form.Form_Load();
        setup(t);
        const std::vector<Step> steps = recordSteps(t, [&] { animate(t); });
        if (frame == 0) {
            EXPECT_EQ(stridesOf(steps), strides);
        } else {
            expectPacedByFrames(steps, stepsIn(strides));
        }
    }
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
        const auto setup = [&](Table& t) {
            setTiles(t, 15, c.hand);
            layChain(t, "65 54");
            for (plat::Image* half : {&t.form.lcard(17), &t.form.rcard(17)})
                half->setLeft(c.chosenLeft ? c.chosenLeft : half->left());
            t.form.lStatus.setCaption(kComputerTurn);
        };
        expectSteps(c.strides, setup, [](Table& t) {
            t.form.Timer1.fire();
            EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), 3u);
        });
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
        const auto setup = [&](Table& t) {
            layChain(t, "12 23");
            t.form.lStatus.setCaption(c.computer ? kComputerTurn : kYourTurn);
        };
        expectSteps(c.strides, setup, [](Table& t) {
            t.form.PushButton3_Click();
            EXPECT_EQ(t.form.pull.text(), "1");
        });
    }
}

}  // namespace
}  // namespace brackwell::testing

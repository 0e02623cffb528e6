// Whose turn it is, shown by the status label beside the hand of the side to move, and the
// short wait of the animations.
#include <algorithm>
#include <cstdint>

#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

namespace {
// A wait counts from where the one before it was due only if it follows that one at once (a
// frame late at most, at 20 frames a second).
constexpr std::uint32_t kCatchUpMs = 50;
}  // namespace

void Form1::getturn() {
    if (lStatus.caption() != kYourTurn) {
        lStatus.setTop(kStatusTopPlayer);
        lStatus.setCaption(kYourTurn);
        news_.add("Your turn.");
    } else {
        lStatus.setTop(kStatusTopComputer);
        lStatus.setCaption(kComputerTurn);
    }
    sys.doEvents();
}

void Form1::changetocomputer() {
    lStatus.setTop(kStatusTopComputer);
    lStatus.setCaption(kComputerTurn);
}

void Form1::changetoplayer() {
    if (lStatus.caption() != kYourTurn) news_.add("Your turn.");
    lStatus.setTop(kStatusTopPlayer);
    lStatus.setCaption(kYourTurn);
}

// Returns after `ms` milliseconds (rounded to the nearest whole one), having run the window's
// events at least once. It sleeps on the event loop rather than spinning, and counts the time
// elapsed modulo 2^32, so a tick count that wraps during the wait changes nothing.
// A wait that would end before the window's next frame sleeps until that frame, since what the
// step before it changed is not seen sooner; the waits that follow it at once count from where
// it was due instead of from their call. The steps between two frames then run together, each
// no later than that frame, and an animation keeps its steps and its length while the window
// wakes once a frame instead of once a step. Where changes are shown at once, every wait
// counts from its call.
void Form1::Delay(float ms) {
    const auto now = static_cast<std::uint32_t>(sys.tickCount());
    const long long wait = plat::roundHalfEven(ms);
    const bool catchingUp = waitDue_ && static_cast<std::uint32_t>(now - *waitDue_) <= kCatchUpMs;
    const std::uint32_t start = catchingUp ? *waitDue_ : now;
    bool ranEvents = false, toFrame = false;
    for (;;) {
        const long long elapsed =
            static_cast<std::uint32_t>(static_cast<std::uint32_t>(sys.tickCount()) - start);
        const long long remaining = wait - elapsed;
        if (remaining <= 0) break;
        const int frame = sys.msToNextFrame();
        toFrame |= frame > remaining;
        sys.waitEvents(static_cast<int>(std::max<long long>(remaining, frame)));
        ranEvents = true;
    }
    if (!ranEvents) sys.doEvents();
    waitDue_.reset();
    if (catchingUp || toFrame) waitDue_ = start + static_cast<std::uint32_t>(wait);
}

}  // namespace brackwell

// Whose turn it is, shown by the status label beside the hand of the side to move, and the
// short wait of the animations.
#include <cstdint>

#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

void Form1::getturn() {
    if (lStatus.caption() != kYourTurn) {
        lStatus.setTop(kStatusTopPlayer);
        lStatus.setCaption(kYourTurn);
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
    lStatus.setTop(kStatusTopPlayer);
    lStatus.setCaption(kYourTurn);
}

// Returns after at least `ms` milliseconds (rounded to the nearest whole one), having run the
// window's events at least once. It sleeps on the event loop rather than spinning, and counts
// the time elapsed modulo 2^32, so a tick count that wraps during the wait changes nothing.
void Form1::Delay(float ms) {
    const auto start = static_cast<std::uint32_t>(sys.tickCount());
    const long long wait = plat::roundHalfEven(ms);
    bool ranEvents = false;
    for (;;) {
        const long long elapsed =
            static_cast<std::uint32_t>(static_cast<std::uint32_t>(sys.tickCount()) - start);
        const long long remaining = wait - elapsed;
        if (remaining <= 0) break;
        sys.waitEvents(static_cast<int>(remaining));
        ranEvents = true;
    }
    if (!ranEvents) sys.doEvents();
}

}  // namespace brackwell

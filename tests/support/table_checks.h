#pragma once
// Short helpers shared by the tests of the table's layout, placement and drag.
#include <array>

#include "support/table_fixture.h"

namespace brackwell::testing {

// Where tile k's halves lie: first half (Left, Top), second half (Left, Top).
using Halves = std::array<int, 4>;
inline Halves halvesOf(Form1& f, int k) {
    return {f.lcard(k).left(), f.lcard(k).top(), f.rcard(k).left(), f.rcard(k).top()};
}
inline void moveTile(Form1& f, int k, const Halves& to) {
    f.lcard(k).move(to[0], to[1]);
    f.rcard(k).move(to[2], to[3]);
}

// What tile k shows and whether it takes the mouse: "face on", "turned on" (the faces turned a
// quarter) or "back off"; the second half follows after a slash where it differs.
inline std::string looksOf(Form1& f, int k) {
    std::string half[2];
    for (int i = 0; i < 2; ++i) {
        const plat::Image& h = i == 0 ? f.lcard(k) : f.rcard(k);
        const int turn = h.picture() - plat::kFaceBase - static_cast<int>(plat::ival(h.tag()));
        half[i] = h.picture() == plat::kTileBack ? "back"
                  : turn == 0                    ? "face"
                  : turn == plat::kTurnedOffset  ? "turned"
                                                 : "?";
        half[i] += h.enabled() ? " on" : " off";
    }
    return half[0] == half[1] ? half[0] : half[0] + " / " + half[1];
}

}  // namespace brackwell::testing

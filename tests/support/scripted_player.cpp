#include "support/scripted_player.h"

#include <algorithm>

namespace brackwell::testing {

namespace {
// Points inside each end's region where a dropped tile is matched at that end.
constexpr int kLeftDropX = 3000, kLeftDropY = 2000, kRightDropX = 3000, kRightDropY = 5000;
}  // namespace

bool ScriptedPlayer::act() {
    Form1& f = t_.form;
    if (f.lStatus.caption() != kYourTurn || f.gate().busy() || f.handIsOver()) return false;
    std::vector<int> hand = t_.tilesIn(Table::Place::PlayerHand);
    std::shuffle(hand.begin(), hand.end(), random_);
    const bool opening = f.first(0).caption() == "0";
    for (int k : hand) {
        if (opening) {
            t_.dragTileTo(k, 6000, 3000);
            return true;
        }
        const std::string& a = f.lcard(k).tag();
        const std::string& b = f.rcard(k).tag();
        if (a == f.cd.caption() || b == f.cd.caption()) {
            t_.dragTileTo(k, kRightDropX, kRightDropY);
            return true;
        }
        if (a == f.cu.caption() || b == f.cu.caption()) {
            t_.dragTileTo(k, kLeftDropX, kLeftDropY);
            return true;
        }
    }
    if (f.PushButton3.enabled()) {
        MouseRouter::click(f.PushButton3);
        return true;
    }
    return false;
}

}  // namespace brackwell::testing

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
            lay(k, End::None);
            return true;
        }
        const std::string& a = f.lcard(k).tag();
        const std::string& b = f.rcard(k).tag();
        if (a == f.cd.caption() || b == f.cd.caption()) {
            lay(k, End::Right);
            return true;
        }
        if (a == f.cu.caption() || b == f.cu.caption()) {
            lay(k, End::Left);
            return true;
        }
    }
    if (!f.PushButton3.enabled()) return false;
    if (input_ == Input::Mouse) {
        MouseRouter::click(f.PushButton3);
    } else if (pick({0, 1}) == 0) {
        t_.keys.press('G');
    } else {  // to the button with Tab, and Space
        for (int i = 0; i < 6 && f.window.focused() != &f.PushButton3; ++i)
            t_.keys.press(plat::kKeyTab);
        t_.keys.press(plat::kKeySpace);
    }
    return true;
}

void ScriptedPlayer::lay(int k, End end) {
    if (input_ == Input::Mouse) {
        if (end == End::None) t_.dragTileTo(k, 6000, 3000);
        if (end == End::Right) t_.dragTileTo(k, kRightDropX, kRightDropY);
        if (end == End::Left) t_.dragTileTo(k, kLeftDropX, kLeftDropY);
        return;
    }
    walkTo(k);
    Form1& f = t_.form;
    const bool fitsLeft =
        (f.lcard(k).tag() == f.cu.caption() || f.rcard(k).tag() == f.cu.caption());
    if (end == End::None || (end == End::Left && pick({0, 1}))) {
        t_.keys.press(pick({plat::kKeyReturn, plat::kKeySpace}));
    } else if (end == End::Right && !fitsLeft && pick({0, 1})) {
        t_.keys.press(pick({plat::kKeyReturn, plat::kKeySpace}));  // the only end it fits
    } else {
        t_.keys.press(end == End::Left ? pick({plat::kKeyUp, 'L'}) : pick({plat::kKeyDown, 'R'}));
    }
}

// Back to the row with Tab when a button has the focus, then along it with the arrows.
void ScriptedPlayer::walkTo(int k) {
    Form1& f = t_.form;
    const plat::Control* target = &f.lcard(k);
    for (int i = 0; i < 4 && f.window.focused() && f.window.focused()->kind() != plat::Kind::Image;
         ++i)
        t_.keys.press(plat::kKeyTab);
    for (int i = 0; i < 30 && f.window.focused() != target; ++i) {
        const plat::Control* at = f.window.focused();
        t_.keys.press(at && at->left() > target->left() ? plat::kKeyLeft : plat::kKeyRight);
    }
}

int ScriptedPlayer::pick(std::initializer_list<int> keys) {
    const auto i = std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(random_);
    return *(keys.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace brackwell::testing

#include "support/table_fixture.h"

namespace brackwell::testing {

void Table::setTile(int k, int a, int b) {
    const auto holds = [&](int j) {
        const auto x = form.lcard(j).tag(), y = form.rcard(j).tag();
        return (x == std::to_string(a) && y == std::to_string(b)) ||
               (x == std::to_string(b) && y == std::to_string(a));
    };
    for (int j = 1; j <= kTiles; ++j) {
        if (!holds(j)) continue;
        std::string x = form.lcard(k).tag(), y = form.rcard(k).tag();
        form.lcard(j).setTag(std::move(x));
        form.rcard(j).setTag(std::move(y));
        break;
    }
    form.lcard(k).setTag(std::to_string(a));
    form.rcard(k).setTag(std::to_string(b));
}

std::string Table::pips(int k) {
    return form.lcard(k).tag() + "-" + form.rcard(k).tag();
}

int Table::pipTotal(int k) {
    return static_cast<int>(plat::ival(form.lcard(k).tag()) + plat::ival(form.rcard(k).tag()));
}

Table::Place Table::placeOf(int k) {
    const plat::Image& l = form.lcard(k);
    if (l.left() == 540 && form.rcard(k).left() == 120) return Place::Boneyard;
    if (l.top() >= kPlayerRowMin) return Place::PlayerHand;
    if (l.top() < kComputerRowMax) return Place::ComputerHand;
    if (l.left() > 1080 && l.top() >= 1000 && l.top() < 7500) return Place::Chain;
    return Place::Lost;
}

std::vector<int> Table::tilesIn(Place p) {
    std::vector<int> out;
    for (int k = 1; k <= kTiles; ++k) {
        if (placeOf(k) == p) out.push_back(k);
    }
    return out;
}

void Table::dragTileTo(int k, int left, int top) {
    const plat::Image& l = form.lcard(k);
    const int gx = l.left() + 200, gy = l.top() + 200;
    mouse.drag(gx, gy, left + 200, top + 200);
}

bool Table::runUntilPlayerTurn(std::int64_t maxMs) {
    const std::int64_t end = sys.now() + maxMs;
    while (sys.now() < end) {
        if (form.lStatus.caption() == kYourTurn && !form.gate().busy()) return true;
        sys.runFor(50);
    }
    return false;
}

}  // namespace brackwell::testing

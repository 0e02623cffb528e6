// How many halves of each hand match an open end, the computer's hand list, and the packing of
// both hand rows.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::ival;
using plat::str;

namespace {
constexpr int kPackedPitch = 480;
constexpr int kRowLeft = 1350;
}  // namespace

// A tile being dragged still belongs to the hand it was picked up from.
int Form1::handTop(int k) {
    if (k != 0 && k == gate_.dragTile()) return homeTopL(1);
    return lcard(k).top();
}
bool Form1::inPlayerHand(int k) {
    return handTop(k) >= kPlayerRowMin;
}
bool Form1::inComputerHand(int k) {
    return handTop(k) < kComputerRowMax;
}

int Form1::matchingHalves(int k) {
    const long long l = ival(cu.caption()), r = ival(cd.caption());
    int n = 0;
    for (const plat::Image* half : {&lcard(k), &rcard(k)}) {
        const long long pips = ival(half->tag());
        if (pips == l || pips == r) ++n;
    }
    return n;
}

int Form1::slotMatches(bool player, int i) {
    const int k = (player ? playerTiles : compTiles)(i);
    return (player ? inPlayerHand(k) : inComputerHand(k)) ? matchingHalves(k) : 0;
}

int Form1::handMatches(bool player) {
    int n = 0;
    for (int i = 1; i <= 7 + (player ? playerDrawn : compDrawn); ++i)
        n += slotMatches(player, i);
    return n;
}

// Each pass lets the window's events run. Those events may count again, or change the hand,
// so the figure written last is the count of the hand as it stands when this count finishes,
// never a nested count's result with this one's remaining passes added on top.
int Form1::countLettingEventsRun(bool player, plat::TextBox& out) {
    out.setText("0");
    const int slots = 7 + (player ? playerDrawn : compDrawn);
    int running = 0;
    for (int i = 1; i <= slots; ++i) {
        running += slotMatches(player, i);
        out.setText(str(running));
        out.refresh();
        sys.doEvents();
    }
    const int exact = handMatches(player);
    out.setText(str(exact));
    return exact;
}

void Form1::variableppmove() {
    trapped("variableppmove", [&] { countLettingEventsRun(true, AvPmove); });
}

// The list is replaced in one go once the count is over: a look at the computer's hand taken
// while the count lets events run still finds the whole hand as last listed.
void Form1::variableccmove() {
    countLettingEventsRun(false, AvCmove);
    List1.clear();
    for (int i = 1; i <= 7 + compDrawn; ++i) {
        const int k = compTiles(i);
        if (inComputerHand(k)) List1.addItem(plat::formatNumber(k, 2));
    }
}

// Closes the gaps that played tiles leave in both rows, in the order the tiles were received.
void Form1::packhands() {
    int n = 0;
    for (int i = 1; i <= kTiles; ++i) {
        const int k = playerTiles(i);
        if (lcard(k).top() < kPlayerRowMin) continue;
        ++n;
        lcard(k).move(kRowLeft + kPackedPitch * n, 7675);
        rcard(k).move(kRowLeft + kPackedPitch * n, 8095);
    }
    n = 0;
    for (int i = 1; i <= kTiles; ++i) {
        const int k = compTiles(i);
        if (lcard(k).top() >= kComputerRowMax) continue;
        ++n;
        lcard(k).move(kRowLeft + kPackedPitch * n, 30);
        rcard(k).move(kRowLeft + kPackedPitch * n, 450);
    }
    variableppmove();
    variableccmove();
}

}  // namespace brackwell

// The computer's move: it opens a hand with the first tile of its hand, or chooses the last
// tile of its hand that fits an end (the right end when both fit), draws from the boneyard
// while nothing fits, passes once the boneyard is empty, and flies its tile across the table.
#include "chain/chain_layout.h"
#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

using plat::ival;
using plat::str;

namespace {
constexpr int kFlightStep = 40;
constexpr int kFlightFirstTop = 60;
}  // namespace

bool Form1::computerOpens() {
    sys.msgBox("Computer Will Start");
    for (int i = 1; i <= 7 + compDrawn; ++i) {
        const int k = compTiles(i);
        if (lcard(k).top() >= kComputerRowMax) continue;
        Text1.setText(str(k));
        cu.setCaption(lcard(k).tag());
        cd.setCaption(rcard(k).tag());
        first(0).setCaption("1");
        lcard(k).move(kOpeningLeftL, kOpeningTop, 400, 400);
        lcard(k).zOrder(plat::ZOrder::BringToFront);
        rcard(k).move(kOpeningLeftR, kOpeningTop, 400, 400);
        rcard(k).zOrder(plat::ZOrder::BringToFront);
        showcards();
        csc.setCaption(str(ival(csc.caption()) - ival(lcard(k).tag()) - ival(rcard(k).tag())));
        cno.setText(str(ival(cno.text()) - 1));
        linePlace_[static_cast<std::size_t>(k)].opening = true;
        news_.add("Computer opened with " + tileWords(lcard(k).tag(), rcard(k).tag()) +
                  ". Your turn.");
        lStatus.setCaption(kYourTurn);
        return true;
    }
    return false;
}

// Scans the hand for the last tile with a half that fits either end, and aims at the end it
// fits (the right end when both do).
void Form1::chooseComputerTile() {
    for (int i = 1; i <= 7 + compDrawn; ++i) {
        const int k = compTiles(i);
        const long long a = ival(lcard(k).tag()), b = ival(rcard(k).tag());
        const long long l = ival(cu.caption()), r = ival(cd.caption());
        const bool inHand = lcard(k).top() < kComputerRowMax;
        for (long long half : {a, b}) {
            if ((half == l || half == r) && inHand) {
                AvCmove.setText(str(ival(AvCmove.text()) + 1));
                Text1.setText(str(k));
            }
        }
    }
    const int t = plat::toInt16(Text1.text());
    mu.setCaption(lcard(t).tag());
    md.setCaption(rcard(t).tag());
    if (mu.caption() == cu.caption() || md.caption() == cu.caption()) {
        aimAt(kComputerDropTopLeftEnd, Shl(static_cast<int>(ival(first(2).caption()))));
    }
    if (mu.caption() == cd.caption() || md.caption() == cd.caption()) {
        aimAt(kComputerDropTopRightEnd, Shr(static_cast<int>(ival(first(1).caption()))));
    }
}

void Form1::aimAt(int dropTop, const plat::Shape& slot) {
    compDropLeft = kComputerDropLeft;
    compDropTop = dropTop;
    Label8.setCaption(str(slot.left()));
    Label9.setCaption(str(slot.top()));
    previewFaceUp = 1;
}

bool Form1::computerChoosesAndFlies() {
    for (;;) {
        chooseComputerTile();
        if (ival(AvCmove.text()) != 0) break;
        if (ival(pull.text()) == kBoneyardSize) {
            lStatus.setCaption(kComputerTurn);
            return false;
        }
        sys.msgBox("Computer Will Take Extra Card");
        PushButton3_Click();
    }
    const int t = plat::toInt16(Text1.text());
    lblStatusBar.setCaption("Computer Choose Card   " + lcard(t).tag() + " / " + rcard(t).tag());
    Cover(0).move(lcard(t).left(), lcard(t).top());
    Label10.setCaption(str(lcard(t).left()));
    lcard(t).setVisible(false);
    rcard(t).setVisible(false);
    turnFaces = 1;
    showcards();
    lcard(t).move(compDropLeft, compDropTop, 400, 400);
    lcard(t).zOrder(plat::ZOrder::BringToFront);
    rcard(t).move(compDropLeft, compDropTop + 400, 400, 400);
    rcard(t).zOrder(plat::ZOrder::BringToFront);
    Cover(0).setVisible(true);
    turnFaces = 0;
    showcards();
    Cover(0).setVisible(true);
    NabU.setPicture(lcard(t).picture());
    NabD.setPicture(rcard(t).picture());
    flyCover();
    Cover(0).setVisible(false);
    lcard(t).setVisible(true);
    rcard(t).setVisible(true);
    return true;
}

// The flying box travels along the computer's row to the slot's Left, then straight down to
// its Top, showing every step.
void Form1::flyCover() {
    plat::PictureBox& box = Cover(0);
    const long long x0 = ival(Label10.caption()), x1 = ival(Label8.caption());
    const long long step = x1 >= x0 ? kFlightStep : -kFlightStep;
    for (long long x = x0; step > 0 ? x <= x1 : x >= x1; x += step) {
        box.setLeft(static_cast<int>(x));
        Delay(1);
        sys.doEvents();
    }
    for (long long y = kFlightFirstTop; y <= ival(Label9.caption()); y += kFlightStep) {
        box.setTop(static_cast<int>(y));
        Delay(5);
        sys.doEvents();
    }
}

}  // namespace brackwell

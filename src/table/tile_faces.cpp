// The pictures a tile shows where it lies, the preview tile, and the slot outlines.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::ival;

namespace {
constexpr plat::Colour kSlotFill = plat::rgb(0xE0, 0xE0, 0xE0);
constexpr int kTableLeft = 1080, kTableTop = 1000, kTableBottom = 7500, kPlayerRowTop = 7675;

plat::Picture face(const plat::Image& half, int offset) {
    return static_cast<plat::Picture>(ival(half.tag())) + plat::kFaceBase + offset;
}
}  // namespace

// The slots under the tiles laid so far and the next free slot of each branch.
void Form1::drawshape() {
    for (int i = 0; i < kSlotsPerBranch; ++i) {
        for (plat::Shape* s : {&Shl(i), &Shr(i)}) {
            s->setVisible(false);
            s->setFillColour(kSlotFill);
        }
    }
    for (long long i = 0; i <= ival(first(1).caption()); ++i) {
        Shr(static_cast<int>(i)).setVisible(true);
        Shr(static_cast<int>(i)).zOrder(plat::ZOrder::SendToBack);
    }
    for (long long i = 0; i <= ival(first(2).caption()); ++i) {
        Shl(static_cast<int>(i)).setVisible(true);
        Shl(static_cast<int>(i)).zOrder(plat::ZOrder::SendToBack);
    }
}

// Faces for the player's row and the line of play (turned a quarter for a tile lying across
// the line), the back elsewhere; and the preview tile, face up on the player's turn.
void Form1::showcards() {
    trapped("showcards", [&] {
        const int k = plat::toInt16(Text1.text());
        plat::Image& upper = lcard(k);
        plat::Image& lower = rcard(k);
        const int l = upper.left(), t = upper.top(), t2 = lower.top();
        if (l > kTableLeft && t >= kTableTop) {
            if (t == kPlayerRowTop) faceTurn = 0;
            if (t < kTableBottom) faceTurn = 9;
            if (Shl(5).visible() || Shl(17).visible() || Shr(5).visible() || Shr(17).visible())
                faceTurn = 0;
            upper.setPicture(face(upper, faceTurn * turnFaces));
            lower.setPicture(face(lower, faceTurn * turnFaces));
            upper.refresh();
            lower.refresh();
        } else {
            upper.setPicture(plat::kTileBack);
            lower.setPicture(plat::kTileBack);
            upper.setEnabled(false);
            lower.setEnabled(false);
        }
        if (lStatus.caption() == kYourTurn || previewFaceUp == 1) {
            NabU.setPicture(upper.picture());
            NabD.setPicture(lower.picture());
        } else {
            NabU.setPicture(plat::kTileBack);
            NabD.setPicture(plat::kTileBack);
        }
        if (l > kTableLeft && t >= kTableTop && t < kTableBottom) {
            faceTurn = t2 == t ? 9 : 0;
            upper.setPicture(face(upper, faceTurn));
            lower.setPicture(face(lower, faceTurn));
            sys.doEvents();
        }
    });
}

}  // namespace brackwell

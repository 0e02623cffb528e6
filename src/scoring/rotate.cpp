// Laying an accepted tile into its slot in the orientation the slot demands, then handing the
// turn over.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::ival;

namespace {
constexpr int kHalfPitch = 420;
}

void Form1::rotateme() {
    turnFaces = 1;
    showcards();
    const int k = plat::toInt16(Text1.text());
    const long long t = ival(Label1.caption());
    if (t < 1 || t > 4) return;  // no such orientation: the tile stays where it is
    while (tileLie(k) != t) {    // clockwise quarter turns
        tileLie(k) += 1;
        if (tileLie(k) > 4) tileLie(k) = 1;
    }
    plat::Image& upper = lcard(k);
    plat::Image& lower = rcard(k);
    const auto x = [&] { return static_cast<int>(ival(Label6.caption())); };
    const auto y = [&] { return static_cast<int>(ival(Label7.caption())); };
    switch (t) {
        case 1:  // standing, first half above
            upper.setLeft(x()), upper.setTop(y()), lower.setLeft(x()),
                lower.setTop(y() + kHalfPitch);
            break;
        case 2:  // lying, first half on the right
            upper.setLeft(x() + kHalfPitch), upper.setTop(y()), lower.setLeft(x()),
                lower.setTop(y());
            break;
        case 3:  // standing, first half below
            upper.setLeft(x()), upper.setTop(y() + kHalfPitch), lower.setLeft(x()),
                lower.setTop(y());
            break;
        default:  // 4: lying, first half on the left
            upper.setLeft(x()), upper.setTop(y()), lower.setLeft(x() + kHalfPitch),
                lower.setTop(y());
            break;
    }
    getturn();
    variableppmove();
    variableccmove();
    drawshape();
}

}  // namespace brackwell

// Placing one tile on the line of play, for either side. The end is the one whose region holds
// the tile's first half; the tile is matched against that end's open value by the slot's tag
// and laid into the slot, or sent back to where it was picked up.
#include <array>

#include "chain/chain_layout.h"
#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

using plat::ival;
using plat::str;

namespace {

// One row of an end's match table: in a slot with this tag, when this half equals the end's
// open value, the other half becomes the new open value and the tile lies with this code.
struct MatchRow {
    int tag;
    bool firstHalfMatches;
    int code;
};

constexpr std::array<MatchRow, 6> kRightRows = {{
    {2, true, 4},
    {2, false, 2},
    {1, true, 1},
    {1, false, 3},
    {4, true, 2},
    {4, false, 4},
}};
constexpr std::array<MatchRow, 6> kLeftRows = {{
    {2, true, 2},
    {2, false, 4},
    {1, true, 3},
    {1, false, 1},
    {4, true, 4},
    {4, false, 2},
}};

}  // namespace

// Tries the rows of the end's table in order. `mu` is tried before `md`; a match empties both,
// so at most one row applies.
bool Form1::matchAtEnd(End end) {
    const bool right = end == End::Right;
    plat::Label& open = right ? cd : cu;
    const plat::Shape& slot = right ? Shr(static_cast<int>(ival(first(1).caption())))
                                    : Shl(static_cast<int>(ival(first(2).caption())));
    const long long tag = ival(slot.tag());
    for (const MatchRow& row : right ? kRightRows : kLeftRows) {
        plat::Label& half = row.firstHalfMatches ? mu : md;
        plat::Label& other = row.firstHalfMatches ? md : mu;
        if (tag != row.tag || half.caption() != open.caption()) continue;
        open.setCaption(other.caption());
        mu.setCaption("");
        md.setCaption("");
        Label1.setCaption(str(row.code));
        return true;
    }
    return false;
}

void Form1::bookPlacedTile(int t) {
    const long long pips = ival(lcard(t).tag()) + ival(rcard(t).tag());
    if (lStatus.caption() == kComputerTurn) {
        csc.setCaption(str(ival(csc.caption()) - pips));
        cno.setText(str(ival(cno.text()) - 1));
    } else if (lStatus.caption() == kYourTurn) {
        psc.setCaption(str(ival(psc.caption()) - pips));
        pno.setText(str(ival(pno.text()) - 1));
    }
}

void Form1::playerOpens(int t) {
    cu.setCaption(lcard(t).tag());
    cd.setCaption(rcard(t).tag());
    mu.setCaption(lcard(t).tag());
    md.setCaption(rcard(t).tag());
    first(0).setCaption("1");
    lcard(t).move(kOpeningLeftL, kOpeningTop, 400, 400);
    lcard(t).zOrder(plat::ZOrder::BringToFront);
    rcard(t).move(kOpeningLeftR, kOpeningTop, 400, 400);
    rcard(t).zOrder(plat::ZOrder::BringToFront);
    bookPlacedTile(t);
    linePlace_[static_cast<std::size_t>(t)].opening = true;
    news_.add("You opened with " + tileWords(lcard(t).tag(), rcard(t).tag()) + ".");
    lStatus.setCaption(kComputerTurn);
    lblStatusBar.setCaption("You Choose Card  " + mu.caption() + " / " + md.caption());
    drawshape();
}

// "Computer laid three and four at the left end": the half that matched first, so that the
// last word is the end's new open value.
void Form1::tellLaid(int t, End end, const std::string& matched) {
    const std::string& a = lcard(t).tag();
    const std::string& b = rcard(t).tag();
    const std::string words = a == matched ? tileWords(a, b) : tileWords(b, a);
    const char* who = lStatus.caption() == kComputerTurn ? "Computer" : "You";
    news_.add(std::string(who) + " laid " + words + " at the " +
              (end == End::Right ? "right" : "left") + " end.");
}

void Form1::domook() {
    trapped("domook", [&] {
        auto moving = gate_.hold(Activity::Move);
        int success = 0;
        const bool computerToMove = lStatus.caption() == kComputerTurn;
        const bool chainEmpty = ival(first(0).caption()) == 0;
        if (computerToMove && chainEmpty) {
            if (!computerOpens()) return;  // no tile of its hand to open with
            success = 1;
        } else if (computerToMove && !computerChoosesAndFlies()) {
            return;  // the computer passes
        }
        const int t = plat::toInt16(Text1.text());
        if (ival(first(0).caption()) == 0 && lStatus.caption() == kYourTurn) {
            playerOpens(t);
            success = 1;
        }
        const End end = endAt(lcard(t).left(), lcard(t).top());
        const std::string matched = (end == End::Right ? cd : cu).caption();
        if (end != End::None && matchAtEnd(end)) {
            success = 1;
            tellLaid(t, end, matched);
            bookPlacedTile(t);
            const bool right = end == End::Right;
            plat::Label& laid = first(right ? 1 : 2);
            linePlace_[static_cast<std::size_t>(t)] = {false, end,
                                                       static_cast<int>(ival(laid.caption()))};
            const plat::Shape& slot = right ? Shr(static_cast<int>(ival(laid.caption())))
                                            : Shl(static_cast<int>(ival(laid.caption())));
            Label6.setCaption(str(slot.left() + 25));
            Label7.setCaption(str(slot.top() + 25));
            laid.setCaption(str(ival(laid.caption()) + 1));
            rotateme();
        }
        if (success == 0) {
            lcard(t).move(homeLeftL(1), homeTopL(1));
            lcard(t).zOrder(plat::ZOrder::BringToFront);
            rcard(t).move(homeLeftR(1), homeTopR(1));
            rcard(t).zOrder(plat::ZOrder::BringToFront);
        }
        variableppmove();
        variableccmove();
        packhands();
    });
}

}  // namespace brackwell

// Playing from the keyboard. Left and Right move the focus along the player's row. A key lays
// the focused tile by the very press, move and release a drag makes, so every rule and guard of
// the drag holds: Up or L lays it at the left end (which runs through the upper half of the
// table), Down or R at the right end, Return or Space wherever it fits, the left end first. A
// key that lays nothing says why. G, N and C press "Get Card", "New Game" and "Cheat Comp."; T
// reads the whole table and A the last news again.
#include <algorithm>

#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

using plat::ival;

namespace {
constexpr float kGrab = 200;  // the key takes the tile by the middle of its first half

bool plain(const plat::KeyEvent& e) {
    return (e.shift & (plat::kCtrlKey | plat::kAltKey)) == 0;
}
}  // namespace

void Form1::Form_KeyDown(plat::KeyEvent& e) {
    if (!plain(e)) return;
    if (e.keyCode == 'T' || e.keyCode == 'A') {  // the table in a sentence; the last news again
        if (!e.repeat) e.keyCode == 'T' ? news_.answer(reading_.summary()) : news_.repeat();
        e.keyCode = 0;
        return;
    }
    plat::PushButton* button = e.keyCode == 'G'   ? &PushButton3
                               : e.keyCode == 'N' ? &PushButton1
                               : e.keyCode == 'C' ? &PushButton2
                                                  : nullptr;
    if (!button) return;
    e.keyCode = 0;
    if (e.repeat) return;  // a held key presses once
    // The key does what a click does; where a click would take nothing, it says why. "Get Card"
    // is offered at the turn tick after the turn comes back: G draws as soon as nothing fits.
    if (button != &PushButton3) {
        if (button->enabled()) button->keyClick();
        return;
    }
    const std::string why = whyNoDraw();
    if (!why.empty()) {
        answerKey(why);
    } else if (button->enabled()) {
        button->keyClick();
    } else if (ival(first(0).caption()) == 0 || handMatches(true) > 0) {
        answerKey("a tile of yours fits");
    } else {
        onGetCardClicked();
    }
}

void Form1::lcard_KeyDown(int index, const plat::KeyEvent& e) {
    if (!plain(e)) return;
    if (e.keyCode == plat::kKeyLeft || e.keyCode == plat::kKeyRight) {
        if (!stepFocus(index, e.keyCode == plat::kKeyLeft ? -1 : 1) && !e.repeat)
            answerKey(e.keyCode == plat::kKeyLeft ? "start of your hand" : "end of your hand");
        return;
    }
    End end = End::None;
    switch (e.keyCode) {
        case plat::kKeyUp:
        case 'L':
            end = End::Left;
            break;
        case plat::kKeyDown:
        case 'R':
            end = End::Right;
            break;
        case plat::kKeyReturn:
        case plat::kKeySpace:
            end = fitsEnd(index, End::Left) ? End::Left : End::Right;
            break;
        default:
            return;
    }
    // A held key lays one tile, not the next ones as their turns come.
    if (e.repeat) return;
    // The key that first shows which tile has the focus only shows it.
    if (!e.focusShown) {
        answerKey(tileWords(lcard(index).tag(), rcard(index).tag()) + ": press again to lay it");
        return;
    }
    const bool returnKey = e.keyCode == plat::kKeyReturn || e.keyCode == plat::kKeySpace;
    if (layKeyRefused(index, returnKey ? End::None : end)) return;
    layByKey(index, end);
}

// Says in a few words why a key on tile k lays nothing, and then it lays nothing; End::None
// asks about either end.
bool Form1::layKeyRefused(int k, End end) {
    std::string why;
    if (handIsOver()) {
        why = "the hand is over";
    } else if (lStatus.caption() != kYourTurn) {
        why = "not your turn";
    } else if (gate_.busy()) {
        why = "wait: a tile is moving";
    } else if (ival(first(0).caption()) == 0) {
        return false;  // any tile opens the line of play
    } else if (handMatches(true) == 0) {
        why = boneyardEmpty() ? "nothing fits: you pass" : "nothing fits: G draws a tile";
    } else if (end == End::None ? !fitsEnd(k, End::Left) && !fitsEnd(k, End::Right)
                                : !fitsEnd(k, end)) {
        why = end == End::Left    ? "does not fit the left end"
              : end == End::Right ? "does not fit the right end"
                                  : "does not fit: try another tile";
    }
    if (why.empty()) return false;
    answerKey(why);
    return true;
}

// Why "Get Card" would take nothing now whatever the hand holds, or nothing.
std::string Form1::whyNoDraw() {
    if (handIsOver()) return "the hand is over";
    if (lStatus.caption() != kYourTurn) return "not your turn";
    if (gate_.busy()) return "wait: a tile is moving";
    if (boneyardEmpty()) return "the boneyard is empty";
    return {};
}

void Form1::answerKey(const std::string& words) {
    news_.answer(words);
    lKeyNote.setCaption(words);
    lKeyNote.setVisible(true);
    lKeyNote.zOrder(plat::ZOrder::BringToFront);
    KeyNoteTimer.setEnabled(false);  // shown for the whole while after the latest answer
    KeyNoteTimer.setEnabled(true);
}

bool Form1::fitsEnd(int k, End end) {
    const std::string& open = (end == End::Left ? cu : cd).caption();
    return lcard(k).tag() == open || rcard(k).tag() == open;
}

// The press, the move and the release go to the tile as the mouse's would, through the same
// handlers; the first tile of a hand goes to the opening place whatever the end. The window
// shows the tile where it ends, not lifted at the drop point on its way there.
void Form1::layByKey(int k, End end) {
    const plat::FramesHeld finished(sys);
    plat::Image& tile = lcard(k);
    const plat::MouseEvent press{plat::kLeftButton, 0, kGrab, kGrab};
    tile.mouseDown(press);
    if (end != End::None) {
        const bool opening = ival(first(0).caption()) == 0;
        const DropPoint to =
            opening ? DropPoint{kOpeningLeftL, kOpeningTop}
                    : nextDropAt(end, ival(first(end == End::Right ? 1 : 2).caption()));
        tile.mouseMove({plat::kLeftButton, 0, static_cast<float>(to.left - tile.left()) + kGrab,
                        static_cast<float>(to.top - tile.top()) + kGrab});
    }
    tile.mouseUp(press);
}

int Form1::rowLeft(int k) {
    return k == gate_.dragTile() ? homeLeftL(1) : lcard(k).left();
}

std::vector<int> Form1::playerRow() {
    std::vector<int> row;
    for (int k = 1; k <= kTiles; ++k) {
        if (lcard.isLoaded(k) && lcard(k).visible() && inPlayerHand(k)) row.push_back(k);
    }
    std::ranges::sort(row, {}, [this](int k) { return rowLeft(k); });
    return row;
}

bool Form1::stepFocus(int from, int step) {
    const std::vector<int> row = playerRow();
    const auto at = std::ranges::find(row, from);
    if (at == row.end()) return false;
    const auto to = at - row.begin() + step;
    if (to < 0 || to >= static_cast<long>(row.size())) return false;  // the ends do not wrap
    lcard(row[static_cast<std::size_t>(to)]).setFocus();
    keepFocusInRow();
    return true;
}

void Form1::focusFirstTile() {
    keyTile_ = 0;
    keyRow_.clear();
    keepFocusInRow();
    if (keyTile_ != 0) lcard(keyTile_).setFocus();
}

// Only the tiles of the player's row may take the focus, and one of them is the row's tab stop.
// When that tile leaves the row (laid, or gone with a new deal) the focus goes on to the tile
// that stood after it, or else before it, in the row as it was last seen.
void Form1::keepFocusInRow() {
    const std::vector<int> row = playerRow();
    const auto inRow = [&](int k) { return std::ranges::find(row, k) != row.end(); };
    const plat::Control* focused = window.focused();
    bool tileHasFocus = false;
    for (int k = 1; k <= kTiles; ++k) {
        if (focused != &lcard.element(k)) continue;
        tileHasFocus = true;
        if (inRow(k)) keyTile_ = k;
    }
    if (!inRow(keyTile_)) {
        const auto at = std::ranges::find(keyRow_, keyTile_);
        const auto after = std::find_if(at, keyRow_.end(), inRow);
        const auto before = std::find_if(std::reverse_iterator(at), keyRow_.rend(), inRow);
        keyTile_ = after != keyRow_.end()     ? *after
                   : before != keyRow_.rend() ? *before
                   : row.empty()              ? 0
                                              : row.front();
    }
    keyRow_ = row;
    for (int k : row) {
        lcard(k).setCanFocus(true);
        lcard(k).setTabStop(k == keyTile_);
    }
    if (tileHasFocus && keyTile_ != 0) lcard(keyTile_).setFocus();
    for (int k = 1; k <= kTiles; ++k) {
        if (!lcard.isLoaded(k) || inRow(k)) continue;
        lcard(k).setCanFocus(false);
        lcard(k).setTabStop(false);
    }
}

}  // namespace brackwell

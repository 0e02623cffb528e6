// Every event of the table enters through here. Waits, animations and message boxes run
// events nested inside a running procedure, so each entry point first asks the gate whether it
// may act now: no second move, draw or deal on top of a running one, no move once a hand is
// over, no drag outside the player's turn.
#include "table/game_state.h"

namespace brackwell {

Form1::Form1(plat::Services& services) : sys(services) {
    wireEvents();
}

void Form1::wireEvents() {
    window.onMouseMove = [this](const plat::MouseEvent& e) {
        dispatch("Form_MouseMove", [&] { Form_MouseMove(e); });
    };
    window.onQueryUnload = [this] { Form_QueryUnload(); };
    for (plat::PushButton* b : {&PushButton1, &PushButton2, &PushButton3}) {
        b->onMouseMove = [this](const plat::MouseEvent& e) {
            dispatch("PushButton_MouseMove", [&] { PushButton_MouseMove(e); });
        };
    }
    PushButton1.onClick = [this] { dispatch("PushButton1_Click", [&] { onNewGameClicked(); }); };
    PushButton2.onClick = [this] { dispatch("PushButton2_Click", [&] { PushButton2_Click(); }); };
    PushButton3.onClick = [this] { dispatch("PushButton3_Click", [&] { onGetCardClicked(); }); };
    Showcomppic.onClick = [this] { Showcomppic_Click(); };
    // The run-time tile halves are copies of element 0 and inherit these handlers.
    lcard(0).onMouseDown = [this](int i, const plat::MouseEvent& e) {
        dispatch("lcard_MouseDown", [&] { lcard_MouseDown(i, e); });
    };
    lcard(0).onMouseMove = [this](int i, const plat::MouseEvent& e) {
        dispatch("lcard_MouseMove", [&] { lcard_MouseMove(i, e); });
    };
    lcard(0).onMouseUp = [this](int i, const plat::MouseEvent& e) {
        dispatch("lcard_MouseUp", [&] { lcard_MouseUp(i, e); });
    };
    // A press on the second half takes the tile up as one on the first half does: its events go
    // to the same handlers, the pointer's place counted from the first half.
    rcard(0).onMouseDown = [this](int i, const plat::MouseEvent& e) {
        dispatch("rcard_MouseDown", [&] { lcard_MouseDown(i, fromSecondHalf(i, e)); });
    };
    rcard(0).onMouseMove = [this](int i, const plat::MouseEvent& e) {
        dispatch("rcard_MouseMove", [&] { lcard_MouseMove(i, fromSecondHalf(i, e)); });
    };
    rcard(0).onMouseUp = [this](int i, const plat::MouseEvent& e) {
        dispatch("rcard_MouseUp", [&] { lcard_MouseUp(i, fromSecondHalf(i, e)); });
    };
    window.onKeyDown = [this](plat::KeyEvent& e) {
        dispatch("Form_KeyDown", [&] { Form_KeyDown(e); });
    };
    lcard(0).onKeyDown = [this](int i, const plat::KeyEvent& e) {
        dispatch("lcard_KeyDown", [&] { lcard_KeyDown(i, e); });
    };
    Timer1.onTimer = [this] { dispatch("Timer1_Timer", [&] { onTimer1(); }); };
    Timer2.onTimer = [this] { dispatch("Timer2_Timer", [&] { onTimer2(); }); };
    KeyNoteTimer.onTimer = [this] {
        KeyNoteTimer.setEnabled(false);
        lKeyNote.setVisible(false);
    };
    window.setAccessibleReader(&reading_);
}

// Runs one event's handler. A failure that no procedure trapped is reported under the
// handler's name rather than ending the program; a "New Game" that had to wait runs once
// nothing is running any more. Whatever the event changed, the keyboard focus stays in the
// player's row, and what the event did is told to a listening screen reader once the
// outermost event is over, in one piece.
void Form1::dispatch(const char* handler, const std::function<void()>& h) {
    struct Depth {
        int& n;
        explicit Depth(int& depth) : n(++depth) {}
        ~Depth() { --n; }
    } depth(dispatchDepth_);
    try {
        h();
    } catch (const plat::AppFailure& failure) {
        try {
            reportFailure(handler, failure);
        } catch (const plat::AppFailure&) {
            // The message itself could not be shown; there is nothing left to tell it with.
        }
    }
    if (!gate_.busy() && gate_.dragTile() == 0 && gate_.takeDeferredNewGame()) {
        dispatch("PushButton1_Click", [this] { PushButton1_Click(); });
    }
    keepFocusInRow();
    if (dispatchDepth_ == 1) news_.flush();
}

void Form1::onNewGameClicked() {
    if (gate_.busy() || gate_.dragTile() != 0) {
        gate_.deferNewGame();
        return;
    }
    PushButton1_Click();
}

// A press with the boneyard empty takes nothing, and would only put the watchdog's next tick
// off by another interval (the draw switches it off and on): it is not carried out.
void Form1::onGetCardClicked() {
    if (gate_.busy() || gate_.dragTile() != 0 || handIsOver()) return;
    if (lStatus.caption() != kYourTurn || boneyardEmpty()) return;
    PushButton3_Click();
}

void Form1::onTimer1() {
    if (gate_.busy()) return;
    Timer1_Timer();
}

void Form1::onTimer2() {
    if (gate_.busy()) return;
    Timer2_Timer();
}

bool Form1::acceptsTilePress() {
    return !gate_.busy() && lStatus.caption() == kYourTurn && !handIsOver();
}

}  // namespace brackwell

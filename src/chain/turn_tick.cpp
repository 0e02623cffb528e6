// The turn tick: on the player's turn "Get Card" is offered exactly when nothing of the
// player's fits; on the computer's turn the computer moves.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

void Form1::Timer1_Timer() {
    variableppmove();
    variableccmove();
    if (lStatus.caption() == kYourTurn) {
        // Any tile opens an empty table, so the player never needs to draw there.
        const bool chainEmpty = plat::ival(first(0).caption()) == 0;
        PushButton3.setEnabled(!chainEmpty && plat::ival(AvPmove.text()) == 0);
    } else if (lStatus.caption() == kComputerTurn) {
        max.setCaption("0");
        PushButton3.setEnabled(false);
        // Once a hand is over nobody moves until the next deal.
        if (!handIsOver()) domook();
    }
}

}  // namespace brackwell

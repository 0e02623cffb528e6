// The turn watchdog: it shows the scores, lets the mouse take only the player's own tiles,
// ends a finished hand and makes a side that can neither play nor draw pass the turn.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::ival;

namespace {
constexpr int kPlayerRowTop = 7500;
}  // namespace

bool Form1::boneyardEmpty() const {
    return ival(pull.text()) >= kBoneyardSize;
}

// The hands are counted afresh: a count in progress further down the stack shows a part total.
bool Form1::handIsOver() {
    const bool emptied = ival(cno.text()) == 0 || ival(pno.text()) == 0;
    const bool blocked = boneyardEmpty() && handMatches(true) == 0 && handMatches(false) == 0;
    const bool gameOver = ival(compscore.caption()) >= kGameOverScore ||
                          ival(playerscore.caption()) >= kGameOverScore;
    return handOver == 1 || emptied || blocked || gameOver;
}

void Form1::Timer2_Timer() {
    compscore.setCaption(plat::formatNumber(ival(ccsc.caption()), 3));
    playerscore.setCaption(plat::formatNumber(ival(ppsc.caption()), 3));
    variableppmove();
    variableccmove();
    const int dragged = gate_.dragTile();
    for (int i = 1; i <= kTiles; ++i) {
        const bool playerRow = handTop(i) > kPlayerRowTop;
        if (i != dragged) {  // either half of a tile takes the mouse in the player's row only
            lcard(i).setEnabled(playerRow);
            rcard(i).setEnabled(playerRow);
        }
        faceTurn = playerRow ? 0 : 9;
    }
    // While the player holds a tile the hand goes on: its end and any pass wait for the release.
    if (dragged == 0) {
        settleHandIfOver();
        passIfBlocked();
    }
    if (plat::toInt16(Text1.text()) != dragged) showcards();
}

void Form1::settleHandIfOver() {
    if (handIsOver()) handOver = 1;
    if (handOver != 1) return;
    Timer2.setEnabled(false);
    auto ending = gate_.hold(Activity::HandEnd);
    checkendgame();
}

void Form1::passIfBlocked() {
    if (lStatus.caption() == kYourTurn && boneyardEmpty() && ival(AvPmove.text()) == 0) {
        auto passing = gate_.hold(Activity::Pass);
        sys.msgBox(
            "Player Has No Cards To Move\r\n Player Will Give The Turn To Computer\r\n Computer "
            "Can Play Now ");
        getturn();
        changetocomputer();
    }
    if (lStatus.caption() == kComputerTurn && boneyardEmpty() && ival(AvCmove.text()) == 0) {
        auto passing = gate_.hold(Activity::Pass);
        sys.msgBox(
            "Computer Has No Cards To Move\r\n Computer Will Give The Turn To Player\r\n Player "
            "Can Play Now ");
        getturn();
        changetoplayer();
    }
}

}  // namespace brackwell

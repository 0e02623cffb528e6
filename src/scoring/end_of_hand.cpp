// Scoring a finished hand: each side adds the pips left in its own hand, the computer's tiles
// are turned up, the side with the lower score is announced as leading, and the next hand is
// dealt, or the program ends once a score has reached 101.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::formatNumber;
using plat::ival;

namespace {

std::string fmt(const plat::Label& l) {
    return formatNumber(ival(l.caption()), 3);
}
}  // namespace

std::string Form1::computerScoreLine() const {
    return " Computer Score = " + fmt(ccsc) + " + " + fmt(csc) + " = " + fmt(compscore);
}

std::string Form1::playerScoreLine() const {
    return " Player Score :    = " + fmt(ppsc) + " + " + fmt(psc) + " = " + fmt(playerscore);
}

void Form1::checkendgame() {
    compscore.setCaption(formatNumber(ival(ccsc.caption()) + ival(csc.caption()), 3));
    playerscore.setCaption(formatNumber(ival(ppsc.caption()) + ival(psc.caption()), 3));
    showcards();
    variableppmove();
    variableccmove();
    for (int i = 0; i < List1.listCount(); ++i) {
        const int k = static_cast<int>(ival(List1.list(i)));
        lcard(k).setPicture(static_cast<plat::Picture>(ival(lcard(k).tag())) + plat::kFaceBase);
        rcard(k).setPicture(static_cast<plat::Picture>(ival(rcard(k).tag())) + plat::kFaceBase);
    }
    const long long c = ival(compscore.caption()), p = ival(playerscore.caption());
    const bool gameOver = c >= kGameOverScore || p >= kGameOverScore;
    news_.flush();  // the hand's last move is heard before its summary
    // Points count against a side, so the lower score leads.
    if (c > p) {
        sys.msgBox("Player Win That Game \r\n" + playerScoreLine() + "\r\n" + computerScoreLine());
    } else if (c < p) {
        sys.msgBox("Computer Win That Game\r\n" + computerScoreLine() + "\r\n" + playerScoreLine());
    } else {
        sys.msgBox("Game Is Draw\r\n" + playerScoreLine() + "\r\n" + computerScoreLine());
    }
    if (gameOver) sys.endProgram();
    handOver = 0;
    PushButton1_Click();
}

}  // namespace brackwell

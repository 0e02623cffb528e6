// Taking the next tile from the boneyard, for the side whose turn it is: the tile joins the
// hand, the move sound plays and the preview tile slides from the boneyard to the hand row.
#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

using plat::ival;
using plat::str;

namespace {
constexpr int kSlideStep = 40;
constexpr int kSlideDelayMs = 5;
constexpr char kMoveSound[] = "/pic/Move.wav";

// The watchdog sleeps while a tile is drawn and wakes when the draw is over, also when the draw
// failed half-way (a watchdog left asleep would never end the hand).
struct WatchdogOff {
    explicit WatchdogOff(plat::Timer& t) : timer(t) { timer.setEnabled(false); }
    ~WatchdogOff() { timer.setEnabled(true); }
    plat::Timer& timer;
};
}  // namespace

void Form1::PushButton3_Click() {
    trapped("PushButton3_Click", [&] {
        if (gate_.running(Activity::Draw)) return;  // no second draw on top of a running one
        auto drawing = gate_.hold(Activity::Draw);
        WatchdogOff watchdogOff(Timer2);
        previewFaceUp = 0;
        variableppmove();
        variableccmove();
        packhands();
        const bool computer = lStatus.caption() == kComputerTurn;
        if (ival(pull.text()) >= kBoneyardSize || (!computer && lStatus.caption() != kYourTurn))
            return;
        pull.setText(str(ival(pull.text()) + 1));
        const int t = static_cast<int>(ival(pull.text()));
        sys.playSound(sys.appPath() + kMoveSound, plat::kSoundAsync);
        sys.doEvents();
        Text1.setText(str(t));
        showcards();
        Cover(0).setVisible(true);
        Cover(0).move(rcard(t).left() + 220, lcard(t).top() - 420);
        const int n = static_cast<int>(ival((computer ? cno : pno).text()));
        const int rowTop = computer ? 30 : 7675;
        takeIntoHand(t, computer);
        // The tile waits hidden in its packed place, so it is first seen there, and the player's
        // takes the mouse at once, as the watchdog would let it.
        const int place = 1350 + 480 * (n + 1);
        lcard(t).setVisible(false);
        rcard(t).setVisible(false);
        lcard(t).move(place, rowTop);
        rcard(t).move(place, rowTop + 420);
        lcard(t).setEnabled(!computer);
        rcard(t).setEnabled(!computer);
        slidePreview(place, computer);
        sys.doEvents();
        lcard(t).setVisible(true);
        rcard(t).setVisible(true);
        Text1.setText(str(t));
        showcards();
        variableppmove();
        variableccmove();
        packhands();
        tellDrawn(t, computer);
    });
}

// "You drew six and two: fits the left end."; the computer's tile stays unnamed.
void Form1::tellDrawn(int t, bool computer) {
    const long long left = kBoneyardSize - ival(pull.text());
    const std::string rest =
        left == 0   ? " The boneyard is empty."
        : left == 1 ? " 1 tile is left in the boneyard."
                    : std::string(" ").append(str(left)).append(" tiles are left in the boneyard.");
    if (computer) {
        news_.add("Computer drew a tile." + rest);
    } else {
        news_.add("You drew " + tileWords(lcard(t).tag(), rcard(t).tag()) + ": " +
                  reading_.fits(t) + "." + rest);
    }
}

// The drawn tile's counters, for the side that takes it.
void Form1::takeIntoHand(int t, bool computer) {
    const long long pips = ival(lcard(t).tag()) + ival(rcard(t).tag());
    if (computer) {
        cno.setText(str(ival(cno.text()) + 1));
        csc.setCaption(str(ival(csc.caption()) + pips));
        ++compDrawn;
        compTiles(7 + compDrawn) = t;
        max.setCaption(str(ival(max.caption()) + 1));
    } else {
        pno.setText(str(ival(pno.text()) + 1));
        psc.setCaption(str(ival(psc.caption()) + pips));
        ++playerDrawn;
        playerTiles(7 + playerDrawn) = t;
        pmax.setCaption(str(ival(pmax.caption()) + 1));
    }
}

// Along the boneyard's top towards the hand's next place, then up to the computer's row or
// down to the player's; each loop stops at its last step that does not pass the target.
void Form1::slidePreview(int targetLeft, bool computer) {
    plat::PictureBox& box = Cover(0);
    for (int x = box.left(); x <= targetLeft; x += kSlideStep) {
        box.setLeft(x);
        Delay(kSlideDelayMs);
    }
    sys.doEvents();
    if (computer) {
        for (int y = box.top(); y >= 60; y -= kSlideStep) {
            box.setTop(y);
            Delay(kSlideDelayMs);
            sys.doEvents();
        }
    } else {
        for (int y = box.top(); y <= 7675; y += kSlideStep) {
            box.setTop(y);
            Delay(kSlideDelayMs);
            sys.doEvents();
        }
    }
    box.setVisible(false);
}

}  // namespace brackwell

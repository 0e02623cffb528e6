#include "support/soak_injector.h"

namespace brackwell::testing {

using plat::kLeftButton;
using plat::kRightButton;
using plat::headless::MessageRecord;

namespace {
// An injected event may run a wait that injects again; past this depth nothing more is
// injected, so the nesting always ends.
constexpr int kMaxDepth = 3;
constexpr double kAtEvents = 0.08;
constexpr double kAtMessageBox = 0.5;
// "New Game" throws the hand away: rare enough that most hands are played out.
constexpr double kNewGame = 0.003;
// Points in the left end's region, the right end's region and elsewhere on the table.
constexpr int kDropPoints[][2] = {{3000, 2000}, {3000, 5000}, {6000, 3000},
                                  {8000, 4100}, {5000, 4100}, {2000, 7675}};
constexpr int kDropPointCount = 6;
}  // namespace

void SoakInjector::install() {
    t_.sys.onEvents = [this](int depth) { atEvents(depth); };
    t_.sys.onMessageBox = [this](const MessageRecord& m) { atMessageBox(m); };
}

void SoakInjector::atEvents(int depth) {
    if (check_.tableAtRest()) check_.verify("events at depth " + std::to_string(depth));
    if (depth <= kMaxDepth && chance(kAtEvents)) injectOne();
}

// The box stays open for a while or closes at once; clicks and ticks arrive meanwhile.
void SoakInjector::atMessageBox(const MessageRecord& m) {
    check_.onMessage(m);
    t_.sys.messageBoxOpenMs = chance(0.5) ? 0 : upTo(400);
    if (t_.sys.eventDepth() <= kMaxDepth && chance(kAtMessageBox)) injectOne();
}

void SoakInjector::injectOne() {
    Form1& f = t_.form;
    const int pick = upTo(10);
    if (pick == 5 && !chance(kNewGame)) return;
    ++injected_;
    switch (pick) {
        case 0:
            t_.sys.runFor(1 + upTo(300));
            break;
        case 1:  // a tick falls due here; a timer that is off does not tick
            if (f.Timer1.enabled()) f.Timer1.fire();
            break;
        case 2:
            if (f.Timer2.enabled()) f.Timer2.fire();
            break;
        case 3:
            MouseRouter::click(f.PushButton3);
            break;
        case 4:
            MouseRouter::click(f.PushButton2);
            break;
        case 5:
            MouseRouter::click(f.PushButton1);
            break;
        case 6:
            press();
            break;
        case 7:
            t_.mouse.move(x(), y(), held_);
            break;
        case 8:
            release();
            break;
        default:
            dragTile();
            break;
    }
}

// Half of the presses land on a tile's first half, the others anywhere.
void SoakInjector::press() {
    const int button = chance(0.7) ? kLeftButton : kRightButton;
    if ((held_ & button) != 0) return;
    int px = x(), py = y();
    const int k = 1 + upTo(kTiles);
    if (chance(0.5) && t_.form.lcard.isLoaded(k)) {
        px = t_.form.lcard(k).left() + 200;
        py = t_.form.lcard(k).top() + 200;
    }
    held_ |= button;
    t_.mouse.press(px, py, button);
}

void SoakInjector::release() {
    if (held_ == 0) return;
    const int button = (held_ & kLeftButton) != 0 ? kLeftButton : kRightButton;
    held_ &= ~button;
    t_.mouse.release(x(), y(), button);
}

void SoakInjector::letGo() {
    while (held_ != 0)
        release();
}

// A whole drag of any tile, to a random point or near a place where a tile may be laid,
// sometimes with a right-button click on the way.
void SoakInjector::dragTile() {
    const int k = 1 + upTo(kTiles);
    if (held_ != 0 || !t_.form.lcard.isLoaded(k)) return;
    const int fromX = t_.form.lcard(k).left() + 200, fromY = t_.form.lcard(k).top() + 200;
    const int* drop = kDropPoints[upTo(kDropPointCount)];
    const bool aimed = chance(0.5);
    const int toX = aimed ? drop[0] + 200 + upTo(600) - 300 : x();
    const int toY = aimed ? drop[1] + 200 + upTo(600) - 300 : y();
    const int steps = 1 + upTo(4);
    held_ = kLeftButton;
    t_.mouse.press(fromX, fromY, kLeftButton);
    for (int i = 1; i <= steps; ++i) {
        if (chance(0.05)) {
            t_.mouse.press(toX, toY, kRightButton);
            t_.mouse.release(toX, toY, kRightButton);
        }
        t_.mouse.move(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps,
                      kLeftButton);
    }
    held_ = 0;
    t_.mouse.release(toX, toY, kLeftButton);
}

int SoakInjector::upTo(int n) {
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(random_));
}

bool SoakInjector::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

}  // namespace brackwell::testing

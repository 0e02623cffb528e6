// The player's drag and drop: a tile of the hand row is pressed on either half, dragged over the
// table with its highlight frame and let go; the placement decides where it goes, by where the
// first half lies.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::roundHalfEven;

namespace {
constexpr int kFrameMargin = 25;
constexpr int kDraggedSize = 400;
constexpr int kBackHomeBelow = 7100;  // a tile let go lower than this goes back to the hand

// Starts the turn tick again when the release is over, whatever happened in it.
struct RestartOnExit {
    plat::Timer& timer;
    ~RestartOnExit() { timer.setEnabled(true); }
};
}  // namespace

void Form1::sendTileHome(int k) {
    lcard(k).move(homeLeftL(1), homeTopL(1));
    rcard(k).move(homeLeftR(1), homeTopR(1));
}

// The second half's events are in its own coordinates; the drag counts from the first half.
// Both halves move together, so the pointer keeps its place on the tile.
plat::MouseEvent Form1::fromSecondHalf(int k, plat::MouseEvent e) {
    e.x += static_cast<float>(rcard(k).left() - lcard(k).left());
    e.y += static_cast<float>(rcard(k).top() - lcard(k).top());
    return e;
}

// A press whose release never came (a message box took it) leaves its tile at home.
void Form1::endStaleDrag() {
    const int k = gate_.dragTile();
    gate_.setDragTile(0);
    Shmove.setVisible(false);
    sendTileHome(k);
    Timer1.setEnabled(true);
}

void Form1::lcard_MouseDown(int index, const plat::MouseEvent& e) {
    trapped("lcard_MouseDown", [&] {
        // The right button, pressed during a drag, disarms its drop.
        if (e.button == plat::kRightButton && gate_.dragTile() == index) {
            dragArmed = 0;
            return;
        }
        if (!acceptsTilePress() || lcard(index).top() < kPlayerRowMin) return;
        if (gate_.dragTile() != 0) endStaleDrag();
        if (e.button == plat::kRightButton) {
            dragArmed = 0;
            return;
        }
        Timer1.setEnabled(false);
        Text1.setText(plat::str(index));
        grabX = e.x;
        grabY = e.y;
        turnFaces = 0;
        homeLeftL(1) = lcard(index).left();
        homeTopL(1) = lcard(index).top();
        homeLeftR(1) = rcard(index).left();
        homeTopR(1) = rcard(index).top();
        mu.setCaption(lcard(index).tag());
        md.setCaption(rcard(index).tag());
        Shmove.setVisible(true);
        Shmove.move(lcard(index).left() - kFrameMargin, lcard(index).top() - kFrameMargin);
        Shmove.zOrder(plat::ZOrder::SendToBack);
        gate_.setDragTile(index);
    });
}

void Form1::lcard_MouseMove(int index, const plat::MouseEvent& e) {
    trapped("lcard_MouseMove", [&] {
        if (gate_.dragTile() != index) return;
        if (e.button == plat::kRightButton) {
            dragArmed = 0;
            return;
        }
        if (e.button != plat::kLeftButton) return;
        dragArmed = 1;
        const auto dx = e.x - grabX, dy = e.y - grabY;
        const int l1 = static_cast<int>(roundHalfEven(lcard(index).left() + dx));
        const int t1 = static_cast<int>(roundHalfEven(lcard(index).top() + dy));
        const int l2 = static_cast<int>(roundHalfEven(rcard(index).left() + dx));
        const int t2 = static_cast<int>(roundHalfEven(rcard(index).top() + dy));
        Shmove.move(l1 - kFrameMargin, t1 - kFrameMargin, 485, 900);
        Shmove.zOrder(plat::ZOrder::BringToFront);
        lcard(index).move(l1, t1, kDraggedSize, kDraggedSize);
        lcard(index).zOrder(plat::ZOrder::BringToFront);
        rcard(index).move(l2, t2, kDraggedSize, kDraggedSize);
        rcard(index).zOrder(plat::ZOrder::BringToFront);
        const std::string& u = mu.caption();
        const std::string& d = md.caption();
        if (u == cd.caption() || u == cu.caption() || d == cu.caption() || d == cd.caption()) {
            lblStatusBar.setCaption("You Choose Card  " + u + " / " + d);
        }
    });
}

void Form1::lcard_MouseUp(int index, const plat::MouseEvent&) {
    RestartOnExit restart{Timer1};
    trapped("lcard_MouseUp", [&] {
        if (gate_.dragTile() != index) return;
        gate_.setDragTile(0);
        Shmove.setVisible(false);
        // A click without movement, or a drag cut short by the right button, leaves the tile at
        // home rather than wherever the mouse last took it.
        if (dragArmed == 0 || lcard(index).top() > kBackHomeBelow) {
            sendTileHome(index);
            return;
        }
        turnFaces = 1;
        lStatus.setTop(kStatusTopComputer);
        domook();
        showcards();
    });
}

}  // namespace brackwell

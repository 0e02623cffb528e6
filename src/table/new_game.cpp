// Starting a hand: "New Game" clears the last hand and passes the opening to the other side;
// the deal creates the 28 tiles, lays out boneyard and hands and shuffles the pip pairs.
#include <array>

#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

using plat::ival;
using plat::str;

namespace {

constexpr int kHandGap = 80, kBoneyardGap = 30;

// The double-six set, smaller count first.
constexpr std::array<const char*, 28> kPairs = {
    "00", "01", "02", "03", "04", "05", "06", "11", "12", "13", "14", "15", "16", "22",
    "23", "24", "25", "26", "33", "34", "35", "36", "44", "45", "46", "55", "56", "66"};
}  // namespace

// The window shows the new hand dealt, never the table emptied or the tiles face down on the
// way there.
void Form1::PushButton1_Click() {
    const plat::FramesHeld dealt(sys);
    trapped("PushButton1_Click", [&] {
        auto dealing = gate_.hold(Activity::Deal);
        gate_.takeDeferredNewGame();  // this deal is the fresh hand a waiting press asked for
        for (int k = 1; k <= kTiles; ++k) {
            if (lcard.isLoaded(k)) lcard.unload(k);
            if (rcard.isLoaded(k)) rcard.unload(k);
        }
        lblStatusBar.setCaption("");
        for (int i = 0; i <= 2; ++i)
            first(i).setCaption("0");
        drawshape();
        cd.setCaption("0");
        cu.setCaption("0");
        csc.setCaption("00");
        psc.setCaption("00");
        pull.setText("0");
        ccsc.setCaption(compscore.caption());
        ppsc.setCaption(playerscore.caption());
        mturn.setText(ival(mturn.text()) == 1 ? "2" : "1");
        newGame();
    });
}

void Form1::newGame() {
    const plat::FramesHeld dealt(sys);
    trapped("newGame", [&] {
        auto dealing = gate_.hold(Activity::Deal);
        cno.setText("7");
        pno.setText("7");
        compDrawn = 0;
        playerDrawn = 0;
        pull.setText("0");
        Timer2.setEnabled(true);
        drawshape();
        for (int k = 1; k <= kTiles; ++k) {
            lcard.load(k);
            rcard.load(k);
            lcard(k).setVisible(true);
            rcard(k).setVisible(true);
        }
        // Entries beyond this hand's tiles would otherwise name tiles of an earlier hand, and a
        // look at the computer's hand before its first count would show boneyard tiles.
        compTiles.fill(0);
        playerTiles.fill(0);
        List1.clear();
        layOutTheSet();
        lcard(0).setVisible(false);
        rcard(0).setVisible(false);
        draw();
        if (mturn.text() == "1") {
            lStatus.setCaption(kYourTurn);
        } else if (mturn.text() == "2") {
            lStatus.setCaption(kComputerTurn);
        }
        linePlace_.fill({});
        news_.add(lStatus.caption() == kYourTurn ? "New hand: you open. Your turn."
                                                 : "New hand: the computer opens.");
        focusFirstTile();
    });
}

// The boneyard column lying at the left, the computer's hand standing at the top, the player's
// at the bottom; the hand tables name the tiles dealt.
void Form1::layOutTheSet() {
    for (int k = 1; k <= 14; ++k) {  // the boneyard column, lying
        rcard(k).setTop(650 + (lcard(k).width() + kBoneyardGap) * k);
        rcard(k).setLeft(120);
        lcard(k).setTop(650 + (rcard(k).width() + kBoneyardGap) * k);
        lcard(k).setLeft(540);
        tileLie(k) = 2;
    }
    for (int k = 15; k <= 21; ++k) {  // the computer's hand
        standInRow(k, k - 14, 60);
        compTiles(k - 14) = k;
        List1.addItem(str(compTiles(k - 14)));
    }
    for (int k = 22; k <= 28; ++k) {  // the player's hand
        standInRow(k, k - 21, 7675);
        playerTiles(k - 21) = k;
    }
}

// Tile k standing in place `place` (1 to 7) of the hand row whose first halves lie at `top`.
void Form1::standInRow(int k, int place, int top) {
    lcard(k).setLeft(1350 + (lcard(k).width() + kHandGap) * place);
    lcard(k).setTop(top);
    rcard(k).setLeft(1350 + (rcard(k).width() + kHandGap) * place);
    rcard(k).setTop(top + 420);
    tileLie(k) = 1;
}

void Form1::draw() {
    for (int k = 1; k <= kTiles; ++k) {
        const char* s = kPairs[static_cast<std::size_t>(k - 1)];
        lcard(k).setTag(std::string(1, s[0]));
        rcard(k).setTag(std::string(1, s[1]));
    }
    swap();
}

// Twenty-eight random transpositions of the pip pairs, with replacement; the tile images stay
// where the deal put them.
void Form1::swap() {
    trapped("swap", [&] {
        sys.randomize();
        for (int n = 0; n < kTiles; ++n) {
            const int a = static_cast<int>(kTiles * sys.rnd()) + 1;
            const int b = static_cast<int>(kTiles * sys.rnd()) + 1;
            std::string la = lcard(a).tag(), ra = rcard(a).tag();
            lcard(a).setTag(lcard(b).tag());
            rcard(a).setTag(rcard(b).tag());
            lcard(b).setTag(std::move(la));
            rcard(b).setTag(std::move(ra));
        }
        for (int k = 1; k <= kTiles; ++k) {
            Text1.setText(str(k));
            showcards();
        }
        for (int k = 15; k <= 21; ++k) {
            csc.setCaption(str(ival(lcard(k).tag()) + ival(csc.caption()) + ival(rcard(k).tag())));
        }
        for (int k = 22; k <= 28; ++k) {
            psc.setCaption(str(ival(lcard(k).tag()) + ival(psc.caption()) + ival(rcard(k).tag())));
        }
    });
}

}  // namespace brackwell

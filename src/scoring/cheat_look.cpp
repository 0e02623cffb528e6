// "Cheat Comp.": the computer's tiles show their faces for one second.
#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

void Form1::PushButton2_Click() {
    trapped("PushButton2_Click", [&] {
        Showcomppic.setValue(1);
        tellComputersTiles();
        Delay(1000);
        Showcomppic.setValue(0);
    });
}

// What the look shows, told at once rather than when the look is over.
void Form1::tellComputersTiles() {
    std::string tiles;
    for (int i = 0; i < List1.listCount(); ++i) {
        const int k = static_cast<int>(plat::ival(List1.list(i)));
        tiles += (tiles.empty() ? "" : ", ") + tileWords(lcard(k).tag(), rcard(k).tag());
    }
    news_.add(tiles.empty() ? "The computer holds no tile." : "Computer's tiles: " + tiles + ".");
    news_.flush();
}

void Form1::Showcomppic_Click() {
    const bool faceUp = Showcomppic.value() == 1;
    for (int i = 0; i < List1.listCount(); ++i) {
        const int k = static_cast<int>(plat::ival(List1.list(i)));
        for (plat::Image* half : {&lcard(k), &rcard(k)}) {
            half->setPicture(faceUp ? static_cast<plat::Picture>(plat::ival(half->tag())) +
                                          plat::kFaceBase
                                    : plat::kTileBack);
        }
    }
}

}  // namespace brackwell

// "Cheat Comp.": the computer's tiles show their faces for one second.
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell {

void Form1::PushButton2_Click() {
    trapped("PushButton2_Click", [&] {
        Showcomppic.setValue(1);
        Delay(1000);
        Showcomppic.setValue(0);
    });
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

// The pictures a tile shows where it lies, which tiles take the mouse, the preview tile, and
// the slot outlines of the line of play.
#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class FacesTable : public TableTest {};

constexpr plat::Picture kBack = plat::kTileBack;

plat::Picture plainFace(int pips) {
    return plat::kFaceBase + pips;
}

TEST_F(FacesTable, DealShowsThePlayersFacesAndEveryOtherTilesBackDisabled) {
    for (int k = 1; k <= kTiles; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k));
        const bool players = k >= 22;
        for (const plat::Image* half : {&form.lcard(k), &form.rcard(k)}) {
            EXPECT_EQ(half->picture(), players ? plainFace(std::stoi(half->tag())) : kBack);
            EXPECT_EQ(half->enabled(), players);
        }
    }
    // The preview last showed tile 28, while the status still read its design text: backs.
    EXPECT_EQ(form.NabU.picture(), kBack);
    EXPECT_EQ(form.NabD.picture(), kBack);
}

struct FaceCase {
    const char* where;
    int left, top, secondTop;
    bool faceUp;
    int offset;  // 9 for the quarter-turned faces
};

const FaceCase kFaceCases[] = {
    {"player's row", 1835, 7675, 8095, true, 0},
    {"boneyard column", 540, 1085, 1085, false, 0},
    {"computer's row", 1835, 60, 480, false, 0},
    {"lying on the line of play", 7120, 4045, 4045, true, 9},
    {"standing in a corner of the line", 11170, 4540, 4960, true, 0},
    {"Left 1080 is outside the table", 1080, 4000, 4000, false, 0},
    {"Left 1081 is inside the table", 1081, 4000, 4000, true, 9},
    {"Top 1000 is inside the table", 3000, 1000, 1000, true, 9},
    {"Top 999 is outside the table", 3000, 999, 999, false, 0},
};

TEST_F(FacesTable, ShowcardsGivesFacesOnTheTableAndInThePlayersRowAndBacksElsewhere) {
    t.setTile(22, 2, 6);
    form.turnFaces = 1;
    for (const FaceCase& c : kFaceCases) {
        SCOPED_TRACE(c.where);
        form.lcard(22).setEnabled(true);
        form.rcard(22).setEnabled(true);
        form.lcard(22).move(c.left, c.top);
        form.rcard(22).move(c.secondTop == c.top ? c.left + 420 : c.left, c.secondTop);
        form.Text1.setText("22");
        form.showcards();
        EXPECT_EQ(form.lcard(22).picture(), c.faceUp ? plainFace(2) + c.offset : kBack);
        EXPECT_EQ(form.rcard(22).picture(), c.faceUp ? plainFace(6) + c.offset : kBack);
        EXPECT_EQ(form.lcard(22).enabled(), c.faceUp);
        EXPECT_EQ(form.rcard(22).enabled(), c.faceUp);
    }
}

TEST_F(FacesTable, PreviewShowsTheFaceOnThePlayersTurnOrWhenAskedAndBacksOtherwise) {
    struct Case {
        const char* status;
        int previewFaceUp;
        bool faceUp;
    };
    for (const Case& c :
         {Case{kYourTurn, 0, true}, Case{kComputerTurn, 1, true}, Case{kComputerTurn, 0, false}}) {
        SCOPED_TRACE(std::string(c.status) + ", previewFaceUp " + std::to_string(c.previewFaceUp));
        form.lStatus.setCaption(c.status);
        form.previewFaceUp = c.previewFaceUp;
        form.Text1.setText("22");
        form.showcards();
        EXPECT_EQ(form.NabU.picture(), c.faceUp ? form.lcard(22).picture() : kBack);
        EXPECT_EQ(form.NabD.picture(), c.faceUp ? form.rcard(22).picture() : kBack);
    }
}

TEST_F(FacesTable, DrawshapeShowsTheSlotsInUseAndTheNextFreeSlotOfEachBranch) {
    const auto expectShown = [&](int right, int left) {
        for (int i = 0; i < kSlotsPerBranch; ++i) {
            EXPECT_EQ(form.Shr(i).visible(), i <= right) << "Shr(" << i << ")";
            EXPECT_EQ(form.Shl(i).visible(), i <= left) << "Shl(" << i << ")";
            EXPECT_EQ(form.Shr(i).fillColour(), plat::rgb(0xE0, 0xE0, 0xE0));
        }
    };
    {
        SCOPED_TRACE("empty table after the deal");
        expectShown(0, 0);
    }
    for (auto [right, left] : {std::pair{3, 0}, std::pair{0, 5}, std::pair{27, 17}}) {
        SCOPED_TRACE("first(1) " + std::to_string(right) + ", first(2) " + std::to_string(left));
        form.first(1).setCaption(std::to_string(right));
        form.first(2).setCaption(std::to_string(left));
        form.drawshape();
        expectShown(right, left);
    }
}

}  // namespace
}  // namespace brackwell::testing

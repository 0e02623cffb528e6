// Laying an accepted tile: it is turned to the slot's orientation code and its halves are set
// 420 apart from the slot's upper-left corner, then the turn passes.
#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class RotateTable : public TableTest {};

constexpr int kX = 2345, kY = 4045;

// Where each half goes for a code, as offsets from (kX, kY).
struct Lie {
    int code;
    int firstLeft, firstTop, secondLeft, secondTop;
};

constexpr Lie kLies[] = {
    {1, 0, 0, 0, 420},  // standing, first half above
    {2, 420, 0, 0, 0},  // lying, first half on the right
    {3, 0, 420, 0, 0},  // standing, first half below
    {4, 0, 0, 420, 0},  // lying, first half on the left
};

void aim(Form1& f, const std::string& code) {
    f.Text1.setText("22");
    f.Label1.setCaption(code);
    f.Label6.setCaption(std::to_string(kX));
    f.Label7.setCaption(std::to_string(kY));
}

TEST_F(RotateTable, RotatemeTurnsAnyCodeToTheTargetLaysTheHalvesAndPassesTheTurn) {
    for (int from = 1; from <= 4; ++from) {
        for (const Lie& lie : kLies) {
            SCOPED_TRACE("code " + std::to_string(from) + " to " + std::to_string(lie.code));
            form.tileLie(22) = from;
            aim(form, std::to_string(lie.code));
            const std::string status = form.lStatus.caption();

            form.rotateme();

            EXPECT_EQ(form.tileLie(22), lie.code);
            EXPECT_EQ(form.lcard(22).left(), kX + lie.firstLeft);
            EXPECT_EQ(form.lcard(22).top(), kY + lie.firstTop);
            EXPECT_EQ(form.rcard(22).left(), kX + lie.secondLeft);
            EXPECT_EQ(form.rcard(22).top(), kY + lie.secondTop);
            EXPECT_EQ(form.lStatus.caption(), status == kYourTurn ? kComputerTurn : kYourTurn);
        }
    }
}

TEST_F(RotateTable, RotatemeWithAnUnknownCodeNeitherHangsNorMovesTheTile) {
    for (const char* code : {"0", "5", ""}) {
        SCOPED_TRACE(std::string("code '") + code + "'");
        form.tileLie(22) = 1;
        aim(form, code);
        form.rotateme();
        EXPECT_EQ(form.tileLie(22), 1);
        EXPECT_EQ(form.lcard(22).left(), 1835);
        EXPECT_EQ(form.lcard(22).top(), 7675);
        EXPECT_EQ(form.rcard(22).top(), 8095);
    }
}

}  // namespace
}  // namespace brackwell::testing

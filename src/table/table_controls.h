#pragma once
// Every control of the game table, with its design values. Hidden labels and text boxes hold
// the game's counters as decimal text.
#include "platform/check_box.h"
#include "platform/control_array.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/picture_box.h"
#include "platform/push_button.h"
#include "platform/shape.h"
#include "platform/skin_framework.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace brackwell {

constexpr int kClientWidth = 11985;
constexpr int kClientHeight = 9375;
constexpr int kTiles = 28;
constexpr int kSlotsPerBranch = 28;

struct TableControls {
    TableControls();
    TableControls(const TableControls&) = delete;
    TableControls& operator=(const TableControls&) = delete;

    plat::Form window{"Form1", kClientWidth, kClientHeight};

    // Hidden values.
    plat::TextBox pno{"pno", "7"}, cno{"cno", "7"}, pull{"pull", "0"};
    plat::TextBox AvPmove{"AvPmove", "0"}, AvCmove{"AvCmove", "0"};
    plat::TextBox Text1{"Text1", "0"}, mturn{"mturn", "1"};
    plat::Label psc{"psc", "00"}, csc{"csc", "00"}, ppsc{"ppsc", "0"}, ccsc{"ccsc", "0"};
    plat::Label pmax{"pmax", "0"}, max{"max", "0"};
    plat::Label cu{"cu"}, cd{"cd"}, mu{"mu"}, md{"md"};
    plat::ControlArray<plat::Label> first;
    plat::Label Label1{"Label1", "0"}, Label6{"Label6"}, Label7{"Label7"};
    plat::Label Label8{"Label8", "0000"}, Label9{"Label9", "0000"}, Label10{"Label10", "0000"};
    plat::ListBox List1{"List1"};

    // Shown on the table.
    plat::Label Label2{"Label2", "Computer"}, Label3{"Label3", "Score"};
    plat::Label compscore{"compscore", "000"};
    plat::Label Label5{"Label5", "Player"}, Label4{"Label4", "Score"};
    plat::Label playerscore{"playerscore", "000"};
    plat::Label lStatus{"lStatus", "Status"}, lblStatusBar{"lblStatusBar"};
    // Why a key did nothing, shown for a moment.
    plat::Label lKeyNote{"lKeyNote"};
    plat::Shape Shape1{"Shape1"};
    plat::PushButton PushButton3{"PushButton3", "Get Card"};
    plat::PushButton PushButton1{"PushButton1", "New Game"};
    plat::PushButton PushButton2{"PushButton2", "Cheat Comp."};
    plat::Shape Shmove{"Shmove"};
    plat::ControlArray<plat::Shape> Shr, Shl;  // slots of the line of play
    plat::CheckBox Showcomppic{"Showcomppic", "Show Computer Hand"};
    plat::ControlArray<plat::PictureBox> Cover;  // the preview tile's box, element 0 only
    plat::Image NabU{"NabU"}, NabD{"NabD"};
    plat::ControlArray<plat::Image> lcard, rcard;  // tile halves 1..28 over templates 0

    plat::Timer Timer1{"Timer1", 100}, Timer2{"Timer2", 100};
    plat::Timer KeyNoteTimer{"KeyNoteTimer", 2500};
    plat::SkinFramework SkinFramework1;

  private:
    void placeValues();
    void placeVisibleControls();
    void placeTileTemplates();
};

// The slot outlines of both branches, laid out at design time.
std::unique_ptr<plat::Shape> makeSlot(bool rightBranch, int index);

}  // namespace brackwell

#include "table/table_controls.h"

namespace brackwell {

using plat::Align;
using plat::Font;
using plat::rgb;

namespace {

// The table's design colours: a sage cloth, dark captions, the status in blue.
constexpr plat::Colour kCloth = rgb(0x9c, 0xc3, 0xa0);
constexpr plat::Colour kCaption = rgb(0x1b, 0x2a, 0x1e);
constexpr plat::Colour kScore = rgb(0x7a, 0x1c, 0x24);
constexpr plat::Colour kStatusBlue = rgb(0x10, 0x3c, 0xb4);
constexpr plat::Colour kDarkGreen = rgb(0x00, 0x64, 0x00);
constexpr plat::Colour kRim = rgb(0x5a, 0x3e, 0x22);

void hide(plat::Control& c, const char* toolTip = "") {
    c.setVisible(false);
    c.setToolTip(toolTip);
}

void place(plat::Label& l, int left, int top, int width, int height, Font font,
           Align align = Align::Left) {
    l.move(left, top, width, height);
    l.setFont(std::move(font));
    l.setAlignment(align);
    l.setForeColour(kCaption);
}

std::unique_ptr<plat::Image> makeHalf(const char* name, int index) {
    auto half = std::make_unique<plat::Image>(name, index);
    half->move(6000, 4005, 405, 405);
    half->setVisible(false);
    return half;
}

}  // namespace

TableControls::TableControls()
    : first(window, 2, plat::Elements::DesignTime,
            [](int i) { return std::make_unique<plat::Label>("first", "0", i); }),
      Shr(window, kSlotsPerBranch - 1, plat::Elements::DesignTime,
          [](int i) { return makeSlot(true, i); }),
      Shl(window, kSlotsPerBranch - 1, plat::Elements::DesignTime,
          [](int i) { return makeSlot(false, i); }),
      Cover(window, 0, plat::Elements::DesignTime,
            [](int i) { return std::make_unique<plat::PictureBox>("Cover", i); }),
      lcard(window, kTiles, plat::Elements::RunTime, [](int i) { return makeHalf("lcard", i); }),
      rcard(window, kTiles, plat::Elements::RunTime, [](int i) { return makeHalf("rcard", i); }) {
    window.setBackColour(kCloth);
    placeValues();
    placeVisibleControls();
    placeTileTemplates();
    window.addTimer(Timer1);
    window.addTimer(Timer2);
    window.addTimer(KeyNoteTimer);
    KeyNoteTimer.setEnabled(false);
}

// The hidden controls that hold the game's values.
void TableControls::placeValues() {
    for (plat::TextBox* t : {&pno, &cno, &pull, &AvPmove, &AvCmove, &Text1, &mturn})
        window.add(*t);
    hide(pno, "Number Of Cards In Hand");
    hide(cno, "Number Of Cards In Hand");
    hide(pull, "No Of Taken Cards");
    hide(AvPmove, "No Of Variable Moves");
    hide(AvCmove, "No Of Variable Moves");
    hide(Text1, "Card Number That Comp Will Play");
    hide(mturn);
    for (plat::Label* l : {&psc, &csc, &ppsc, &ccsc, &pmax, &max, &cu, &cd, &mu, &md, &Label1,
                           &Label6, &Label7, &Label8, &Label9, &Label10}) {
        window.add(*l);
        hide(*l);
    }
    psc.setToolTip("Number Of Points In Hand");
    csc.setToolTip("Number Of Points In Hand");
    ppsc.setToolTip("Total Olayer Score");
    ccsc.setToolTip("Total Comp Score");
    pmax.setToolTip("No of Player Taken Card");
    max.setToolTip("No of Comp Taken Cards");
    cu.setToolTip("Left Corner");
    cd.setToolTip("Right Corner");
    mu.setToolTip("number u choose");
    md.setToolTip("number u choose");
    Label8.setToolTip("Shape left");
    Label9.setToolTip("Shape top");
    Label10.setToolTip("Comp Card Left");
    for (int i = 0; i <= 2; ++i)
        hide(first(i));
    window.add(List1);
    List1.move(9720, 7845, 1215, 450);
    hide(List1);
}

void TableControls::placeVisibleControls() {
    const Font arial14{"Arial", 14.25, true}, arial12{"Arial", 12, true},
        tahoma15{"Tahoma", 15.75, true};
    for (plat::Label* l : {&Label2, &Label3, &compscore, &Label5, &Label4, &playerscore, &lStatus,
                           &lblStatusBar, &lKeyNote}) {
        window.add(*l);
    }
    place(Label2, 90, 45, 1395, 330, arial14, Align::Centre);
    place(Label3, 120, 690, 720, 300, arial12);
    Label3.setAutoSize(true);
    place(compscore, 840, 645, 615, 375, arial14);
    compscore.setForeColour(kScore);
    place(Label5, 240, 7605, 1005, 375, tahoma15, Align::Centre);
    place(Label4, 120, 8295, 720, 300, arial12);
    Label4.setAutoSize(true);
    place(playerscore, 840, 8250, 615, 375, tahoma15);
    playerscore.setForeColour(kScore);
    place(lStatus, 4440, 1065, 2000, 375, tahoma15);
    lStatus.setAutoSize(true);
    lStatus.setForeColour(kStatusBlue);
    place(lblStatusBar, 3285, 8910, 0, 375, tahoma15);
    lblStatusBar.setAutoSize(true);
    place(lKeyNote, 7350, 8955, 0, 300, arial12);
    lKeyNote.setAutoSize(true);
    lKeyNote.setForeColour(kScore);
    lKeyNote.setVisible(false);

    window.add(Shape1);
    Shape1.move(1080, 1005, 10695, 6615);
    Shape1.setBorderWidth(4);
    Shape1.setBorderColour(kRim);

    window.add(Shmove);
    Shmove.move(0, 0, 480, 900);
    Shmove.setBorderWidth(2);
    Shmove.setBorderColour(kDarkGreen);
    Shmove.setVisible(false);

    for (plat::PushButton* b : {&PushButton3, &PushButton1, &PushButton2})
        window.add(*b);
    // Tab goes from the player's row (tab index 0) to the buttons in this order and back.
    PushButton3.setTabIndex(1);
    PushButton1.setTabIndex(2);
    PushButton2.setTabIndex(3);
    PushButton3.move(45, 7170, 1100, 350);
    PushButton1.move(135, 8865, 1500, 400);
    PushButton2.move(1755, 8865, 1500, 400);
    // A button with the keyboard focus wears the frame a focused tile wears.
    for (plat::PushButton* b : {&PushButton3, &PushButton1, &PushButton2}) {
        b->setFocusFrame({-25, -25, b->width() + 50, b->height() + 50, Shmove.borderColour(),
                          Shmove.borderWidth()});
    }

    window.add(Showcomppic);
    Showcomppic.move(9720, 8445, 2175, 255);
    Showcomppic.font = arial12;
    Showcomppic.setVisible(false);

    plat::PictureBox& box = Cover(0);
    box.move(8880, 45, 500, 900);
    box.setVisible(false);
    box.add(NabU);
    box.add(NabD);
    NabU.move(0, 0, 400, 400);
    NabD.move(0, 420, 405, 405);
}

// The hidden design halves of which every tile half is made at a deal. Either half takes the
// tile up, so both carry the hand pointer.
void TableControls::placeTileTemplates() {
    lcard(0).setPointerPicture(plat::kHandCursor);
    rcard(0).setPointerPicture(plat::kHandCursor);
    // A tile with the keyboard focus wears the frame of a dragged tile.
    lcard(0).setFocusFrame({-25, -25, 485, 900, Shmove.borderColour(), Shmove.borderWidth()});
    lcard(0).setPicture(plat::kTileBack);
    rcard(0).setPicture(plat::kTileBack);
}

}  // namespace brackwell

#pragma once
// The game table Form1: its controls, its window-level variables and all of the game's
// procedures. The procedures are defined in the folder of the part of the game they belong to
// (table, chain, turns, scoring); they take no arguments and exchange values through the
// table's fields, as the table's code always has.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chain/chain_layout.h"
#include "platform/services.h"
#include "table/event_gate.h"
#include "table/table_controls.h"
#include "table/table_news.h"
#include "table/table_reading.h"
#include "table/window_vars.h"

namespace brackwell {

inline constexpr char kYourTurn[] = "Status: Your Turn";
inline constexpr char kComputerTurn[] = "Status: Computer1";

// A tile is in the player's hand while its first half stands at this Top or lower, in the
// computer's while it stands above kComputerRowMax.
inline constexpr int kPlayerRowMin = 7650;
inline constexpr int kComputerRowMax = 1000;

inline constexpr int kBoneyardSize = 14;    // the boneyard is exhausted after 14 draws
inline constexpr int kGameOverScore = 101;  // the game ends once a score reaches it
// The status label stands beside the hand of the side to move.
inline constexpr int kStatusTopPlayer = 7100;
inline constexpr int kStatusTopComputer = 1100;

// The application title made from the product name (see table/form_load.cpp).
std::string applicationTitle(std::string productName);

class Form1 : public TableControls, public WindowVars {
  public:
    explicit Form1(plat::Services& services);

    // --- table: start-up, window, deal, faces, drag and drop
    void Form_Load();
    void Form_QueryUnload();
    void Form_MouseMove(const plat::MouseEvent& e);
    void PushButton_MouseMove(const plat::MouseEvent& e);  // all three push buttons
    void PushButton1_Click();
    void newGame();
    void draw();
    void swap();
    void showcards();
    void drawshape();
    void lcard_MouseDown(int index, const plat::MouseEvent& e);
    void lcard_MouseMove(int index, const plat::MouseEvent& e);
    void lcard_MouseUp(int index, const plat::MouseEvent& e);
    // --- table: the keyboard (the window's shortcuts, keys on a focused tile of the row)
    void Form_KeyDown(plat::KeyEvent& e);
    void lcard_KeyDown(int index, const plat::KeyEvent& e);

    // --- chain: placement, the computer's move, the turn tick
    void domook();
    void Timer1_Timer();

    // --- turns: counts and packing, the boneyard, the watchdog, status and waiting
    void variableppmove();
    void variableccmove();
    void packhands();
    void PushButton3_Click();
    void Timer2_Timer();
    void getturn();
    void changetocomputer();
    void changetoplayer();
    void Delay(float ms);

    // --- scoring: laying a tile, the end of a hand, the computer-hand look
    void rotateme();
    void checkendgame();
    void PushButton2_Click();
    void Showcomppic_Click();
    void tellComputersTiles();

    EventGate& gate() { return gate_; }
    const TableNews& news() const { return news_; }
    const TableReading& reading() const { return reading_; }
    plat::Services& services() { return sys; }
    // True once a side has emptied its hand, or the boneyard is empty and neither side can
    // play, or a score has reached the end of the game: nobody moves before the next deal.
    bool handIsOver();
    bool boneyardEmpty() const;  // all 14 tiles of the boneyard have been taken

  protected:
    plat::Services& sys;

  private:
    friend class TableReading;

    // Where a tile lies on the line of play: the opening tile, or the slot of an end it was
    // laid into in this hand.
    struct LinePlace {
        bool opening = false;
        End end = End::None;
        int slot = -1;
    };

    void layOutTheSet();  // the tiles of a fresh deal in the boneyard and both hands
    void standInRow(int k, int place, int top);

    // Where a tile of a hand is; a tile being dragged counts where it was picked up.
    bool inPlayerHand(int k);
    bool inComputerHand(int k);
    int handTop(int k);
    int matchingHalves(int k);            // halves of tile k equal to an open end
    int slotMatches(bool player, int i);  // those of the tile in slot i of a hand, if still there
    // The matching halves of a hand (slots 1 .. 7 + drawn), counted at once or with the events
    // let run after each slot.
    int handMatches(bool player);
    int countLettingEventsRun(bool player, plat::TextBox& out);

    // The placement path of domook.
    void playerOpens(int t);
    bool matchAtEnd(End end);
    void bookPlacedTile(int t);
    void tellLaid(int t, End end, const std::string& matched);
    // The computer's part of domook: its opening, its choice with draws and passes, its flight.
    bool computerOpens();            // false: no tile of its hand was found
    bool computerChoosesAndFlies();  // false: the computer passes
    void chooseComputerTile();
    void aimAt(int dropTop, const plat::Shape& slot);
    void flyCover();
    // The draw's parts.
    void takeIntoHand(int t, bool computer);
    void tellDrawn(int t, bool computer);
    void slidePreview(int targetLeft, bool computer);
    // The watchdog's parts.
    void settleHandIfOver();
    void passIfBlocked();
    // The score lines of the end-of-hand message.
    std::string computerScoreLine() const;
    std::string playerScoreLine() const;

    // Runs a trapping procedure's body: a failure is reported under the procedure's name and
    // the procedure is left.
    template <typename Body>
    void trapped(const char* procedure, Body&& body);
    void reportFailure(const char* procedure, const plat::AppFailure& failure);

    // Every event of the table enters here (see table/events.cpp).
    void wireEvents();
    void dispatch(const char* handler, const std::function<void()>& h);
    void onNewGameClicked();
    void onGetCardClicked();
    void onTimer1();
    void onTimer2();
    bool acceptsTilePress();
    void sendTileHome(int k);
    plat::MouseEvent fromSecondHalf(int k, plat::MouseEvent e);
    void useSystemColours();
    void endStaleDrag();

    // The keyboard's part (see table/tile_keys.cpp).
    std::vector<int> playerRow();  // the tiles of the player's row, left to right
    int rowLeft(int k);            // where tile k stands in the row (a dragged one: its home)
    bool fitsEnd(int k, End end);
    void layByKey(int k, End end);       // End::None: the tile stays home
    bool stepFocus(int from, int step);  // false at the row's ends
    std::string whyNoDraw();
    bool layKeyRefused(int k, End end);        // says why a key lays nothing, if it does
    void answerKey(const std::string& words);  // to the ear, and for a moment to the eye
    void keepFocusInRow();
    void focusFirstTile();

    EventGate gate_;
    TableNews news_{sys};
    TableReading reading_{*this};
    std::array<LinePlace, kTiles + 1> linePlace_{};
    int dispatchDepth_ = 0;  // events running inside each other; the news waits for the outermost
    // The row's tile that holds the keyboard focus, or takes it back from a button on Tab, and
    // the row as it was last seen, for the tile that follows it when it leaves.
    int keyTile_ = 0;
    std::vector<int> keyRow_;
    // Where the last wait was due, when it slept on to the window's next frame (see Delay).
    std::optional<std::uint32_t> waitDue_;
};

template <typename Body>
void Form1::trapped(const char* procedure, Body&& body) {
    try {
        body();
    } catch (const plat::AppFailure& failure) {
        reportFailure(procedure, failure);
    }
}

}  // namespace brackwell

#pragma once
// Arranging hands and the line of play, and the check of the whole table the tests share.
#include <string_view>

#include "support/table_fixture.h"

namespace brackwell::testing {

// Gives tiles from, from + 1, ... the pips written as "34 25 16" and recounts the hands.
// Tiles 1..14 are the boneyard, 15..21 the computer's hand, 22..28 the player's.
void setTiles(Table& t, int from, std::string_view pairs);
// Gives tiles 22, 23, ... these pips and lays them from the opening place along the right end.
void layChain(Table& t, std::string_view pairs);
std::vector<int> spotOf(Table& t, int k);        // lcard(k) Left, Top, rcard(k) Left, Top
std::vector<std::string> shown(const Table& t);  // the texts of the message boxes shown

// Checks when made (EXPECT_NO_THROW(TableChecker{t})) and at every verify(): each tile in one
// place of its own, the counters agreeing with the hands, the chain's neighbours equal; since the
// last verify(), the turn changed only by a laid tile, a pass or a deal, no score fell or is 101;
// at the top level, the keyboard focus only in the player's row or on a button.
// A broken rule throws std::logic_error, which the game's own traps let through.
class TableChecker {
  public:
    explicit TableChecker(Table& t) : t_(t) { remember(whole("at the start")); }
    int whole(const std::string& where);  // places, counters, chain; gives the tiles laid
    void verify(const std::string& where, bool topLevel = false);  // topLevel: both timers on
    void onMessage(const plat::headless::MessageRecord& m);        // no failure, the table whole
    int hands = 0;                                                 // hands scored

  private:
    void remember(int chain);
    void focusInRow(const std::string& where);
    [[noreturn]] void fail(const std::string& where, const std::string& what);
    Table& t_;
    std::string status_, opener_;  // as last seen
    long long chain_ = 0, pull_ = 0, comp_ = 0, player_ = 0, messages_ = 0;
};

}  // namespace brackwell::testing

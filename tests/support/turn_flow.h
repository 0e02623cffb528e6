#pragma once
// Arranging hands and the line of play for the turn-flow tests, and a check that every tile
// lies where the counters say it does.
#include <string>
#include <string_view>
#include <vector>

#include "support/table_fixture.h"

namespace brackwell::testing {

// Gives tiles from, from + 1, ... the pips written as "34 25 16" (first half, second half).
// Tiles 1..14 are the boneyard, 15..21 the computer's hand and 22..28 the player's.
void setTiles(Table& t, int from, std::string_view pairs);

// Lays hand tiles on the line of play, the first at the opening place and the others into the
// right branch's slots 0, 1, ...; the open ends then read cu and cd. The counters are made to
// agree with the hands, which are packed.
void layChain(Table& t, const std::vector<int>& tiles, int cu, int cd);

// pno, cno, psc and csc as the hands now hold them.
void recount(Table& t);

// Every tile lies in exactly one place and the counters agree: the boneyard holds tiles
// pull + 1 .. 14, each hand holds exactly the tiles its slot table lists, the line of play as
// many as first(0..2) say, and pno/cno/psc/csc match the hands.
::testing::AssertionResult tableIsConsistent(Table& t);

// Texts of the message boxes shown from message number `from` on.
std::vector<std::string> messagesFrom(const Table& t, std::size_t from = 0);

// Where both halves of tile k stand: {lcard.Left, lcard.Top, rcard.Left, rcard.Top}.
std::vector<int> spotOf(Table& t, int k);

}  // namespace brackwell::testing

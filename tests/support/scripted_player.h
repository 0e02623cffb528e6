#pragma once
// A player that plays only as a person does: through the mouse and the buttons. On its turn it
// drags a tile that fits onto the matching end's side of the table, or presses "Get Card".
#include <random>

#include "support/table_fixture.h"

namespace brackwell::testing {

class ScriptedPlayer {
  public:
    ScriptedPlayer(Table& table, std::uint64_t seed) : t_(table), random_(seed) {}
    // Makes one move if it is the player's turn and the table waits for it; true if it acted.
    bool act();

  private:
    Table& t_;
    std::mt19937_64 random_;
};

}  // namespace brackwell::testing

#pragma once
// A player that plays only as a person does: through the mouse and the buttons, or through the
// keyboard alone. On its turn it lays a tile that fits at its end (dragged onto the end's side
// of the table, or walked to with the arrows and keyed), or presses "Get Card" (G).
#include <random>

#include "support/table_fixture.h"

namespace brackwell::testing {

class ScriptedPlayer {
  public:
    enum class Input { Mouse, Keys };
    ScriptedPlayer(Table& table, std::uint64_t seed, Input input = Input::Mouse)
        : t_(table), random_(seed), input_(input) {}
    // Makes one move if it is the player's turn and the table waits for it; true if it acted.
    bool act();

  private:
    void lay(int k, End end);  // End::None: the opening
    void walkTo(int k);
    int pick(std::initializer_list<int> keys);
    Table& t_;
    std::mt19937_64 random_;
    Input input_;
};

}  // namespace brackwell::testing

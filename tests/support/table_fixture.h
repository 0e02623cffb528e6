#pragma once
// A table on the headless toolkit, and helpers to arrange hands and read the table back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/headless/key_router.h"
#include "platform/headless/mouse_router.h"
#include "platform/numeric_text.h"
#include "table/game_state.h"

namespace brackwell::testing {

using plat::headless::HeadlessPlatform;
using plat::headless::KeyRouter;
using plat::headless::MouseRouter;

struct Table {
    explicit Table(std::uint64_t seed = 42, std::int32_t firstTick = 1000)
        : sys(firstTick, seed), mouse(form.window), keys(form.window) {
        sys.attach(form.window);
    }
    HeadlessPlatform sys;
    Form1 form{sys};
    MouseRouter mouse;
    KeyRouter keys;

    long long val(const plat::TextBox& t) const { return plat::ival(t.text()); }
    long long val(const plat::Label& l) const { return plat::ival(l.caption()); }

    // Gives tile k the pips a (first half) and b (second half), swapping pairs with the tile
    // that holds them so the set stays whole.
    void setTile(int k, int a, int b);
    // The pips of tile k as "a-b".
    std::string pips(int k);
    int pipTotal(int k);

    // Where each of the 28 tiles lies.
    enum class Place { Boneyard, PlayerHand, ComputerHand, Chain, Lost };
    Place placeOf(int k);
    std::vector<int> tilesIn(Place p);

    // Drags tile k by its first half so that the half's top-left lands at (left, top).
    void dragTileTo(int k, int left, int top);
    // Runs the clock until the status reads the player's turn with nothing running.
    bool runUntilPlayerTurn(std::int64_t maxMs = 60000);
};

// A fixture with a table that has been loaded (the first hand is dealt, the player opens).
class TableTest : public ::testing::Test {
  protected:
    void SetUp() override { t.form.Form_Load(); }
    Table t;
    Form1& form = t.form;
    HeadlessPlatform& sys = t.sys;
};

}  // namespace brackwell::testing

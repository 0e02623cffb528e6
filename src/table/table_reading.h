#pragma once
// The table read aloud: what each control means to a player who cannot see it (a tile in your
// hand and where it fits, a tile of the line of play and where it lies, an open end, whose turn
// it is), and the whole table in one sentence. It reads the game's own state and rules, so that
// what it says can never disagree with the game.
#include <string>

#include "platform/accessible.h"

namespace brackwell {

class Form1;

class TableReading : public plat::AccessibleReader {
  public:
    explicit TableReading(Form1& table) : t_(table) {}

    plat::AccessibleText describe(const plat::Control& c) const override;
    const plat::Control* drawnWith(const plat::Control& c) const override;

    // Both open ends, both hands, the boneyard, the scores and whose turn it is.
    std::string summary() const;
    // Where a tile of the player's hand may go: "fits the left end", "does not fit".
    std::string fits(int k) const;
    // The open value of an end in words, or nothing before the first tile.
    std::string openEnd(bool right) const;

  private:
    int tileOf(const plat::Control& c) const;  // the tile whose first half c is, or 0
    plat::AccessibleText describeTile(int k) const;
    plat::AccessibleText describeLabel(const plat::Control& c) const;
    plat::AccessibleText describeSlot(const plat::Control& c) const;
    std::string shownFaces(int k) const;  // "six and three", or "" while face down
    std::string linePlace(int k) const;

    Form1& t_;
};

}  // namespace brackwell

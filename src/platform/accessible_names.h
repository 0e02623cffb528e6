#pragma once
// What a screen reader says about each control of the table: a role, a name and a description
// that tell a player what a sighted player sees there. The controls are found by their names
// (the tile halves lcard/rcard, the open ends cu/cd, the slots Shl/Shr, the status labels), so
// the game itself never writes a word of it. Nothing here runs unless a screen reader asks.
#include <string>
#include <unordered_map>
#include <vector>

#include "form.h"

namespace plat {

enum class AccessibleRole {
    None,      // not in the accessible tree: hidden, decorative or a value of the game
    Window,    // the table
    HandTile,  // a tile of the player's hand, the one kind of tile a player acts on
    Tile,      // any other tile: the computer's, the boneyard's, the line of play's, in flight
    OpenEnd,   // the outline of the next free place at an end of the line of play
    Text,      // a caption or a score
    Status,    // the turn status and the hint
    Button,
};

struct AccessibleText {
    AccessibleRole role = AccessibleRole::None;
    std::string name, description;
    bool inTree() const { return role != AccessibleRole::None; }
};

class AccessibleNames {
  public:
    explicit AccessibleNames(const Form& form) : form_(form) {}

    AccessibleText describe(const Control& c) const;

    // Compares the table with the one seen at the last call and tells what happened in
    // between ("Computer laid five and three at the right end. Your turn."). True when the
    // news changed.
    bool updateNews();
    const std::string& news() const { return news_; }

  private:
    // What the news compares from one call to the next.
    struct Glance {
        std::string status;
        int laid = 0, right = 0, left = 0, playerTiles = 0, computerTiles = 0;
        std::string playerScore, computerScore;
        bool operator==(const Glance&) const = default;
    };

    const Control* find(const std::string& name, int index = -1) const;
    std::string caption(const std::string& label) const;
    int number(const std::string& label, int index = -1) const;

    AccessibleText describeTile(const Control& first) const;
    std::string chainPlace(const Control& first, const Control& second) const;
    std::string fits(int a, int b) const;
    AccessibleText describeSlot(const Control& slot) const;
    const Control* tileAt(int left, int top) const;  // the tile whose place starts there
    std::string tileAtEnd(bool right) const;

    Glance glance() const;
    int laidOn(bool right) const;
    std::vector<std::string> changes(const Glance& was, const Glance& now);

    const Form& form_;
    mutable std::unordered_map<std::string, const Control*> found_;
    Glance seen_;
    bool haveSeen_ = false;
    std::vector<std::string> sentences_;
    std::string news_;  // the sentences, joined
    bool newsEndsTurn_ = false;
    bool movedThisTurn_ = false;  // the next event starts the news afresh
};

// "six and three" for the pips of a tile's two halves; "blank" for none.
std::string tileWords(int first, int second);

}  // namespace plat

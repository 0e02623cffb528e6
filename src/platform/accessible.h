#pragma once
// What a screen reader is told about the controls of a window. The game knows what its controls
// mean and says it through an AccessibleReader; a backend asks it only while a screen reader
// listens, and tells the screen reader when what it says changes.
#include <string>

namespace plat {

class Control;

enum class AccessibleRole {
    None,      // not in the accessible tree: hidden, decorative or a value of the game
    Window,    // the table
    HandTile,  // a tile of the player's hand, the one kind of tile a player acts on
    Tile,      // any other tile shown: the computer's, the line of play's, one in flight
    OpenEnd,   // the outline of the next free place at an end of the line of play
    Text,      // a caption, a score or a hint
    Status,    // whose turn it is
    Button,
};

struct AccessibleText {
    AccessibleRole role = AccessibleRole::None;
    std::string name, description;
    bool inTree() const { return role != AccessibleRole::None; }
    bool operator==(const AccessibleText&) const = default;
};

class AccessibleReader {
  public:
    virtual ~AccessibleReader() = default;
    virtual AccessibleText describe(const Control& c) const = 0;
    // The control drawn together with c as one thing (a tile's other half), or nullptr: the
    // screen reader's outline of c covers both.
    virtual const Control* drawnWith(const Control& c) const = 0;
};

}  // namespace plat

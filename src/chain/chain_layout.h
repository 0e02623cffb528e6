#pragma once
// The fixed places of the line of play: the opening place and the slots of both branches.
#include <array>

namespace brackwell {

struct SlotPlace {
    int left, top, width, height;
    int tag;  // 2: lying, first or third row; 4: lying, second row; 1: standing corner
};

// The opening tile's halves.
constexpr int kOpeningLeftL = 6025, kOpeningLeftR = 6450, kOpeningTop = 4000;

// Slot i of the right branch (lower half of the table) and of the left branch (upper half).
const std::array<SlotPlace, 28>& rightSlots();
const std::array<SlotPlace, 28>& leftSlots();

enum class End { None = 0, Right = 1, Left = 2 };

// The end whose region holds a tile's first half at (x, y); the left end wins where both hold.
End endAt(int x, int y);

// Where the first half of a tile is let go to lay it at an end: inside the end's region, on the
// end's next free slot (`laid` tiles lie on that branch already).
struct DropPoint {
    int left, top;
};
DropPoint nextDropAt(End end, long long laid);

// Where the computer puts its chosen tile so that the placement finds the end it chose.
constexpr int kComputerDropLeft = 3000, kComputerDropTopLeftEnd = 2000,
              kComputerDropTopRightEnd = 5000;

}  // namespace brackwell

#pragma once
// The window-level variables of the table (those not kept in controls).
#include <array>
#include <string>

#include "platform/app_failure.h"

namespace brackwell {

// An array with the bounds 0..Last whose element access outside the bounds is a failure of
// the statement ("Subscript out of range").
template <typename T, int Last>
class BoundedArray {
  public:
    T& operator()(long long i, plat::Where where = plat::Where::current()) {
        check(i, where);
        return items_[static_cast<std::size_t>(i)];
    }
    const T& operator()(long long i, plat::Where where = plat::Where::current()) const {
        check(i, where);
        return items_[static_cast<std::size_t>(i)];
    }
    void fill(const T& v) { items_.fill(v); }

  private:
    static void check(long long i, plat::Where where) {
        if (i < 0 || i > Last) throw plat::AppFailure("Subscript out of range", where);
    }
    std::array<T, Last + 1> items_{};
};

struct WindowVars {
    BoundedArray<int, 28> compTiles;    // the computer's hand, entries 1 .. 7 + compDrawn
    BoundedArray<int, 28> playerTiles;  // the player's hand, entries 1 .. 7 + playerDrawn
    BoundedArray<int, 28> tileLie;      // orientation code 1..4 by tile number
    int compDrawn = 0;
    int playerDrawn = 0;
    int faceTurn = 0;       // 0 or 9, the picture offset last chosen for a face
    int turnFaces = 0;      // 0 while the player drags a tile, 1 after
    int previewFaceUp = 0;  // 1: the preview tile shows its face on the computer's turn
    int dragArmed = 0;      // 1 while the left button drags a tile
    int compDropLeft = 0;
    int compDropTop = 0;
    int handOver = 0;  // 1 while a finished hand waits to be scored
    float grabX = 0, grabY = 0;
    BoundedArray<int, 2> homeLeftL, homeTopL, homeLeftR,
        homeTopR;  // entry 1: the dragged tile's home
};

}  // namespace brackwell

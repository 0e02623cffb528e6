#pragma once
// What is running at this moment that the table's events must respect. Waits, animations and
// message boxes run events nested inside a running procedure, so a tick or a click can arrive
// in the middle of a move; every entry point of the table asks here before it acts.

namespace brackwell {

enum class Activity {
    Move,     // a tile is being placed, by either side (the computer's flight included)
    Draw,     // a tile is being taken from the boneyard
    Deal,     // a hand is being dealt
    HandEnd,  // a finished hand is being scored
    Pass,     // a side is passing the turn
    kCount
};

class EventGate {
  public:
    // Marks an activity as running for the scope's lifetime.
    class Scope {
      public:
        Scope(EventGate& gate, Activity a) : gate_(gate), a_(a) { ++gate_.running_[index(a_)]; }
        ~Scope() { --gate_.running_[index(a_)]; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        EventGate& gate_;
        Activity a_;
    };

    Scope hold(Activity a) { return Scope(*this, a); }
    bool running(Activity a) const { return running_[index(a)] > 0; }
    // Something is running that no other move, draw, deal or pass may interrupt.
    bool busy() const {
        for (int n : running_) {
            if (n > 0) return true;
        }
        return false;
    }

    // "New Game" asked for while busy is carried out as soon as the running work has ended.
    void deferNewGame() { newGameDeferred_ = true; }
    bool takeDeferredNewGame() {
        const bool was = newGameDeferred_;
        newGameDeferred_ = false;
        return was;
    }

    // The tile the player is dragging (0 for none): it still counts as in the hand, and the
    // watchdog leaves it alone.
    int dragTile() const { return dragTile_; }
    void setDragTile(int k) { dragTile_ = k; }

  private:
    static int index(Activity a) { return static_cast<int>(a); }
    int running_[static_cast<int>(Activity::kCount)] = {};
    bool newGameDeferred_ = false;
    int dragTile_ = 0;
};

}  // namespace brackwell

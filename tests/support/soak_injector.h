#pragma once
// Random events at every processing of events and every message box: ticks, extra waits, the
// three buttons, presses, moves and releases anywhere on the table, and drags of any tile. The
// table is checked first whenever it is at rest. Seeded, so a game replays from its seed.
#include <cstdint>
#include <random>

#include "support/soak_invariants.h"

namespace brackwell::testing {

class SoakInjector {
  public:
    SoakInjector(Table& t, SoakChecker& check, std::uint64_t seed)
        : t_(t), check_(check), random_(seed) {}

    void install();
    // Lets go of the buttons that injected presses still hold, as a person finally does.
    void letGo();
    long long injected() const { return injected_; }

  private:
    void atEvents(int depth);
    void atMessageBox(const plat::headless::MessageRecord& m);
    void injectOne();
    void press();
    void release();
    void dragTile();
    int upTo(int n);  // 0 .. n - 1
    bool chance(double p);
    int x() { return upTo(kClientWidth); }
    int y() { return upTo(kClientHeight); }

    Table& t_;
    SoakChecker& check_;
    std::mt19937_64 random_;
    int held_ = 0;  // buttons held by injected presses
    long long injected_ = 0;
};

}  // namespace brackwell::testing

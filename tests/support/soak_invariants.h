#pragma once
// Checks that the table is whole whenever it is at rest: each of the 28 tiles in exactly one
// place, the counters agreeing with the hands, the chain joined by equal pips, the turn changed
// only by a laid tile, a pass or a deal, the scores only growing, and the game ending exactly
// when a score reaches 101. A broken rule throws InvariantBroken through the game's code.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/table_fixture.h"

namespace brackwell::testing {

struct InvariantBroken : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SoakChecker {
  public:
    explicit SoakChecker(Table& t) : t_(t) {}

    // Takes the freshly loaded table as the first state seen.
    void start();
    // Nothing runs that is half-way through changing the table, and no tile is held.
    bool tableAtRest();
    // Checks the whole table and the changes since the last check. `topLevel`: nothing at all
    // runs, so both timers must be on.
    void verify(const std::string& where, bool topLevel = false);
    // Checks a message as it is shown: no application error, a pass only for a side that can
    // neither play nor draw, a hand's end only for a finished hand and with the right scores.
    void onMessage(const plat::headless::MessageRecord& m);
    // After the game: it ended, and only because a hand ended with a score of 101 or more.
    void verifyEnd();

    int handsScored() const { return handsScored_; }

  private:
    struct Survey {
        std::vector<int> player, computer;  // tiles in each hand, in the order received
        int chain = 0;                      // tiles on the line of play
    };
    Survey survey(const std::string& where);
    void checkHand(const std::string& where, const std::vector<int>& hand, bool computer);
    void checkChain(const std::string& where, const std::vector<int>& right,
                    const std::vector<int>& left);
    void checkTurn(const std::string& where, const Survey& s);
    void checkScores(const std::string& where);
    int matchingHalves(const std::vector<int>& hand);
    [[noreturn]] void fail(const std::string& where, const std::string& what);

    Table& t_;
    std::string status_;
    int chain_ = 0, pull_ = 0;
    long long comp_ = 0, player_ = 0;
    std::size_t messagesSeen_ = 0;
    bool endDue_ = false;  // the last hand ended with a score of 101 or more
    int handsScored_ = 0;
};

}  // namespace brackwell::testing

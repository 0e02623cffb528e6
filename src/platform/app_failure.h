#pragma once
// A run-time failure of a game statement: what went wrong and where. Game procedures that
// trap failures report it with the application-error message and leave; the others let it
// pass to their caller.
#include <source_location>
#include <stdexcept>
#include <string>

namespace plat {

using Where = std::source_location;

class AppFailure : public std::runtime_error {
  public:
    AppFailure(const std::string& description, Where where)
        : std::runtime_error(description), where_(where) {}
    const Where& where() const { return where_; }
    std::string description() const { return what(); }

  private:
    Where where_;
};

// Thrown by the headless backend when the game ends the program, so that no further game code
// runs; the real backend leaves the process instead. Deliberately not an AppFailure: no trap
// may catch it.
struct ProgramEnded {};

}  // namespace plat

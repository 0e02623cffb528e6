// The measured program: started in a plain environment of its own, read from /proc, stopped.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace probe {

class Program {
  public:
    // Starts `command` on `display` and `bus` with `home` for its home, as on a desktop.
    Program(const std::vector<std::string>& command, const std::string& display,
            const std::string& bus, const std::string& home);
    ~Program();  // stops it if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    pid_t pid() const { return pid_; }
    bool exited();               // reaps it if it has ended
    double residentMiB() const;  // VmRSS
    double cpuSeconds() const;   // user and system time so far

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

}  // namespace probe

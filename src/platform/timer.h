#pragma once
// A timer of the table: when enabled, its handler runs every interval milliseconds, from the
// event loop. A handler that is still running (suspended in a wait further down the stack)
// is not entered again by its own timer.
#include <functional>
#include <string>

namespace plat {

class ControlObserver;

class Timer {
  public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);

    std::function<void()> onTimer;
    // Runs the handler unless it is already running.
    void fire();
    bool running() const { return running_; }

    void bind(ControlObserver* observer) { observer_ = observer; }

  private:
    std::string name_;
    int interval_;
    bool enabled_ = true;
    bool running_ = false;
    ControlObserver* observer_ = nullptr;
};

}  // namespace plat

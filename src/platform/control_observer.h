#pragma once
// How a backend hears of changes to the table's controls and timers.

namespace plat {

class Control;
class Timer;

class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control, unsigned what) = 0;  // what: Change bits
    virtual void timerChanged(Timer& timer) = 0;
};

}  // namespace plat

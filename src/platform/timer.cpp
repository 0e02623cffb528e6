#include "timer.h"

#include "control_observer.h"

namespace plat {

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    if (observer_) observer_->timerChanged(*this);
}

void Timer::fire() {
    if (running_ || !onTimer) return;
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    onTimer();
}

}  // namespace plat

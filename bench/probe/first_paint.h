// Waits for a program's first top-level window to be mapped and then painted all over.
#pragma once

#include <chrono>
#include <string>

#include "private_x.h"
#include "program.h"

namespace probe {

using Clock = std::chrono::steady_clock;

struct FirstWindow {
    double mapped = -1;   // seconds from the launch to the window's MapNotify
    double painted = -1;  // seconds from the launch until no pixel of it shows the root
    std::string failure;  // why there is no painted window, if there is none
};

// `launch` is the moment just before the program was started.
FirstWindow waitForFirstPaint(const PrivateX& x, Program& program, Clock::time_point launch,
                              double timeout);

}  // namespace probe

#pragma once
// The processor a stretch of work costs, as a share of one core: the process's user and system
// time over the wall time, summed over the stretches measured.
#include <sys/resource.h>

#include <QElapsedTimer>

namespace bench {

inline double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Share {
    double cpu = 0, wall = 0;
    int runs = 0;
    void add(double c, double w) { cpu += c, wall += w, ++runs; }
    double percent() const { return wall > 0 ? 100.0 * cpu / wall : 0; }
};

template <typename F>
void measure(Share& share, F&& f) {
    QElapsedTimer wall;
    const double c0 = cpuSeconds();
    wall.start();
    f();
    share.add(cpuSeconds() - c0, wall.nsecsElapsed() / 1e9);
}

}  // namespace bench

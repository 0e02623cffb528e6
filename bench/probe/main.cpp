// Measures a desktop program's start as its user meets it, on a private X server and session
// bus that all runs share (as a desktop's are, warm after the first run):
//   - the time from its launch to its first top-level window mapped, and then painted all over
//     (no pixel of the window still shows the root's colour through it);
//   - its resident memory (VmRSS) once the window has settled;
//   - the share of one core it uses while it sits idle (user and system time over wall time).
// Every run starts the program afresh, with one private home for all runs; the first runs are a
// warm-up and are not counted.
//   brackwell_window_probe [-n RUNS] [--warmup N] [--settle S] [--idle S] [--timeout S]
//                          -- PROGRAM [ARG...]
// Prints one line per run, then min, median and max of each figure. Exit status 3 when a run
// has no painted window, 2 on bad usage.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "first_paint.h"
#include "private_bus.h"

namespace {

struct Options {
    int runs = 5, warmup = 1;
    double settle = 2, idle = 10, timeout = 30;
    std::vector<std::string> command;
};

struct Figures {
    double mapped_ms, painted_ms, rss_mib, idle_pct;
};

bool parse(int argc, char** argv, Options& o) {
    int i = 1;
    for (; i + 1 < argc && std::string(argv[i]) != "--"; i += 2) {
        const std::string flag = argv[i];
        const double value = std::atof(argv[i + 1]);
        if (flag == "-n")
            o.runs = static_cast<int>(value);
        else if (flag == "--warmup")
            o.warmup = static_cast<int>(value);
        else if (flag == "--settle")
            o.settle = value;
        else if (flag == "--idle")
            o.idle = value;
        else if (flag == "--timeout")
            o.timeout = value;
        else
            return false;
    }
    if (i >= argc || std::string(argv[i]) != "--") return false;
    o.command.assign(argv + i + 1, argv + argc);
    return !o.command.empty() && o.runs > 0 && o.warmup >= 0 && o.idle > 0;
}

void sleepFor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// One start of the program: "" with its figures, or why it has none.
std::string measure(const probe::PrivateX& x, const probe::PrivateBus& bus, const Options& o,
                    const std::string& home, Figures& f) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(x.connection()))
        std::free(e);
    const auto launch = probe::Clock::now();
    probe::Program program(o.command, x.display(), bus.address(), home);
    const probe::FirstWindow window = probe::waitForFirstPaint(x, program, launch, o.timeout);
    if (window.painted < 0) return window.failure;
    sleepFor(o.settle);
    f.rss_mib = program.residentMiB();
    const double cpu0 = program.cpuSeconds();
    const auto idle0 = probe::Clock::now();
    sleepFor(o.idle);
    const double cpu = program.cpuSeconds() - cpu0;
    const double wall = std::chrono::duration<double>(probe::Clock::now() - idle0).count();
    if (program.exited()) return "it exited while idle";
    f.mapped_ms = 1000 * window.mapped;
    f.painted_ms = 1000 * window.painted;
    f.idle_pct = 100 * cpu / wall;
    return "";
}

void summary(const char* name, const std::vector<Figures>& runs, double Figures::*figure) {
    std::vector<double> v;
    for (const auto& r : runs)
        v.push_back(r.*figure);
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    std::printf("%-12s %10.2f %10.2f %10.2f\n", name, v.front(), median, v.back());
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: %s [-n RUNS] [--warmup N] [--settle S] [--idle S] [--timeout S] "
                     "-- PROGRAM [ARG...]\n",
                     argv[0]);
        return 2;
    }
    char folder[] = "/tmp/window-probe.XXXXXX";
    if (!mkdtemp(folder)) return 2;
    std::vector<Figures> counted;
    bool allPainted = true;
    try {
        const probe::PrivateX x;
        const probe::PrivateBus bus;
        for (int run = 1 - o.warmup; run <= o.runs; ++run) {
            const std::string label = run < 1 ? "warm-up" : "run " + std::to_string(run);
            Figures f{};
            const std::string failure = measure(x, bus, o, folder, f);
            if (failure.empty())
                std::printf(
                    "%-8s mapped %7.1f ms  painted %7.1f ms  rss %6.2f MiB  idle %5.2f %%\n",
                    label.c_str(), f.mapped_ms, f.painted_ms, f.rss_mib, f.idle_pct);
            else
                std::printf("%-8s %s\n", label.c_str(), failure.c_str());
            if (run >= 1 && failure.empty()) counted.push_back(f);
            allPainted = allPainted && failure.empty();
            std::fflush(stdout);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        allPainted = false;
    }
    std::filesystem::remove_all(folder);
    if (!counted.empty()) {
        std::printf("%-12s %10s %10s %10s\n", "figure", "min", "median", "max");
        summary("mapped_ms", counted, &Figures::mapped_ms);
        summary("painted_ms", counted, &Figures::painted_ms);
        summary("rss_mib", counted, &Figures::rss_mib);
        summary("idle_pct", counted, &Figures::idle_pct);
    }
    return allPainted ? 0 : 3;
}

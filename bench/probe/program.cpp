#include "program.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace probe {

namespace {

// Only what a desktop session would hand any program; nothing of the caller's own settings.
std::vector<std::string> environment(const std::string& display, const std::string& bus,
                                     const std::string& home) {
    std::vector<std::string> env = {"DISPLAY=" + display, "DBUS_SESSION_BUS_ADDRESS=" + bus,
                                    "HOME=" + home, "XDG_RUNTIME_DIR=" + home,
                                    "QT_QPA_PLATFORM=xcb"};
    for (const char* name : {"PATH", "LANG", "LC_ALL", "USER"}) {
        if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
    }
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (auto& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

Program::Program(const std::vector<std::string>& command, const std::string& display,
                 const std::string& bus, const std::string& home) {
    auto args = command;
    auto env = environment(display, bus, home);
    auto argv = pointers(args);
    auto envp = pointers(env);
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(STDERR_FILENO, STDOUT_FILENO);  // the probe's own output stays its figures alone
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
}

Program::~Program() {
    if (pid_ <= 0 || exited()) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 200 && !exited(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!exited()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool Program::exited() {
    if (!reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_) reaped_ = true;
    return reaped_;
}

double Program::residentMiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

double Program::cpuSeconds() const {
    std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The fields after the command's name, which is in parentheses and may hold blanks: the
    // state is the 3rd field of the line, user and system time the 14th and 15th.
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 14; ++i)
        rest >> field;
    long long user = 0, system = 0;
    rest >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace probe

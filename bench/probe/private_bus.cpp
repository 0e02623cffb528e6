#include "private_bus.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace probe {

PrivateBus::PrivateBus() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("no pipe for dbus-daemon");
    daemon_ = fork();
    if (daemon_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        const std::string print = "--print-address=" + std::to_string(fds[1]);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", print.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        address_ += ch;
    close(fds[0]);
    if (address_.empty()) throw std::runtime_error("dbus-daemon did not start (is it installed?)");
}

PrivateBus::~PrivateBus() {
    if (daemon_ <= 0) return;
    kill(daemon_, SIGTERM);
    waitpid(daemon_, nullptr, 0);
}

}  // namespace probe

#include "private_x.h"

#include <xcb/damage.h>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace probe {

namespace {

// Starts Xvfb with -displayfd and returns its display number as it writes it, or "" if it dies.
std::string startServer(pid_t& pid) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("no pipe for Xvfb");
    pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // the server goes when the probe goes, however
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    close(fds[0]);
    return number;
}

}  // namespace

PrivateX::PrivateX() {
    const std::string number = startServer(server_);
    if (number.empty()) throw std::runtime_error("Xvfb did not start (is it installed?)");
    display_ = ":" + number;
    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("no connection to Xvfb");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t values[] = {kRootColour, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_change_window_attributes(connection_, root_, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_clear_area(connection_, 0, root_, 0, 0, 0, 0);
    // The damage extension tells when a window's contents change; it answers only a client that
    // has asked for its version first.
    const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) throw std::runtime_error("Xvfb has no damage extension");
    damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                        nullptr));
    xcb_flush(connection_);
}

PrivateX::~PrivateX() {
    if (connection_) xcb_disconnect(connection_);
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

}  // namespace probe

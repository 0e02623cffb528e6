// A private X server for measuring: Xvfb on a display number it picks itself, so that several
// measurements can run side by side, with its root painted in a colour no program draws.
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <string>

namespace probe {

// The root's colour (0xRRGGBB). A window that has not yet drawn shows the root through it,
// because Qt's windows have no background of their own for the server to fill.
inline constexpr uint32_t kRootColour = 0xFE01FD;

class PrivateX {
  public:
    PrivateX();  // throws std::runtime_error when the server does not start
    ~PrivateX();
    PrivateX(const PrivateX&) = delete;
    PrivateX& operator=(const PrivateX&) = delete;

    const std::string& display() const { return display_; }  // ":N"
    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return root_; }
    uint8_t damageNotify() const { return damageNotify_; }  // the damage extension's event code

  private:
    pid_t server_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageNotify_ = 0;
};

}  // namespace probe

// A private session bus for the measured program, as a desktop session has one. Without it the
// program's D-Bus library would launch a bus of its own on its first call, inside the figures,
// and leave it running.
#pragma once

#include <sys/types.h>

#include <string>

namespace probe {

class PrivateBus {
  public:
    PrivateBus();  // throws std::runtime_error when dbus-daemon does not start
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& address() const { return address_; }

  private:
    pid_t daemon_ = -1;
    std::string address_;
};

}  // namespace probe

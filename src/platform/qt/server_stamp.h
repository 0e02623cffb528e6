#pragma once
// The X server's clock at a point of the request stream. A zero-length change of a property of
// the window comes back as an event that the server stamps with the clock that also stamps the
// key events, and the server handles one client's requests in order: the time told is after
// everything the program sent before, the window's last painted pixels among them.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWidget;

namespace plat::qt {

// The property the stamp changes; a test driver that sees it on a window knows that keys it
// presses from then on are stamped after the window was painted.
inline constexpr char kShownProperty[] = "_BRACKWELL_SHOWN";

class ServerStamp : public QObject, public QAbstractNativeEventFilter {
  public:
    // False where the display is not an X server (the offscreen platform of the tests).
    static bool available();
    // Asks at once; `stamped` hears the server's time when the event comes back. Lives as a
    // child of the window, so a window closed first takes the question with it.
    ServerStamp(QWidget& window, std::function<void(unsigned long)> stamped);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    std::function<void(unsigned long)> stamped_;
    quint32 window_ = 0, atom_ = 0;
};

}  // namespace plat::qt

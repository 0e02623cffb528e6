#pragma once
// Qt does not pass the window manager's close request to a window that a modal message box
// blocks. This filter hears the request itself, so that closing the table ends the program
// at once even then.
// On Wayland there is nothing to hear: Qt 6.4 answers the compositor's xdg_toplevel.close with
// QWindow::close(), which passes the modal block and reaches the table's close event, so the
// watch stays idle there (tests/e2e/wayland_close_test.sh holds Qt to that).
#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>

namespace plat::qt {

class CloseWatch : public QAbstractNativeEventFilter {
  public:
    CloseWatch(QWidget& window, std::function<void()> onClose);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    QWidget& window_;
    std::function<void()> onClose_;
    quint32 wmProtocols_ = 0, wmDeleteWindow_ = 0;
};

}  // namespace plat::qt

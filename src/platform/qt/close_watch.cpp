#include "platform/qt/close_watch.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>

namespace plat::qt {

namespace {
quint32 atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const quint32 a = reply ? reply->atom : 0;
    std::free(reply);
    return a;
}
}  // namespace

CloseWatch::CloseWatch(QWidget& window, std::function<void()> onClose)
    : window_(window), onClose_(std::move(onClose)) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    wmProtocols_ = atom(x11->connection(), "WM_PROTOCOLS");
    wmDeleteWindow_ = atom(x11->connection(), "WM_DELETE_WINDOW");
}

bool CloseWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (wmProtocols_ == 0 || eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    auto* cm = reinterpret_cast<xcb_client_message_event_t*>(event);
    if (cm->format != 32 || cm->type != wmProtocols_ || cm->data.data32[0] != wmDeleteWindow_)
        return false;
    if (cm->window != window_.winId()) return false;
    // Without a modal box the request takes Qt's own way to the window's close event.
    if (!QApplication::activeModalWidget()) return false;
    onClose_();
    return true;
}

}  // namespace plat::qt

#include "platform/qt/server_stamp.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace plat::qt {

namespace {
xcb_connection_t* connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
}  // namespace

bool ServerStamp::available() {
    return connection() != nullptr;
}

ServerStamp::ServerStamp(QWidget& window, std::function<void(unsigned long)> stamped)
    : QObject(&window), stamped_(std::move(stamped)), window_(quint32(window.winId())) {
    xcb_connection_t* c = connection();
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::strlen(kShownProperty), kShownProperty), nullptr);
    atom_ = reply ? reply->atom : 0;
    std::free(reply);
    // Qt selects property changes on its top-level windows: the event comes back to it.
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window_, atom_, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
    qApp->installNativeEventFilter(this);
}

bool ServerStamp::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
    if (notify->window != window_ || notify->atom != atom_) return false;
    qApp->removeNativeEventFilter(this);
    stamped_(notify->time);
    deleteLater();
    return true;
}

}  // namespace plat::qt

#include "platform/qt/box_key_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/qt/server_stamp.h"

namespace plat::qt {

namespace {
// X's clock counts milliseconds in 32 bits and wraps after 49 days.
bool after(unsigned long time, unsigned long since) {
    return static_cast<qint32>(static_cast<quint32>(time) - static_cast<quint32>(since)) > 0;
}
}  // namespace

BoxKeyGuard::Stamp BoxKeyGuard::serverStamp() {
    return [](QWidget& box, Answer answer) {
        if (ServerStamp::available()) {
            new ServerStamp(box, [answer](unsigned long time) { answer(time); });
        } else {
            answer(std::nullopt);
        }
    };
}

namespace {
// Long after any box is painted, and short enough not to leave a player wondering.
constexpr int kFallbackMs = 1000;
}  // namespace

BoxKeyGuard::BoxKeyGuard(QWidget& box, Stamp stamp) : box_(box), stamp_(std::move(stamp)) {
    qApp->installEventFilter(this);
    fallback_.setSingleShot(true);
    connect(&fallback_, &QTimer::timeout, this, [this] { open(std::nullopt); });
    fallback_.start(kFallbackMs);
}

void BoxKeyGuard::open(std::optional<unsigned long> at) {
    if (open_) return;
    fallback_.stop();
    shownAt_ = at;
    open_ = true;
    box_.setProperty(kShownProperty, true);
}

BoxKeyGuard::~BoxKeyGuard() {
    qApp->removeEventFilter(this);
}

// Asked after the paint has gone out, behind the painted pixels in the request stream.
void BoxKeyGuard::painted() {
    asked_ = true;
    QPointer<BoxKeyGuard> self(this);
    QMetaObject::invokeMethod(
        this,
        [this, self] {
            stamp_(box_, [self](std::optional<unsigned long> at) {
                if (self) self->open(at);
            });
        },
        Qt::QueuedConnection);
}

// A press counts once the box is open and, where the clock is known, when stamped after it;
// a repeat or release counts only after such a press of its key (everything after that press
// is stamped later still). A key goes up the widgets to the box: it is judged at each.
// A key that a screen reader's bridge held back and sent on again carries no time stamp: the
// bridge sends it to the widget that had the keyboard when the key was pressed, so reaching the
// box it was pressed on the box.
bool BoxKeyGuard::takes(const QKeyEvent& e) {
    if (e.type() == QEvent::KeyRelease || e.isAutoRepeat()) return pressed_.contains(e.key());
    const bool stamped = e.timestamp() != 0;
    if (!open_ || (shownAt_ && stamped && !after(e.timestamp(), *shownAt_))) return false;
    pressed_.insert(e.key());
    return true;
}

// The window paints itself whole as it is exposed, within the handling of the Expose event;
// a Paint seen on an exposed window is the other way a first frame goes out.
bool BoxKeyGuard::eventFilter(QObject* watched, QEvent* e) {
    QWindow* window = box_.windowHandle();
    const bool exposed = window && window->isExposed();
    if (watched == window && e->type() == QEvent::Expose && exposed && !asked_) painted();
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &box_) return false;
    if (e->type() == QEvent::Paint && widget == &box_ && exposed && !asked_) {
        painted();
    } else if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        return !takes(*static_cast<QKeyEvent*>(e));
    }
    return false;
}

}  // namespace plat::qt

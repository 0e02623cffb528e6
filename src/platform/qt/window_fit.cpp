#include "platform/qt/window_fit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace plat::qt {

QRect fitWindow(QSize design, const QRect& available, const QMargins& frame) {
    const QSize room = available.size().shrunkBy(frame);
    QSize size = design;
    if (size.width() > room.width() || size.height() > room.height()) {
        // The narrower of the two ratios decides; integer arithmetic rounds down, so the
        // result never overshoots the room.
        const qint64 w = design.width(), h = design.height();
        if (room.width() * h <= room.height() * w)
            size = QSize(room.width(), int(room.width() * h / w));
        else
            size = QSize(int(room.height() * w / h), room.height());
        size = size.expandedTo(QSize(1, 1));
    }
    const QSize framed = size.grownBy(frame);
    const int left = available.left() + std::max(0, (available.width() - framed.width()) / 2);
    const int top = available.top() + std::max(0, (available.height() - framed.height()) / 2);
    return QRect(QPoint(left + frame.left(), top + frame.top()), size);
}

namespace {

// Waits for the window manager's frame, then re-places the window once if it sticks out. Qt
// learns of the frame without an event of its own, so the watch looks again at each event that
// follows a window manager's work: a move, a resize, a paint, the activation.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget& window, QSize design) : QObject(&window), window_(window), design_(design) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* e) override {
        static constexpr QEvent::Type kLooks[] = {QEvent::Move, QEvent::Resize, QEvent::Paint,
                                                  QEvent::WindowActivate};
        if (std::find(std::begin(kLooks), std::end(kLooks), e->type()) == std::end(kLooks))
            return false;
        const QRect outer = window_.frameGeometry(), inner = window_.geometry();
        if (outer == inner) return false;  // no frame yet, or none at all
        const QRect area = window_.screen()->availableGeometry();
        if (!area.contains(outer)) {
            const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                                 outer.right() - inner.right(), outer.bottom() - inner.bottom());
            window_.setGeometry(fitWindow(design_, area, frame));
        }
        window_.removeEventFilter(this);
        deleteLater();
        return false;
    }

  private:
    QWidget& window_;
    QSize design_;
};

}  // namespace

void fitToScreen(QWidget& window, QSize design) {
    window.setGeometry(fitWindow(design, window.screen()->availableGeometry(), QMargins()));
    new FrameWatch(window, design);
}

}  // namespace plat::qt

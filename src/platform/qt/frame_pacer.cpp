#include "platform/qt/frame_pacer.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace plat::qt {

namespace {
constexpr double kFallbackHz = 60;
}  // namespace

FramePacer::FramePacer(QWidget& window) : QObject(&window), window_(window) {
    tick_.setSingleShot(true);
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &FramePacer::tick);
    window.installEventFilter(this);
}

double FramePacer::frameMs() const {
    const QScreen* screen = window_.screen();
    const double hz = screen ? screen->refreshRate() : 0;
    return 1000.0 / (hz >= 1 ? hz : kFallbackHz);
}

bool FramePacer::frameDue() const {
    return !lastFrame_.isValid() || lastFrame_.nsecsElapsed() >= frameMs() * 1e6;
}

int FramePacer::msToNextFrame() const {
    if (frameDue()) return 0;
    return static_cast<int>(std::ceil(frameMs() - lastFrame_.nsecsElapsed() / 1e6));
}

int FramePacer::msPastNextFrame() const {
    return frameDue() ? 0 : msToNextFrame() + 1;
}

void FramePacer::hold(bool on) {
    held_ += on ? 1 : -1;
    if (held_ > 0 || !missed_) return;
    missed_ = false;
    // From the event loop, not at once: the step that held the frames may still be finishing.
    if (!tick_.isActive()) tick_.start(msToNextFrame());
}

void FramePacer::paintBehindBox() {
    if (!missed_) return;
    missed_ = false;
    tick_.start(0);
}

// The window paints on an update request (a repaint now sends one at once); one that comes
// early is held back until the frame tick, one that comes while the frames are held until the
// hold ends.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::UpdateRequest) return false;
    if (held_ > 0 && !QApplication::activeModalWidget()) {
        tick_.stop();
        missed_ = true;
        return true;
    }
    if (ticking_ || frameDue()) {
        tick_.stop();
        lastFrame_.start();
        return false;
    }
    if (!tick_.isActive()) tick_.start(std::max(1, msToNextFrame()));
    return true;
}

void FramePacer::tick() {
    ticking_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window_, &request);
    ticking_ = false;
}

}  // namespace plat::qt

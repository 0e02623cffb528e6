#pragma once
// Paints a window at most once per frame of its screen: an update asked for within a frame of
// the last paint waits for the next frame tick, which paints everything changed meanwhile at
// once. A tile moved every millisecond is then painted as often as the screen can show it.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace plat::qt {

class FramePacer : public QObject {
  public:
    explicit FramePacer(QWidget& window);

    // True when no frame was painted for a frame's time: painting now shows a new frame.
    bool frameDue() const;
    // The screen's frame time in milliseconds (60 frames a second when the screen tells none).
    double frameMs() const;
    // Whole milliseconds until the next frame may be painted; 0 when one is due.
    int msToNextFrame() const;
    // A millisecond more, when the next frame is surely painted: a wait that ends then wakes once
    // for the frame and the steps after it (its tick is due a moment before).
    int msPastNextFrame() const;
    // While held (holds nest) the window paints nothing; the paint it was asked for meanwhile
    // comes at the first frame tick after the last hold ends. A message box shown meanwhile
    // lets the window paint behind it.
    void hold(bool on);
    bool held() const { return held_ > 0; }
    // A message box opens: the paint held back comes now, behind it.
    void paintBehindBox();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tick();

    QWidget& window_;
    QElapsedTimer lastFrame_;
    QTimer tick_;
    bool ticking_ = false;
    int held_ = 0;
    bool missed_ = false;  // a paint was asked for while held
};

}  // namespace plat::qt

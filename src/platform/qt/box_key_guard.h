#pragma once
// A message box that opens by itself (the computer's draw, a pass, the end of a hand) must not
// be answered by a key the player pressed for the table just before it appeared, nor by the
// auto-repeat of a key held from before. The guard lets keys reach the box only from a press
// stamped after the box was painted on the screen; that press's repeats and release follow it.
// A player who presses Return on seeing the box is answered at once: no delay is guessed.
// From then on the box carries the property kShownProperty (server_stamp.h), true.
#include <QObject>
#include <QSet>
#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

namespace plat::qt {

class BoxKeyGuard : public QObject {
  public:
    // Told, once the box is painted, the moment on the clock of the key events' timestamps
    // that follows every key event stamped before it; nullopt where the platform has no such
    // clock, and the keys delivered from then on count.
    using Answer = std::function<void(std::optional<unsigned long>)>;
    using Stamp = std::function<void(QWidget& box, Answer)>;

    // The X server's clock where there is one (ServerStamp), otherwise Qt's order of events.
    static Stamp serverStamp();

    explicit BoxKeyGuard(QWidget& box, Stamp stamp = serverStamp());
    ~BoxKeyGuard() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void painted();
    bool takes(const QKeyEvent& e);
    QWidget& box_;
    Stamp stamp_;
    bool asked_ = false, open_ = false;
    std::optional<unsigned long> shownAt_;
    QSet<int> pressed_;  // the keys pressed since the box was shown
};

}  // namespace plat::qt

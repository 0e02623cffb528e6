#include "platform/qt/announcer.h"

#include <QAccessibleInterface>
#include <QEvent>
#include <QWindow>
#include <utility>

namespace plat::qt {

namespace {

// An accessible object that is no widget: no place on screen, no focus, no actions.
class Unplaced : public QAccessibleInterface {
  public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::State state() const override { return {}; }
};

// The sentence, as a label inside its notification.
class Line : public Unplaced {
  public:
    Line(QAccessible::Id note, QString text) : note_(note), text_(std::move(text)) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::accessibleInterface(note_);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

  private:
    QAccessible::Id note_;
    QString text_;
};

// One notification; it owns its line.
class Note : public Unplaced {
  public:
    explicit Note(QAccessible::Id board) : board_(board) {}
    ~Note() override { QAccessible::deleteAccessibleInterface(line_); }
    void setLine(QAccessible::Id line) { line_ = line; }
    QAccessibleInterface* parent() const override {
        return QAccessible::accessibleInterface(board_);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::accessibleInterface(line_) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c && c == QAccessible::accessibleInterface(line_) ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }  // the line says it
    QAccessible::Role role() const override { return QAccessible::Notification; }

  private:
    QAccessible::Id board_;
    QAccessible::Id line_ = 0;
};

// The board of news below the window, holding the notifications still kept.
class Board : public Unplaced {
  public:
    Board(QWidget* window, const QList<QAccessible::Id>& notes) : window_(window), notes_(notes) {}
    QAccessibleInterface* parent() const override {
        return window_ ? QAccessible::queryAccessibleInterface(window_) : nullptr;
    }
    int childCount() const override { return static_cast<int>(notes_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < notes_.size() ? QAccessible::accessibleInterface(notes_[index])
                                                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return static_cast<int>(notes_.indexOf(QAccessible::uniqueId(
            const_cast<QAccessibleInterface*>(c))));  // uniqueId takes no const interface
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }

  private:
    QPointer<QWidget> window_;
    const QList<QAccessible::Id>& notes_;
};

}  // namespace

namespace {
// How long news waits for the window to be active again before it is told all the same.
constexpr int kWaitForWindowMs = 1500;
}  // namespace

Announcer::Announcer() {
    giveUp_.setSingleShot(true);
    giveUp_.setInterval(kWaitForWindowMs);
    connect(&giveUp_, &QTimer::timeout, this, [this] {
        for (const QString& text : std::exchange(held_, {}))
            showNote(text);
    });
}

void Announcer::setWindow(QWidget* window) {
    if (window_) window_->removeEventFilter(this);
    window_ = window;
    if (window_) window_->installEventFilter(this);
}

// Qt tells the screen reader of the focus as the window is activated; the news is told just
// after it, from the event loop.
bool Announcer::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !held_.isEmpty())
        QTimer::singleShot(0, this, [this] { tell(); });
    return false;
}

Announcer::~Announcer() {
    for (const QAccessible::Id note : notes_)
        QAccessible::deleteAccessibleInterface(note);
    if (board_) QAccessible::deleteAccessibleInterface(board_);
}

void Announcer::announce(const QString& text) {
    if (text.isEmpty() || !window_ || !QAccessible::isActive()) return;
    held_.append(text);
    tell();
}

void Announcer::tell() {
    if (held_.isEmpty() || !window_) return;
    if (!window_->isActiveWindow()) {
        if (!giveUp_.isActive()) giveUp_.start();
        return;
    }
    giveUp_.stop();
    for (const QString& text : std::exchange(held_, {}))
        showNote(text);
}

void Announcer::showNote(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window_.data(), text);
    QAccessible::updateAccessibility(&event);
    return;
#endif
    if (!board_) board_ = QAccessible::registerAccessibleInterface(new Board(window_, notes_));
    if (notes_.size() >= kKept) QAccessible::deleteAccessibleInterface(notes_.takeFirst());
    auto* note = new Note(board_);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(note);
    note->setLine(QAccessible::registerAccessibleInterface(new Line(id, text)));
    notes_.append(id);
    QAccessibleEvent shown(note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace plat::qt

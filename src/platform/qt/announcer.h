#pragma once
// Tells a listening screen reader a sentence about something that happened by itself (the
// computer's move, a draw, a pass), to be spoken once whatever has the keyboard focus.
//
// Qt 6.8 has an announcement event for this. Before it, the one thing the screen reader of a
// Debian 12 desktop (Orca 43) speaks whatever has the focus is a notification that starts
// showing: its default script reads the notification, and the labels inside it, on
// object:state-changed:showing, and files the labels' text in its list of notifications, which
// the player can have read again. So each sentence becomes a fresh notification holding one
// label with the sentence, inside a news board with a status bar's role: inside a status bar a
// notification is read without the word "notification". A fresh object for each sentence
// because the screen reader drops a showing event of an object when a newer one of the same
// object waits behind it: two sentences told at once, or the same sentence twice, stay two.
//
// None of it is a widget, and the window does not list the board among its children: nothing
// shows on screen or takes the focus, and a screen reader's review of the window never meets
// it. Nothing is built until a screen reader listens; without one, announce() returns at once.
//
// A sentence is told at once, so that the screen reader, which handles events in the order they
// come, speaks it before a message box that opens after it. A sentence told while the window is
// not the active one (a message box has just
// closed and the window manager is handing the window the keyboard back) waits until the window is
// active again: the screen reader reads the window and its focused tile then, cutting off whatever
// it was saying, and the news comes after that instead of being cut off.
#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace plat::qt {

class Announcer : public QObject {
  public:
    // The notifications kept for a screen reader that has not yet read them; an older one is
    // dropped as a new one comes. A move tells at most a few sentences.
    static constexpr int kKept = 16;

    Announcer();
    ~Announcer() override;
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // window: the window whose news is told; the board hangs below it.
    void setWindow(QWidget* window);
    void announce(const QString& text);
    // How many notifications are kept: none until a screen reader listens.
    qsizetype kept() const { return notes_.size(); }
    // Sentences held until the window is active again.
    bool waitingForWindow() const { return giveUp_.isActive(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void tell();  // the sentences held, once the window is active or has waited long enough
    void showNote(const QString& text);
    QStringList held_;
    QTimer giveUp_;  // a window that stays inactive (another program has the keyboard)
    QPointer<QWidget> window_;
    QAccessible::Id board_ = 0;
    QList<QAccessible::Id> notes_;  // oldest first
};

}  // namespace plat::qt

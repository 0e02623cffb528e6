#pragma once
// The keyboard on the real window: Qt's keys become the controls' key events, Qt's focus is
// kept in step with the window's, and a focused tile or button is drawn with its focus frame
// while the keyboard is in use. A press of a mouse button puts the frame away until the next key,
// so a player who uses only the mouse never sees it.
#include <QObject>
#include <QPointer>
#include <optional>
#include <utility>

#include "platform/form.h"
#include "platform/image.h"

class QKeyEvent;
class QWidget;

namespace plat::qt {

class TableView;

class KeyboardFocus : public QObject {
  public:
    KeyboardFocus(TableView& view, Form& form);

    // A control changed: its widget's focus policy and focus, and the frame, follow it.
    void follow(Control& c, QWidget* w, unsigned what);
    // The window's own keys; true when the window kept the key.
    bool previewKey(QKeyEvent* e);
    // A key on a focused image: the window hears it first, then the image.
    void deliver(Image& image, QKeyEvent* e);
    // Tab and Backtab: the next tab stop takes the focus; false when there is none.
    bool tab(bool forward);
    // Moves the frame with the focused image (after a resize, a move).
    void placeFrame();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void focusChanged(QWidget* now);
    TableView& view_;
    Form& form_;
    QWidget* frame_;
    bool cues_ = false;  // the keyboard was used since the last press of a mouse button
    // The key (time stamp, key) that showed them, until a tile hears it.
    std::optional<std::pair<quint64, int>> cueKey_;
};

// A key as the controls' handlers receive it; code 0 for a key they have no code for.
KeyEvent toKeyEvent(const QKeyEvent& e);

}  // namespace plat::qt

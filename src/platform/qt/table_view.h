#pragma once
// The window: it draws the table's controls as widgets, scaled from twips to the window's
// size (the whole table scales with the window, keeping its proportions), runs the table's
// timers and routes the window's own mouse and close events to the form.
#include <QColor>
#include <QCursor>
#include <QHash>
#include <QSet>
#include <QWidget>

#include "platform/control_observer.h"
#include "platform/form.h"
#include "platform/qt/accessible_table.h"
#include "platform/qt/frame_pacer.h"
#include "platform/qt/keyboard_focus.h"
#include "platform/qt/tile_pictures.h"

class QIcon;
class QTimer;

namespace plat::qt {

class TableView : public QWidget, public ControlObserver {
    Q_OBJECT
    // The colours that system colours take: the skin sets them.
    Q_PROPERTY(QColor buttonFace READ buttonFace WRITE setButtonFace)
    Q_PROPERTY(QColor buttonText READ buttonText WRITE setButtonText)

  public:
    explicit TableView(Form& form);
    ~TableView() override;

    // Creates the widgets of the visible controls and starts the enabled timers.
    void bindForm();
    // The pointer pictures that the program loaded from files, by handle.
    void setPointerPictures(const QHash<PointerHandle, QCursor>* pointers) { pointers_ = pointers; }

    // The table drawn no smaller than this share of its design size: every caption whole and
    // the pips of a half apart. A 640 x 480 screen still has room for it inside a frame.
    static constexpr double kMinimumZoom = 2.0 / 3.0;

    double pxPerTwip() const { return scale_; }
    double zoom() const { return scale_ * 15.0; }  // 1.0 at the design size
    QRect toPixels(const Control& c) const;
    QRect toPixels(int left, int top, int width, int height) const;  // of the form, in twips
    QColor colour(Colour c) const;
    TilePictures& pictures() { return pictures_; }
    QCursor cursorFor(Picture p);
    QWidget* widgetOf(const Control& c) const { return widgets_.value(&c); }
    Control* controlOf(const QWidget* w) const { return controls_.value(w); }
    const Form& form() const { return form_; }
    AccessibleChanges& accessibleChanges() { return accessibleChanges_; }
    KeyboardFocus& keyboard() { return keyboard_; }
    const FramePacer& framePacer() const { return pacer_; }
    FramePacer& framePacer() { return pacer_; }
    // A widget reports that it has painted what it shows now.
    void painted(QWidget* w) { dirty_.remove(w); }

    QColor buttonFace() const { return buttonFace_; }
    void setButtonFace(const QColor& c);
    QColor buttonText() const { return buttonText_; }
    void setButtonText(const QColor& c);
    // The skin, a Qt style sheet: the window takes the colours it gives the window, and Qt's own
    // controls on the table (buttons, check boxes) wear it. The table's tiles, labels and shapes
    // are painted by the table and go without it.
    void setSkin(const QString& sheet);
    const QString& skin() const { return skin_; }

    // ControlObserver
    void controlChanged(Control& control, unsigned what) override;
    void timerChanged(Timer& timer) override;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QWidget* widgetFor(Control& c);
    QWidget* createWidget(Control& c, QWidget* parent);
    void apply(Control& c, QWidget* w, unsigned what);
    void applyForm(unsigned what);
    void restack(Control& c, QWidget* w);
    void placeAll();
    void relayoutFonts();
    void wearSkin(QWidget* w) const;

    Form& form_;
    TilePictures pictures_;
    QHash<const Control*, QWidget*> widgets_;
    QHash<const QWidget*, Control*> controls_;
    QHash<const Timer*, QTimer*> timers_;
    QSet<QWidget*> dirty_;  // changed since they last painted
    FramePacer pacer_{*this};
    const QHash<PointerHandle, QCursor>* pointers_ = nullptr;
    double scale_ = 1.0 / 15.0;
    QPointF offset_;
    QColor buttonFace_, buttonText_;
    QCursor handCursor_;
    bool haveHandCursor_ = false;
    bool iconAsked_ = false;
    QString skin_;
    AccessibleChanges accessibleChanges_{*this};
    KeyboardFocus keyboard_{*this, form_};
};

// The program's icon: a standing tile, at the sizes a desktop asks for.
QIcon programIcon();

}  // namespace plat::qt

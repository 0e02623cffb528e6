#include "platform/qt/table_view.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>
#include <cmath>

#include "platform/check_box.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/push_button.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/skin_colours.h"
#include "platform/shape.h"
#include "platform/timer.h"

namespace plat::qt {

namespace {
int px(double v) {
    return static_cast<int>(std::lround(v));
}

QRect scaled(const QRect& twips, double scale, QPointF o) {
    const int x0 = px(o.x() + twips.x() * scale), y0 = px(o.y() + twips.y() * scale);
    const int x1 = px(o.x() + (twips.x() + twips.width()) * scale),
              y1 = px(o.y() + (twips.y() + twips.height()) * scale);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}
}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        TilePictures::paintIcon(p, QRectF(0, 0, side, side));
        icon.addPixmap(pm);
    }
    return icon;
}

TableView::TableView(Form& form) : form_(form) {
    setObjectName(QString::fromStdString(form.name()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    buttonFace_ = palette().color(QPalette::Button);
    buttonText_ = palette().color(QPalette::ButtonText);
    resize(px(form.width() / 15.0), px(form.height() / 15.0));
    setMinimumSize(px(form.width() / 15.0 * kMinimumZoom), px(form.height() / 15.0 * kMinimumZoom));
    installTableAccessibility();
}

TableView::~TableView() {
    form_.bind(nullptr);
}

void TableView::bindForm() {
    form_.bind(this);
    for (Control* c : form_.children()) {
        if (c->visible()) widgetFor(*c);
    }
    for (Timer* t : form_.timers())
        timerChanged(*t);
    applyForm(kLook);
}

// --- geometry

QRect TableView::toPixels(const Control& c) const {
    const bool topLevel = c.parent() == static_cast<const Container*>(&form_);
    return scaled(QRect(c.left(), c.top(), c.width(), c.height()), scale_,
                  topLevel ? offset_ : QPointF());
}

QRect TableView::toPixels(int left, int top, int width, int height) const {
    return scaled(QRect(left, top, width, height), scale_, offset_);
}

void TableView::resizeEvent(QResizeEvent*) {
    const double s = std::min(width() / double(form_.width()), height() / double(form_.height()));
    if (s <= 0) return;
    const bool zoomed = std::abs(s - scale_) > 1e-9;
    scale_ = s;
    offset_ = QPointF((width() - form_.width() * s) / 2, (height() - form_.height() * s) / 2);
    if (zoomed) {
        pictures_.clear();
        haveHandCursor_ = false;
        for (QWidget* w : std::as_const(widgets_)) {
            if (auto* image = dynamic_cast<ImageWidget*>(w)) image->applyPointer();
        }
    }
    placeAll();
}

void TableView::placeAll() {
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it) {
        auto* c = const_cast<Control*>(it.key());
        apply(*c, it.value(), kGeometry | kLook);
    }
}

// --- colours and pointers

QColor TableView::colour(Colour c) const {
    if (c == kButtonFace) return buttonFace_;
    if (c == kButtonText) return buttonText_;
    if (isSystemColour(c)) return palette().color(QPalette::Window);
    return QColor::fromRgb(c & 0xffffffu);
}

void TableView::setButtonFace(const QColor& c) {
    buttonFace_ = c;
    placeAll();
    update();
}

void TableView::setButtonText(const QColor& c) {
    buttonText_ = c;
    placeAll();
}

void TableView::setSkin(const QString& sheet) {
    skin_ = sheet;
    SkinColours standIn;
    standIn.setObjectName(objectName());
    standIn.buttonFace = buttonFace_;
    standIn.buttonText = buttonText_;
    standIn.setStyleSheet(sheet);
    standIn.ensurePolished();
    buttonText_ = standIn.buttonText;
    setButtonFace(standIn.buttonFace);  // places and repaints all with both colours
    for (QWidget* w : std::as_const(widgets_))
        wearSkin(w);
}

void TableView::wearSkin(QWidget* w) const {
    if (qobject_cast<QAbstractButton*>(w) && w->styleSheet() != skin_) w->setStyleSheet(skin_);
}

QCursor TableView::cursorFor(Picture p) {
    if (p != kHandCursor) return QCursor(Qt::ArrowCursor);
    if (!haveHandCursor_) {
        const int side = std::max(16, px(32 * zoom()));
        QPixmap pm = pictures_.pixmap(kHandCursor, QSize(side, side), devicePixelRatioF());
        handCursor_ = QCursor(pm, px(side * 13.5 / 32), px(side * 1.5 / 32));
        haveHandCursor_ = true;
    }
    return handCursor_;
}

// --- the controls' widgets

QWidget* TableView::widgetFor(Control& c) {
    if (QWidget* w = widgets_.value(&c)) return w;
    QWidget* parent = this;
    if (c.parent() != static_cast<Container*>(&form_)) {
        auto* box = dynamic_cast<Control*>(c.parent());
        parent = box ? widgetFor(*box) : nullptr;
    }
    if (!parent) return nullptr;
    QWidget* w = createWidget(c, parent);
    if (!w) return nullptr;
    widgets_.insert(&c, w);
    controls_.insert(w, &c);
    wearSkin(w);
    if (c.kind() == Kind::PushButton) accessibleChanges_.look(w);  // Qt's own interface reads it
    apply(c, w, kGeometry | kLook | kEnabled | kVisibility | kFocus);
    restack(c, w);
    if (auto* box = dynamic_cast<PictureBox*>(&c)) {
        for (Control* child : box->children()) {
            if (child->visible()) widgetFor(*child);
        }
    }
    return w;
}

// Hidden text boxes and list boxes hold values only and are never drawn.
QWidget* TableView::createWidget(Control& c, QWidget* parent) {
    switch (c.kind()) {
        case Kind::Image:
            return new ImageWidget(*this, static_cast<Image&>(c), parent);
        case Kind::Shape:
            return new ShapeWidget(*this, static_cast<Shape&>(c), parent);
        case Kind::Label:
            return new LabelWidget(*this, static_cast<Label&>(c), parent);
        case Kind::PushButton:
            return new ButtonWidget(*this, static_cast<PushButton&>(c), parent);
        case Kind::CheckBox:
            return new CheckBoxWidget(*this, static_cast<CheckBox&>(c), parent);
        case Kind::PictureBox: {
            auto* box = new QWidget(parent);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            return box;
        }
        default:
            return nullptr;
    }
}

void TableView::controlChanged(Control& c, unsigned what) {
    if (QAccessible::isActive()) accessibleChanges_.controlChanged();
    if (&c == &form_) {
        applyForm(what);
        return;
    }
    QWidget* w = widgets_.value(&c);
    if (!w) {
        if (!c.visible() || !c.loaded()) return;  // drawn once it is first shown
        widgetFor(c);
        return;
    }
    apply(c, w, what);
}

void TableView::apply(Control& c, QWidget* w, unsigned what) {
    // An element created again takes all its properties anew (its widget is the one it had).
    if (what & kLoaded) what |= kGeometry | kLook | kEnabled | kVisibility | kStacking;
    if (what & (kGeometry | kLook)) {
        const QRect r = toPixels(c);
        auto* label = dynamic_cast<Label*>(&c);
        if (label && label->autoSize()) {
            w->move(r.topLeft());
        } else {
            w->setGeometry(r);
        }
    }
    if (what & kLook) {
        if (auto* l = dynamic_cast<LabelWidget*>(w)) l->follow();
        if (auto* b = dynamic_cast<ButtonWidget*>(w)) b->follow();
        if (auto* x = dynamic_cast<CheckBoxWidget*>(w)) x->follow();
        w->setToolTip(QString::fromStdString(c.toolTip()));
        w->update();
    }
    if (what & kEnabled) w->setEnabled(c.enabled());
    if (what & (kVisibility | kLoaded)) w->setVisible(c.visible() && c.loaded());
    if (what & kStacking) restack(c, w);
    keyboard_.follow(c, w, what);
    if (what & (kGeometry | kLook | kVisibility | kLoaded)) dirty_.insert(w);
    // "Repaint now" paints only what has changed (a tick that changes nothing paints nothing),
    // and within a frame of the last paint at the next frame tick: a tile refreshed at every
    // step of a flight is painted once a frame.
    if ((what & kRepaintNow) && dirty_.contains(w)) {
        if (pacer_.frameDue()) {
            w->repaint();
        } else {
            w->update();
        }
    }
}

// Stacks the widget just under the widget of the next control above it, as the form orders them.
void TableView::restack(Control& c, QWidget* w) {
    const std::vector<Control*>& order = c.parent()->children();
    auto it = std::find(order.begin(), order.end(), &c);
    if (it == order.end()) return;
    for (++it; it != order.end(); ++it) {
        if (QWidget* above = widgets_.value(*it)) {
            w->stackUnder(above);
            return;
        }
    }
    w->raise();
}

void TableView::applyForm(unsigned what) {
    if (!(what & kLook)) return;
    setWindowTitle(QString::fromStdString(form_.caption()));
    // The icon is not part of the table's first picture: it is drawn once the window is up.
    if (form_.hasProgramIcon() && !iconAsked_) {
        iconAsked_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
    }
    if (form_.mousePointer() == kPointerCustom && pointers_ &&
        pointers_->contains(form_.mouseIcon())) {
        setCursor(pointers_->value(form_.mouseIcon()));
    } else {
        unsetCursor();
    }
    update();
}

void TableView::timerChanged(Timer& timer) {
    QTimer* t = timers_.value(&timer);
    if (!t) {
        t = new QTimer(this);
        t->setInterval(timer.interval());
        connect(t, &QTimer::timeout, this, [&timer] { timer.fire(); });
        timers_.insert(&timer, t);
    }
    if (timer.enabled()) {
        if (!t->isActive()) t->start();
    } else {
        t->stop();
    }
}

// --- the window's own events

// The cloth: the form's colour, a little lighter towards the middle.
void TableView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QColor base = colour(form_.backColour());
    QRadialGradient cloth(rect().center(), std::max(width(), height()) * 0.7);
    cloth.setColorAt(0, base.lighter(118));
    cloth.setColorAt(1, base.darker(112));
    p.fillRect(e->rect(), cloth);
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    if (form_.onMouseMove) {
        const QPointF t = (e->position() - offset_) / scale_;
        form_.onMouseMove({buttonCode(e->buttons()), shiftCode(e->modifiers()),
                           static_cast<float>(t.x()), static_cast<float>(t.y())});
    }
}

void TableView::keyPressEvent(QKeyEvent* e) {
    if (!keyboard_.previewKey(e)) QWidget::keyPressEvent(e);
}

// Tab goes through the window's tab stops in their order, not Qt's.
bool TableView::focusNextPrevChild(bool next) {
    return keyboard_.tab(next);
}

void TableView::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (form_.onQueryUnload) form_.onQueryUnload();
}

}  // namespace plat::qt

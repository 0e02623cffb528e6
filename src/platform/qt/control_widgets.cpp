#include "platform/qt/control_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/qt/table_view.h"

namespace plat::qt {

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

// --- images

ImageWidget::ImageWidget(TableView& view, Image& image, QWidget* parent)
    : QWidget(parent), view_(view), image_(image) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !image.hasMouseHandlers());
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    applyPointer();
}

void ImageWidget::applyPointer() {
    setCursor(image_.pointerPicture() != kNoPicture ? view_.cursorFor(image_.pointerPicture())
                                                    : QCursor(Qt::ArrowCursor));
}

void ImageWidget::paintEvent(QPaintEvent*) {
    view_.painted(this);
    if (image_.picture() == kNoPicture) return;
    QPainter p(this);
    p.drawPixmap(0, 0, view_.pictures().pixmap(image_.picture(), size(), devicePixelRatioF()));
}

MouseEvent ImageWidget::toEvent(const QMouseEvent* e, int button) const {
    const double twips = 1.0 / view_.pxPerTwip();
    return {button, shiftCode(e->modifiers()), static_cast<float>(e->position().x() * twips),
            static_cast<float>(e->position().y() * twips)};
}

void ImageWidget::mousePressEvent(QMouseEvent* e) {
    image_.mouseDown(toEvent(e, buttonCode(e->button())));
}
void ImageWidget::mouseMoveEvent(QMouseEvent* e) {
    image_.mouseMove(toEvent(e, buttonCode(e->buttons())));
}
void ImageWidget::mouseReleaseEvent(QMouseEvent* e) {
    image_.mouseUp(toEvent(e, buttonCode(e->button())));
}
void ImageWidget::keyPressEvent(QKeyEvent* e) {
    view_.keyboard().deliver(image_, e);
}

// --- shapes

ShapeWidget::ShapeWidget(TableView& view, Shape& shape, QWidget* parent)
    : QWidget(parent), view_(view), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void paintRoundedBox(QWidget& w, qreal pen, const QColor& border, const QBrush& fill) {
    QPainter p(&w);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(w.rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    const qreal radius = std::min(r.width(), r.height()) * 0.12;
    p.setPen(QPen(border, pen));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    paintRoundedBox(
        *this, std::max(1.0, shape_.borderWidth() * view_.zoom()),
        view_.colour(shape_.borderColour()),
        shape_.filled() ? QBrush(view_.colour(shape_.fillColour())) : QBrush(Qt::NoBrush));
}

// --- labels

LabelWidget::LabelWidget(TableView& view, Label& label, QWidget* parent)
    : QLabel(parent), view_(view), label_(label) {
    setObjectName(QString::fromStdString(label.name()));
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    follow();
}

void LabelWidget::follow() {
    setText(QString::fromStdString(label_.caption()));
    setToolTip(QString::fromStdString(label_.toolTip()));
    QFont f(QString::fromStdString(label_.font().family));
    f.setPixelSize(std::max(
        1, static_cast<int>(std::lround(label_.font().points * 96.0 / 72.0 * view_.zoom()))));
    f.setBold(label_.font().bold);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, view_.colour(label_.foreColour()));
    setPalette(pal);
    switch (label_.alignment()) {
        case Align::Left:
            setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case Align::Centre:
            setAlignment(Qt::AlignCenter);
            break;
        case Align::Right:
            setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
    }
    if (label_.autoSize()) adjustSize();
}

// --- buttons

ButtonWidget::ButtonWidget(TableView& view, PushButton& button, QWidget* parent)
    : QPushButton(parent), view_(view), button_(button) {
    setObjectName(QString::fromStdString(button.name()));
    setMouseTracking(true);
    connect(this, &QPushButton::clicked, this, [this] { button_.click(); });
    follow();
}

void ButtonWidget::follow() {
    setText(QString::fromStdString(button_.caption()));
    setToolTip(QString::fromStdString(button_.toolTip()));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(9 * 96.0 / 72.0 * view_.zoom()))));
    f.setBold(true);
    setFont(f);
}

// The button as the style draws it, but for the style's faint focus ring: the table draws the
// focused button's frame, as it does a focused tile's.
void ButtonWidget::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    p.drawControl(QStyle::CE_PushButton, option);
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* e) {
    const double twips = 1.0 / view_.pxPerTwip();
    button_.mouseMove({buttonCode(e->buttons()), shiftCode(e->modifiers()),
                       static_cast<float>(e->position().x() * twips),
                       static_cast<float>(e->position().y() * twips)});
    QPushButton::mouseMoveEvent(e);
}

// The window's shortcuts first; Space then clicks the button as it always does.
void ButtonWidget::keyPressEvent(QKeyEvent* e) {
    if (!view_.keyboard().previewKey(e)) QPushButton::keyPressEvent(e);
}

// --- check boxes

CheckBoxWidget::CheckBoxWidget(TableView& view, CheckBox& box, QWidget* parent)
    : QCheckBox(parent), view_(view), box_(box) {
    setObjectName(QString::fromStdString(box.name()));
    connect(this, &QCheckBox::toggled, this, [this](bool on) { box_.setValue(on ? 1 : 0); });
    follow();
}

void CheckBoxWidget::follow() {
    setText(QString::fromStdString(box_.caption()));
    QFont f(QString::fromStdString(box_.font.family));
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround(box_.font.points * 96.0 / 72.0 * view_.zoom()))));
    f.setBold(box_.font.bold);
    setFont(f);
    const QSignalBlocker quiet(this);
    setChecked(box_.value() == 1);
}

}  // namespace plat::qt

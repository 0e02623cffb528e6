#include "platform/qt/keyboard_focus.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/control_widgets.h"
#include "platform/qt/table_view.h"

namespace plat::qt {

namespace {

// The frame around a focused tile or button, drawn as the table's shapes are.
class FocusFrameWidget : public QWidget {
  public:
    FocusFrameWidget(TableView& view, QWidget* parent) : QWidget(parent), view_(view) {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    FocusFrame look;

  protected:
    void paintEvent(QPaintEvent*) override {
        paintRoundedBox(*this, std::max(1.0, look.borderWidth * view_.zoom()),
                        view_.colour(look.colour), Qt::NoBrush);
    }

  private:
    TableView& view_;
};

}  // namespace

// The keys the table answers to, beside letters and digits.
constexpr std::pair<int, int> kKeys[] = {
    {Qt::Key_Tab, kKeyTab},      {Qt::Key_Backtab, kKeyTab},   {Qt::Key_Return, kKeyReturn},
    {Qt::Key_Enter, kKeyReturn}, {Qt::Key_Escape, kKeyEscape}, {Qt::Key_Space, kKeySpace},
    {Qt::Key_Left, kKeyLeft},    {Qt::Key_Up, kKeyUp},         {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
};

KeyEvent toKeyEvent(const QKeyEvent& e) {
    const int key = e.key();
    int code = 0;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        code = key;  // Qt numbers letters and digits by their ASCII capitals
    } else {
        for (const auto& [qtKey, ours] : kKeys) {
            if (key == qtKey) code = ours;
        }
    }
    return {code, shiftCode(e.modifiers()), e.isAutoRepeat()};
}

KeyboardFocus::KeyboardFocus(TableView& view, Form& form)
    : view_(view), form_(form), frame_(new FocusFrameWidget(view, &view)) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

// A click or the toolkit's own rules moved Qt's focus within the window.
void KeyboardFocus::focusChanged(QWidget* now) {
    if (!now || now->window() != view_.window()) return;  // a message box, another window
    form_.focusMovedTo(view_.controlOf(now));
    placeFrame();
}

void KeyboardFocus::follow(Control& c, QWidget* w, unsigned what) {
    if (what & (kFocus | kLoaded)) {
        if (c.kind() == Kind::Image) w->setFocusPolicy(c.canFocus() ? Qt::TabFocus : Qt::NoFocus);
        if (c.hasFocus() && QApplication::focusWidget() != w) {
            w->setFocus(Qt::OtherFocusReason);
        } else if (!c.hasFocus() && w->hasFocus()) {
            w->clearFocus();
        }
    }
    if (c.hasFocus() || (what & kFocus)) placeFrame();
}

namespace {
// The frame of a focused tile or button on the table itself; none for anything else.
const FocusFrame* frameOf(const Control* c, const Form& form) {
    if (!c || c->parent() != static_cast<const Container*>(&form)) return nullptr;
    const FocusFrame* f = c->kind() == Kind::Image ? &static_cast<const Image*>(c)->focusFrame()
                          : c->kind() == Kind::PushButton
                              ? &static_cast<const PushButton*>(c)->focusFrame()
                              : nullptr;
    return f && f->width > 0 ? f : nullptr;
}
}  // namespace

void KeyboardFocus::placeFrame() {
    auto* frame = static_cast<FocusFrameWidget*>(frame_);
    const Control* c = form_.focused();
    const FocusFrame* f = frameOf(c, form_);
    if (!cues_ || !f) {
        frame->hide();
        return;
    }
    frame->look = *f;
    frame->setGeometry(view_.toPixels(c->left() + f->left, c->top() + f->top, f->width, f->height));
    frame->show();
    frame->raise();
    frame->update();
}

bool KeyboardFocus::previewKey(QKeyEvent* e) {
    KeyEvent k = toKeyEvent(*e);
    if (k.keyCode == 0 || !form_.previewKey(k)) return false;
    e->accept();
    return true;
}

void KeyboardFocus::deliver(Image& image, QKeyEvent* e) {
    KeyEvent k = toKeyEvent(*e);
    if (k.keyCode == 0) {
        e->ignore();
        return;
    }
    // The window and then the widget see each key: the one that showed the frame is known by
    // its time stamp.
    k.focusShown = !(cueKey_ && *cueKey_ == std::pair(e->timestamp(), e->key()));
    cueKey_.reset();
    e->accept();
    if (!form_.previewKey(k)) image.keyDown(k);
}

bool KeyboardFocus::tab(bool forward) {
    Control* next = form_.nextTabStop(forward);
    return next && next->setFocus();
}

bool KeyboardFocus::eventFilter(QObject*, QEvent* e) {
    const bool key = e->type() == QEvent::KeyPress;
    const bool mouse = e->type() == QEvent::MouseButtonPress;
    if (key && !cues_) {
        const auto* k = static_cast<QKeyEvent*>(e);
        cueKey_ = std::pair(k->timestamp(), k->key());
    }
    if (mouse) cueKey_.reset();
    if ((key && !cues_) || (mouse && cues_)) {
        cues_ = key;
        placeFrame();
    }
    return false;
}

}  // namespace plat::qt

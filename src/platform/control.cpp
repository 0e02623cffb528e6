#include "control.h"

#include "container.h"
#include "control_observer.h"
#include "form.h"

namespace plat {

Control::Control(Kind kind, Layer layer, std::string name, int index)
    : kind_(kind), layer_(layer), name_(std::move(name)), index_(index) {}

void Control::move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(kGeometry);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    keepFocusable();
    notify(kVisibility);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    keepFocusable();
    notify(kEnabled);
}

void Control::setLoadedState(bool loaded) {
    loaded_ = loaded;
    keepFocusable();
    notify(kLoaded);
}

void Control::setCanFocus(bool v) {
    if (v == canFocus_) return;
    canFocus_ = v;
    keepFocusable();
    notify(kFocus);
}

bool Control::setFocus() {
    Form* f = form();
    if (!f || !focusable()) return false;
    f->moveFocus(this);
    return true;
}

bool Control::hasFocus() const {
    const Form* f = form();
    return f && f->focused() == this;
}

// The focus goes on before the backend hears of the change, so that it never sees the focus
// on a control it hides or disables.
void Control::keepFocusable() {
    if (!focusable() && hasFocus()) form()->moveFocus(form()->nextTabStop(true));
}

Form* Control::form() const {
    for (Container* c = parent_; c;) {
        if (auto* f = dynamic_cast<Form*>(c)) return f;
        auto* box = dynamic_cast<Control*>(c);
        c = box ? box->parent_ : nullptr;
    }
    return nullptr;
}

void Control::setToolTip(std::string t) {
    if (t == toolTip_) return;
    toolTip_ = std::move(t);
    notify(kLook);
}

void Control::zOrder(ZOrder position) {
    if (!parent_) return;
    if (position == ZOrder::BringToFront) {
        parent_->bringToFront(*this);
    } else {
        parent_->sendToBack(*this);
    }
}

ControlObserver* Control::observer() const {
    return parent_ ? parent_->boundObserver() : nullptr;
}

void Control::notify(unsigned what) {
    if (ControlObserver* o = observer()) o->controlChanged(*this, what);
}

void Control::copyBaseFrom(const Control& other) {
    left_ = other.left_;
    top_ = other.top_;
    width_ = other.width_;
    height_ = other.height_;
    enabled_ = other.enabled_;
    canFocus_ = other.canFocus_;
    tabStop_ = other.tabStop_;
    tabIndex_ = other.tabIndex_;
    tag_ = other.tag_;
    toolTip_ = other.toolTip_;
}

}  // namespace plat

#include "control.h"

#include "container.h"
#include "control_observer.h"

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
    notify(kVisibility);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    notify(kEnabled);
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
    tag_ = other.tag_;
    toolTip_ = other.toolTip_;
}

}  // namespace plat

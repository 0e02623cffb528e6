// The setters of the small controls: each changes one property and tells the backend, unless
// the value is the one it already has (a tick that changes nothing repaints nothing).
#include "check_box.h"
#include "image.h"
#include "label.h"
#include "list_box.h"
#include "shape.h"

namespace plat {

namespace {
template <typename V>
bool assign(V& field, V value) {
    if (field == value) return false;
    field = std::move(value);
    return true;
}
}  // namespace

void Image::setPicture(Picture p) {
    if (assign(picture_, p)) notify(kLook);
}

void Image::copyFrom(const Image& design) {
    copyBaseFrom(design);
    picture_ = design.picture_;
    pointerPicture_ = design.pointerPicture_;
    onMouseDown = design.onMouseDown;
    onMouseMove = design.onMouseMove;
    onMouseUp = design.onMouseUp;
    onKeyDown = design.onKeyDown;
    focusFrame_ = design.focusFrame_;
    notify(kGeometry | kLook | kEnabled | kFocus);
}

void Label::setCaption(std::string c) {
    if (assign(caption_, std::move(c))) notify(kLook);
}
void Label::setFont(Font f) {
    if (assign(font_, std::move(f))) notify(kLook);
}
void Label::setForeColour(Colour c) {
    if (assign(foreColour_, c)) notify(kLook);
}
void Label::setBackColour(Colour c) {
    if (assign(backColour_, c)) notify(kLook);
}
void Label::setAlignment(Align a) {
    if (assign(alignment_, a)) notify(kLook);
}
void Label::setAutoSize(bool a) {
    if (assign(autoSize_, a)) notify(kLook | kGeometry);
}

void Shape::setBorderWidth(int w) {
    if (assign(borderWidth_, w)) notify(kLook);
}
void Shape::setBorderColour(Colour c) {
    if (assign(borderColour_, c)) notify(kLook);
}
void Shape::setFillColour(Colour c) {
    if (assign(fillColour_, c)) notify(kLook);
}
void Shape::setFilled(bool f) {
    if (assign(filled_, f)) notify(kLook);
}

const std::string& ListBox::list(int i, Where where) const {
    if (i < 0 || i >= listCount()) throw AppFailure("Invalid property array index", where);
    return items_[static_cast<std::size_t>(i)];
}

void CheckBox::setValue(int v) {
    if (!assign(value_, v)) return;
    notify(kLook);
    if (onClick) onClick();
}

}  // namespace plat

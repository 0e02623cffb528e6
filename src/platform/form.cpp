#include "form.h"

#include <algorithm>

#include "control_observer.h"
#include "timer.h"

namespace plat {

Form::Form(std::string name, int clientWidth, int clientHeight)
    : Control(Kind::Form, Layer::Windowed, std::move(name)) {
    move(0, 0, clientWidth, clientHeight);
}

void Form::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    notify(kLook);
}

void Form::useProgramIcon() {
    programIcon_ = true;
    notify(kLook);
}

void Form::setBackColour(Colour c) {
    if (c == backColour_) return;
    backColour_ = c;
    notify(kLook);
}

void Form::setMousePointer(int p) {
    if (p == mousePointer_) return;
    mousePointer_ = p;
    notify(kLook);
}

void Form::setMouseIcon(PointerHandle h) {
    if (h == mouseIcon_) return;
    mouseIcon_ = h;
    notify(kLook);
}

void Form::bind(ControlObserver* observer) {
    observer_ = observer;
    for (Timer* t : timers_)
        t->bind(observer);
}

bool Form::previewKey(KeyEvent& e) {
    if (onKeyDown) onKeyDown(e);
    return e.keyCode == 0;
}

void Form::moveFocus(Control* c) {
    if (c == focused_) return;
    Control* was = focused_;
    focused_ = c;
    ControlObserver* o = observer();
    if (!o) return;
    if (was) o->controlChanged(*was, kFocus);
    if (c) o->controlChanged(*c, kFocus);
}

Control* Form::nextTabStop(bool forward) const {
    std::vector<Control*> stops;
    for (Control* c : children()) {
        if (c->tabStop() && c->focusable()) stops.push_back(c);
    }
    std::ranges::stable_sort(stops, {}, &Control::tabIndex);
    if (!forward) std::ranges::reverse(stops);
    if (stops.empty()) return nullptr;
    const auto at = std::ranges::find(stops, focused_);
    if (at != stops.end()) return std::next(at) == stops.end() ? stops.front() : *std::next(at);
    // From a control that is no tab stop: the first stop past its tab index.
    const int from = focused_ ? focused_->tabIndex() : (forward ? -1 : 1 << 30);
    const auto past = std::ranges::find_if(stops, [&](const Control* c) {
        return forward ? c->tabIndex() > from : c->tabIndex() < from;
    });
    return past != stops.end() ? *past : stops.front();
}

}  // namespace plat

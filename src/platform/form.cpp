#include "form.h"

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

}  // namespace plat

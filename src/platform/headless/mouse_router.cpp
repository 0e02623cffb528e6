#include "platform/headless/mouse_router.h"

namespace plat::headless {

// Shapes, labels and the preview box take no mouse input; the first image or button from the
// top decides, and a disabled one hands the event to the window.
Control* MouseRouter::target(int x, int y) const {
    const auto& children = form_.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* c = *it;
        if (!c->visible() || !c->contains(x, y)) continue;
        if (c->kind() != Kind::Image && c->kind() != Kind::PushButton) continue;
        return c->enabled() ? c : nullptr;
    }
    return nullptr;
}

MouseEvent MouseRouter::relative(const Control& c, int x, int y, int button) const {
    return {button, 0, static_cast<float>(x - c.left()), static_cast<float>(y - c.top())};
}

void MouseRouter::press(int x, int y, int button) {
    buttons_ |= button;
    if (grab_) {
        grab_->mouseDown(relative(*grab_, x, y, button));
        return;
    }
    Control* c = target(x, y);
    if (!c || c->kind() != Kind::Image) return;
    grab_ = static_cast<Image*>(c);
    grab_->mouseDown(relative(*grab_, x, y, button));
}

void MouseRouter::move(int x, int y, int buttons) {
    buttons_ = buttons;
    if (grab_) {
        grab_->mouseMove(relative(*grab_, x, y, buttons));
        return;
    }
    Control* c = target(x, y);
    if (!c) {
        if (form_.onMouseMove)
            form_.onMouseMove({buttons, 0, static_cast<float>(x), static_cast<float>(y)});
    } else if (c->kind() == Kind::PushButton) {
        static_cast<PushButton*>(c)->mouseMove(relative(*c, x, y, buttons));
    }
    // An image without a held button does not follow the mouse.
}

void MouseRouter::release(int x, int y, int button) {
    buttons_ &= ~button;
    Image* img = grab_;
    if (buttons_ == 0) grab_ = nullptr;
    if (img) img->mouseUp(relative(*img, x, y, button));
}

void MouseRouter::click(PushButton& b) {
    if (b.visible() && b.enabled()) b.click();
}

void MouseRouter::drag(int fromX, int fromY, int toX, int toY, int steps) {
    press(fromX, fromY, kLeftButton);
    for (int i = 1; i <= steps; ++i) {
        move(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps, kLeftButton);
    }
    release(toX, toY, kLeftButton);
}

}  // namespace plat::headless

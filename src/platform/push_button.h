#pragma once
// A push button with a click and a mouse-move event. It takes the focus and is a tab stop; with
// the focus, Space clicks it, and the backend draws its focus frame.
#include <functional>

#include "control.h"
#include "mouse.h"

namespace plat {

class PushButton : public Control {
  public:
    PushButton(std::string name, std::string caption)
        : Control(Kind::PushButton, Layer::Windowed, std::move(name)),
          caption_(std::move(caption)) {
        setCanFocus(true);
        setTabStop(true);
    }

    const std::string& caption() const { return caption_; }

    std::function<void()> onClick;
    std::function<void(const MouseEvent&)> onMouseMove;
    void click() {
        if (onClick) onClick();
    }
    // A click from the keyboard (Space, a shortcut): only a shown, enabled button takes it.
    void keyClick() {
        if (visible() && enabled() && loaded()) click();
    }
    void mouseMove(const MouseEvent& e) {
        if (onMouseMove) onMouseMove(e);
    }

    // The frame drawn around the button while it has the focus and the keyboard is in use.
    const FocusFrame& focusFrame() const { return focusFrame_; }
    void setFocusFrame(const FocusFrame& f) { focusFrame_ = f; }

  private:
    std::string caption_;
    FocusFrame focusFrame_;
};

}  // namespace plat

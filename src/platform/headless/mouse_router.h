#pragma once
// Routes mouse input at table coordinates the way the real toolkit does: to the topmost
// visible image or button under the pointer; a disabled one passes it to the window; a press
// on an image keeps the mouse until its release.
#include "platform/form.h"
#include "platform/image.h"
#include "platform/push_button.h"

namespace plat::headless {

class MouseRouter {
  public:
    explicit MouseRouter(Form& form) : form_(form) {}

    void press(int x, int y, int button);
    void move(int x, int y, int buttons);
    void release(int x, int y, int button);
    // A click on a button: nothing when it is hidden or disabled.
    static void click(PushButton& b);
    // Press, move in steps, release: a whole drag from one point to another.
    void drag(int fromX, int fromY, int toX, int toY, int steps = 4);

    Image* grabbed() const { return grab_; }
    void forget() {
        grab_ = nullptr;
        buttons_ = 0;
    }

  private:
    Control* target(int x, int y) const;
    MouseEvent relative(const Control& c, int x, int y, int button) const;
    Form& form_;
    Image* grab_ = nullptr;
    int buttons_ = 0;
};

}  // namespace plat::headless

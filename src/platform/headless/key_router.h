#pragma once
// Delivers key presses the way the real toolkit does: Tab moves the focus from tab stop to tab
// stop; the window hears every other key first and may keep it; the rest goes to the control
// with the focus (an image's key handler; Space clicks a button).
#include "platform/form.h"

namespace plat::headless {

class KeyRouter {
  public:
    explicit KeyRouter(Form& form) : form_(form) {}
    // focusShown: false for the key that first shows the keyboard focus.
    void press(int keyCode, int shift = 0, bool repeat = false, bool focusShown = true);

  private:
    Form& form_;
};

}  // namespace plat::headless

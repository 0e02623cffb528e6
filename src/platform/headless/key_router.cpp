#include "platform/headless/key_router.h"

#include "platform/image.h"
#include "platform/push_button.h"

namespace plat::headless {

void KeyRouter::press(int keyCode, int shift, bool repeat, bool focusShown) {
    KeyEvent e{keyCode, shift, repeat, focusShown};
    if (keyCode == kKeyTab && (shift & ~kShiftKey) == 0) {
        if (Control* next = form_.nextTabStop((shift & kShiftKey) == 0)) next->setFocus();
        return;
    }
    if (form_.previewKey(e)) return;
    Control* c = form_.focused();
    if (!c || !c->focusable()) return;
    if (c->kind() == Kind::Image) {
        static_cast<Image*>(c)->keyDown(e);
    } else if (c->kind() == Kind::PushButton && keyCode == kKeySpace && !repeat) {
        static_cast<PushButton*>(c)->keyClick();
    }
}

}  // namespace plat::headless

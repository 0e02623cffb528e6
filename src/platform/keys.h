#pragma once

namespace plat {

// A key press as the handlers receive it: the key's code (a letter by its capital, a digit by
// itself, the named keys below), the shift state (1 shift, 2 ctrl, 4 alt, as for the mouse) and
// whether it repeats because the key is held down. A form's handler that sets the code to 0
// keeps the key from the control with the focus.
struct KeyEvent {
    int keyCode = 0;
    int shift = 0;
    bool repeat = false;
    // Whether the keyboard focus was shown when the key came: a window that hides it until the
    // keyboard is used shows it with the first key.
    bool focusShown = true;
};

constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kShiftKey = 1, kCtrlKey = 2, kAltKey = 4;

}  // namespace plat

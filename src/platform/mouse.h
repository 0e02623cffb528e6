#pragma once

namespace plat {

// A mouse event as the handlers receive it: the buttons (1 left, 2 right, 4 middle; for a
// move the buttons held), the shift state (1 shift, 2 ctrl, 4 alt) and the position in twips
// relative to the control's top-left corner.
struct MouseEvent {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// Window mouse pointer values.
constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;
constexpr int kPointerCustom = 99;

}  // namespace plat

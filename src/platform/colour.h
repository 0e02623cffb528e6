#pragma once
#include <cstdint>

namespace plat {

// 0x00RRGGBB, or a system colour: the high bit set and the system index in the low byte.
using Colour = std::uint32_t;

constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour systemColour(unsigned index) {
    return kSystemColourFlag | index;
}
constexpr bool isSystemColour(Colour c) {
    return (c & kSystemColourFlag) != 0;
}

constexpr Colour kButtonFace = systemColour(15);
constexpr Colour kButtonText = systemColour(18);

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return (r << 16) | (g << 8) | b;
}

}  // namespace plat

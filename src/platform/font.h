#pragma once
#include <string>

namespace plat {

struct Font {
    std::string family = "Arial";
    double points = 9.0;
    bool bold = true;
    bool operator==(const Font&) const = default;
};

}  // namespace plat

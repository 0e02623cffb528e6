#pragma once
// A picture box: a windowed control that holds other controls (the preview tile's halves).
#include "container.h"
#include "control.h"

namespace plat {

class PictureBox : public Control, public Container {
  public:
    PictureBox(std::string name, int index = -1)
        : Control(Kind::PictureBox, Layer::Windowed, std::move(name), index) {}

    ControlObserver* boundObserver() const override { return observer(); }
};

}  // namespace plat

#pragma once
// A rounded rectangle: the table's border, the slots of the line of play, the highlight frame.
// Shapes take no mouse input.
#include "colour.h"
#include "control.h"

namespace plat {

class Shape : public Control {
  public:
    Shape(std::string name, int index = -1)
        : Control(Kind::Shape, Layer::Lightweight, std::move(name), index) {}

    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    Colour borderColour() const { return borderColour_; }
    void setBorderColour(Colour c);
    Colour fillColour() const { return fillColour_; }
    void setFillColour(Colour c);
    bool filled() const { return filled_; }
    void setFilled(bool f);

  private:
    int borderWidth_ = 1;
    Colour borderColour_ = rgb(0, 0, 0);
    Colour fillColour_ = rgb(0, 0, 0);
    bool filled_ = false;
};

}  // namespace plat

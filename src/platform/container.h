#pragma once
// A control that holds others (the form, a picture box) and keeps their stacking order,
// bottom first, lightweight controls below windowed ones.
#include <vector>

#include "control.h"

namespace plat {

class Container {
  public:
    virtual ~Container() = default;
    void add(Control& child);  // on top of its layer
    void remove(Control& child);
    void bringToFront(Control& child);
    void sendToBack(Control& child);
    const std::vector<Control*>& children() const { return children_; }  // bottom first
    // The topmost visible child holding the point (twips in this container's coordinates).
    Control* childAt(int x, int y) const;

    virtual ControlObserver* boundObserver() const = 0;

  private:
    std::size_t layerEnd(Layer layer) const;
    std::size_t layerBegin(Layer layer) const;
    std::vector<Control*> children_;
};

}  // namespace plat

#include "container.h"

#include <algorithm>

#include "control_observer.h"

namespace plat {

std::size_t Container::layerBegin(Layer layer) const {
    if (layer == Layer::Lightweight) return 0;
    return layerEnd(Layer::Lightweight);
}

std::size_t Container::layerEnd(Layer layer) const {
    if (layer == Layer::Windowed) return children_.size();
    auto it = std::find_if(children_.begin(), children_.end(),
                           [](const Control* c) { return c->layer() == Layer::Windowed; });
    return static_cast<std::size_t>(it - children_.begin());
}

void Container::add(Control& child) {
    child.parent_ = this;
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(layerEnd(child.layer())),
                     &child);
}

void Container::remove(Control& child) {
    std::erase(children_, &child);
    child.parent_ = nullptr;
}

void Container::bringToFront(Control& child) {
    const std::size_t end = layerEnd(child.layer());
    if (end > 0 && children_[end - 1] == &child) return;
    std::erase(children_, &child);
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(layerEnd(child.layer())),
                     &child);
    if (ControlObserver* o = boundObserver()) o->controlChanged(child, kStacking);
}

void Container::sendToBack(Control& child) {
    const std::size_t begin = layerBegin(child.layer());
    if (begin < children_.size() && children_[begin] == &child) return;
    std::erase(children_, &child);
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(layerBegin(child.layer())),
                     &child);
    if (ControlObserver* o = boundObserver()) o->controlChanged(child, kStacking);
}

Control* Container::childAt(int x, int y) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if ((*it)->visible() && (*it)->contains(x, y)) return *it;
    }
    return nullptr;
}

}  // namespace plat

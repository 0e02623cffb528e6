#pragma once
// An image control: one picture of the image list, stretched over its box. Tile halves and
// the preview halves are images. An image may take the keyboard focus; the backend then draws
// its focus frame, a box around it in twips from its top-left corner.
#include <functional>

#include "colour.h"
#include "control.h"
#include "keys.h"
#include "mouse.h"
#include "pictures.h"

namespace plat {

class Image : public Control {
  public:
    using MouseHandler = std::function<void(int index, const MouseEvent&)>;

    Image(std::string name, int index = -1)
        : Control(Kind::Image, Layer::Lightweight, std::move(name), index) {}

    Picture picture() const { return picture_; }
    void setPicture(Picture p);
    // The pointer shown over this image: the default one, or a picture of the image list.
    Picture pointerPicture() const { return pointerPicture_; }
    void setPointerPicture(Picture p) { pointerPicture_ = p; }

    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    void mouseDown(const MouseEvent& e) {
        if (onMouseDown) onMouseDown(index(), e);
    }
    void mouseMove(const MouseEvent& e) {
        if (onMouseMove) onMouseMove(index(), e);
    }
    void mouseUp(const MouseEvent& e) {
        if (onMouseUp) onMouseUp(index(), e);
    }
    bool hasMouseHandlers() const { return onMouseDown || onMouseMove || onMouseUp; }

    std::function<void(int index, const KeyEvent&)> onKeyDown;
    void keyDown(const KeyEvent& e) {
        if (onKeyDown) onKeyDown(index(), e);
    }

    using Frame = FocusFrame;
    const Frame& focusFrame() const { return focusFrame_; }
    void setFocusFrame(const Frame& f) { focusFrame_ = f; }

    void copyFrom(const Image& design);

  private:
    Picture picture_ = kNoPicture;
    Picture pointerPicture_ = kNoPicture;
    Frame focusFrame_;
};

}  // namespace plat

#pragma once
// The base of every control on the table: a plain object in twips. A backend hears of each
// change through the form's observer and draws accordingly; the game never sees pixels.
#include <string>

#include "colour.h"

namespace plat {

class Container;
class ControlObserver;
class Form;

enum class Kind { Form, Image, Label, TextBox, Shape, PictureBox, ListBox, CheckBox, PushButton };

// Windowed controls (picture boxes, buttons, boxes) always stand above the lightweight ones
// (images, labels, shapes); bringing to front or sending to back works within a layer.
enum class Layer { Lightweight, Windowed };

enum class ZOrder { BringToFront = 0, SendToBack = 1 };

// What changed, for the observer.
enum Change : unsigned {
    kGeometry = 1u << 0,
    kVisibility = 1u << 1,
    kEnabled = 1u << 2,
    kLook = 1u << 3,  // picture, caption, colours, fonts, tooltip, value
    kStacking = 1u << 4,
    kRepaintNow = 1u << 5,
    kLoaded = 1u << 6,  // an array element was created or destroyed
    kFocus = 1u << 7,   // the control took or lost the focus, or may now take it or not
};

// The frame a backend draws around a control with the keyboard focus while the keyboard is in
// use: a box in twips from the control's top-left corner (none while its width is 0).
struct FocusFrame {
    int left = 0, top = 0, width = 0, height = 0;
    Colour colour = 0;
    int borderWidth = 1;
};

class Control {
  public:
    Control(Kind kind, Layer layer, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    Layer layer() const { return layer_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Container* parent() const { return parent_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { move(v, top_, width_, height_); }
    void setTop(int v) { move(left_, v, width_, height_); }
    void setWidth(int v) { move(left_, top_, v, height_); }
    void setHeight(int v) { move(left_, top_, width_, v); }
    void move(int left, int top) { move(left, top, width_, height_); }
    void move(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& tag() const { return tag_; }
    void setTag(std::string t) { tag_ = std::move(t); }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string t);

    // The keyboard focus. A control takes it when it may (canFocus) and is shown, enabled and
    // loaded; Tab goes from tab stop to tab stop by tab index. A control that can no longer
    // hold the focus hands it to the next tab stop.
    bool canFocus() const { return canFocus_; }
    void setCanFocus(bool v);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool focusable() const { return canFocus_ && visible_ && enabled_ && loaded_; }
    bool setFocus();  // false when the control cannot take the focus now
    bool hasFocus() const;
    // The window this control stands in, if it stands in one.
    Form* form() const;

    void zOrder(ZOrder position);
    void refresh() { notify(kRepaintNow); }

    // True when the point (twips, in the parent's coordinates) lies on the control.
    bool contains(int x, int y) const {
        return x >= left_ && x < left_ + width_ && y >= top_ && y < top_ + height_;
    }

    // False for an element of a control array that is destroyed at the moment.
    bool loaded() const { return loaded_; }
    void setLoadedState(bool loaded);

    // Which observer hears of this control's changes: the one bound to its outermost container.
    virtual ControlObserver* observer() const;

  protected:
    void notify(unsigned what);
    // Copies the design properties of another element of the same array (not its place in the
    // stacking order, not its parent).
    void copyBaseFrom(const Control& other);

  private:
    friend class Container;
    void keepFocusable();
    Kind kind_;
    Layer layer_;
    std::string name_;
    int index_;
    Container* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool loaded_ = true;
    bool canFocus_ = false;
    bool tabStop_ = false;
    int tabIndex_ = 0;
    std::string tag_;
    std::string toolTip_;
};

}  // namespace plat

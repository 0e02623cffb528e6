#pragma once
// A check box. Its click handler runs whenever the value changes, also when code sets it.
#include <functional>

#include "control.h"
#include "font.h"

namespace plat {

class CheckBox : public Control {
  public:
    CheckBox(std::string name, std::string caption)
        : Control(Kind::CheckBox, Layer::Windowed, std::move(name)), caption_(std::move(caption)) {}

    int value() const { return value_; }
    void setValue(int v);
    const std::string& caption() const { return caption_; }
    Font font;

    std::function<void()> onClick;

  private:
    std::string caption_;
    int value_ = 0;
};

}  // namespace plat

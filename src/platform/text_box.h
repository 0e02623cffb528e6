#pragma once
// A text box; the game keeps hidden ones as named values.
#include "control.h"

namespace plat {

class TextBox : public Control {
  public:
    TextBox(std::string name, std::string text = {})
        : Control(Kind::TextBox, Layer::Windowed, std::move(name)), text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void setText(std::string t) {
        if (t == text_) return;
        text_ = std::move(t);
        notify(kLook);
    }

  private:
    std::string text_;
};

}  // namespace plat

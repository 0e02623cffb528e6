#pragma once
// A label: a caption on the table, or, hidden, a named value of the game.
#include "colour.h"
#include "control.h"
#include "font.h"

namespace plat {

enum class Align { Left, Centre, Right };

class Label : public Control {
  public:
    Label(std::string name, std::string caption = {}, int index = -1)
        : Control(Kind::Label, Layer::Lightweight, std::move(name), index),
          caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

    const Font& font() const { return font_; }
    void setFont(Font f);
    Colour foreColour() const { return foreColour_; }
    void setForeColour(Colour c);
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour c);
    Align alignment() const { return alignment_; }
    void setAlignment(Align a);
    // An auto-sized label takes the size of its caption; the backend measures it.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);

  private:
    std::string caption_;
    Font font_;
    Colour foreColour_ = kButtonText;
    Colour backColour_ = kButtonFace;
    Align alignment_ = Align::Left;
    bool autoSize_ = false;
};

}  // namespace plat

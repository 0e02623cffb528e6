#pragma once
// The window: the outermost container, with its caption, colours and pointer. A backend
// binds itself here to hear of every change below.
#include <functional>
#include <string>
#include <vector>

#include "colour.h"
#include "container.h"
#include "control.h"
#include "mouse.h"
#include "pictures.h"

namespace plat {

class Timer;

// A pointer picture loaded from a file by the backend; 0 = none.
using PointerHandle = int;

class Form : public Control, public Container {
  public:
    Form(std::string name, int clientWidth, int clientHeight);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    bool hasProgramIcon() const { return programIcon_; }
    void useProgramIcon();
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour c);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int p);
    PointerHandle mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(PointerHandle h);

    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void()> onQueryUnload;

    void addTimer(Timer& t) { timers_.push_back(&t); }
    const std::vector<Timer*>& timers() const { return timers_; }

    // The backend that draws this form; nullptr for none.
    void bind(ControlObserver* observer);
    ControlObserver* boundObserver() const override { return observer_; }
    ControlObserver* observer() const override { return observer_; }

  private:
    std::string caption_;
    bool programIcon_ = false;
    Colour backColour_ = kButtonFace;
    int mousePointer_ = kPointerDefault;
    PointerHandle mouseIcon_ = 0;
    std::vector<Timer*> timers_;
    ControlObserver* observer_ = nullptr;
};

}  // namespace plat

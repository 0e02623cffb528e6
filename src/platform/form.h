#pragma once
// The window: the outermost container, with its caption, colours and pointer. A backend
// binds itself here to hear of every change below.
#include <functional>
#include <string>
#include <vector>

#include "accessible.h"
#include "colour.h"
#include "container.h"
#include "control.h"
#include "keys.h"
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
    // Hears every key before the control with the focus does (the window's shortcuts).
    std::function<void(KeyEvent&)> onKeyDown;
    // Runs the window's key handler; true when it kept the key for itself.
    bool previewKey(KeyEvent& e);

    // The control with the keyboard focus, or nullptr.
    Control* focused() const { return focused_; }
    // Gives the focus to c (nullptr: to none) and tells the backend of both controls.
    void moveFocus(Control* c);
    // The backend's report that the focus moved by the user's hand (a click, the toolkit's own
    // rules); the backend is not told back.
    void focusMovedTo(Control* c) { focused_ = c; }
    // The tab stop after (or before) the focused control, in tab index order, round the end;
    // nullptr when there is none to go to.
    Control* nextTabStop(bool forward) const;

    // What a screen reader is told about the window's controls; nullptr: nothing.
    const AccessibleReader* accessibleReader() const { return reader_; }
    void setAccessibleReader(const AccessibleReader* r) { reader_ = r; }

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
    Control* focused_ = nullptr;
    const AccessibleReader* reader_ = nullptr;
};

}  // namespace plat

#pragma once
// The services the game asks of the toolkit. Every call that can fail takes the place of the
// calling statement, so that a failure names the line of the game that met it.
#include <cstdint>
#include <optional>
#include <string>

#include "app_failure.h"
#include "form.h"
#include "skin_framework.h"

namespace plat {

constexpr int kMsgOk = 0;
constexpr int kMsgExclamation = 48;
constexpr int kSoundAsync = 1;

class Services {
  public:
    virtual ~Services() = default;

    // Runs the events that are pending, then returns.
    virtual void doEvents(Where where = Where::current()) = 0;
    // Sleeps on the event loop, running events as they come, for at most maxMs milliseconds.
    virtual void waitEvents(int maxMs, Where where = Where::current()) = 0;
    // The milliseconds until the window next shows what changed, where it paints once a frame
    // of its screen; 0 where a change is shown at once.
    virtual int msToNextFrame() { return 0; }
    // Holds the window's frames: while held, the window shows nothing new, and what changed
    // meanwhile appears together in the first frame after the last hold ends. Holds nest.
    virtual void holdFrames(bool hold) { (void)hold; }
    // Tells a listening screen reader something that happened by itself (a move, a draw, a
    // pass), to be spoken at once whatever has the keyboard focus; nothing where none listens.
    virtual void announce(const std::string& text) { (void)text; }
    // Shows a message and waits until it is dismissed; events keep running meanwhile. An empty
    // title shows the application title.
    virtual void msgBox(const std::string& text, int style = kMsgOk, const std::string& title = {},
                        Where where = Where::current()) = 0;
    // The system's millisecond count; it wraps around like a signed 32-bit number.
    virtual std::int32_t tickCount(Where where = Where::current()) = 0;
    virtual void randomize(Where where = Where::current()) = 0;
    virtual double rnd(Where where = Where::current()) = 0;  // uniform in [0, 1)
    // Plays a sound file (a path below the program's folder) without waiting for it.
    virtual void playSound(const std::string& path, int flags, Where where = Where::current()) = 0;
    // Ends the program at once: the windows close and no further game code runs.
    [[noreturn]] virtual void endProgram() = 0;

    // The program's own folder; optional files are found below it ("\x\o.cjs").
    virtual std::string appPath() = 0;
    // The file's name when it exists as a plain file, else the empty text.
    virtual std::string dir(const std::string& path, Where where = Where::current()) = 0;
    // The file's modification time, or nothing when it cannot be asked (a missing file).
    virtual std::optional<std::int64_t> fileDateTime(const std::string& path,
                                                     Where where = Where::current()) = 0;
    // Loads a pointer picture; nothing when the file holds no picture it can read.
    virtual std::optional<PointerHandle> loadPointer(const std::string& path,
                                                     Where where = Where::current()) = 0;
    // Loads a skin file and applies it to the window; false when the file holds no skin it can
    // read (the window then keeps its look).
    virtual bool applySkin(const SkinSettings& skin, Form& window,
                           Where where = Where::current()) = 0;

    virtual std::string productName() const = 0;
    virtual void setAppTitle(const std::string& title) = 0;
    virtual const std::string& appTitle() const = 0;
};

// The window's frames held for the scope's lifetime: a step whose tiles pass through places
// the player is not meant to see (a tile laid by a key, a deal) appears finished.
class FramesHeld {
  public:
    explicit FramesHeld(Services& s) : s_(s) { s_.holdFrames(true); }
    ~FramesHeld() { s_.holdFrames(false); }
    FramesHeld(const FramesHeld&) = delete;
    FramesHeld& operator=(const FramesHeld&) = delete;

  private:
    Services& s_;
};

}  // namespace plat

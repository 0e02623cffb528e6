#pragma once
// The toolkit for tests. Time is a fake clock that moves only inside waits, message boxes and
// runFor(); timers that fall due fire inside every wait and message box, as on the real
// toolkit (a running timer is not entered again by itself). Tests inject events at every
// processing of events, read every message box and sound, give the program any files, and
// make any service fail.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/control_observer.h"
#include "platform/services.h"

namespace plat::headless {

struct MessageRecord {
    std::string text;
    int style = 0;
    std::string title;  // as shown: the application title when the game gave none
    std::int64_t at = 0;
};

struct SoundRecord {
    std::string path;
    int flags = 0;
};

enum class Service {
    DoEvents,
    WaitEvents,
    MsgBox,
    TickCount,
    Randomize,
    Rnd,
    PlaySound,
    Dir,
    FileDateTime,
    LoadPointer,
    ApplySkin,
    kCount
};

enum class FileKind { Plain, Garbage, Directory };

class HeadlessPlatform : public Services, public ControlObserver {
  public:
    explicit HeadlessPlatform(std::int32_t firstTick = 0, std::uint64_t seed = 1);

    void attach(Form& form);

    // --- clock
    std::int64_t now() const { return now_; }
    // Moves the clock on from the top level, running what falls due.
    void runFor(std::int64_t ms);

    // --- events
    void post(std::function<void()> event, std::int64_t delayMs = 0);
    // Called at every processing of events (every doEvents, every step of a wait, every message
    // box), with the nesting depth; tests inject ticks and clicks here.
    std::function<void(int depth)> onEvents;
    // Called while a message box is open; the box closes when it returns and its open time has
    // passed.
    std::function<void(const MessageRecord&)> onMessageBox;
    std::int64_t messageBoxOpenMs = 0;
    int eventDepth() const { return depth_; }
    // A window that paints once every so many milliseconds, at its multiples; 0: at once.
    std::int64_t framePeriodMs = 0;
    bool inMessageBox() const { return modal_ > 0; }
    // The window shows nothing new while its frames are held.
    bool framesHeld() const { return framesHeld_ > 0; }

    // --- records
    std::vector<MessageRecord> messages;
    std::vector<SoundRecord> sounds;
    std::vector<std::string> announcements;  // what a screen reader was told, in order
    bool ended = false;
    std::optional<SkinSettings> skinApplied;
    std::vector<std::pair<const Control*, unsigned>>
        changes;  // every change the game made to a control
    bool recordChanges = false;

    // --- files below the program's folder, by path relative to it ("x/o.cjs")
    void addFile(const std::string& relative, FileKind kind);
    static std::string folder() { return "/brackwell"; }

    // --- failures: the call after `skip` further calls of the service fails with `description`
    void failNext(Service service, std::string description, int skip = 0);
    std::optional<Where> failedAt;  // where the last injected failure struck

    // --- the random source: scripted values first, then a seeded generator
    void scriptRandom(std::vector<double> values);

    // Services
    void doEvents(Where where = Where::current()) override;
    void waitEvents(int maxMs, Where where = Where::current()) override;
    int msToNextFrame() override;
    void msgBox(const std::string& text, int style = kMsgOk, const std::string& title = {},
                Where where = Where::current()) override;
    std::int32_t tickCount(Where where = Where::current()) override;
    void randomize(Where where = Where::current()) override;
    double rnd(Where where = Where::current()) override;
    void playSound(const std::string& path, int flags, Where where = Where::current()) override;
    void holdFrames(bool hold) override { framesHeld_ += hold ? 1 : -1; }
    void announce(const std::string& text) override { announcements.push_back(text); }
    [[noreturn]] void endProgram() override;
    std::string appPath() override { return folder(); }
    std::string dir(const std::string& path, Where where = Where::current()) override;
    std::optional<std::int64_t> fileDateTime(const std::string& path,
                                             Where where = Where::current()) override;
    std::optional<PointerHandle> loadPointer(const std::string& path,
                                             Where where = Where::current()) override;
    bool applySkin(const SkinSettings& skin, Form& window, Where where = Where::current()) override;
    std::string productName() const override { return "Brackwell"; }
    void setAppTitle(const std::string& title) override { title_ = title; }
    const std::string& appTitle() const override { return title_; }

    // ControlObserver
    void controlChanged(Control& control, unsigned what) override;
    void timerChanged(Timer& timer) override;

  private:
    struct Posted {
        std::int64_t due;
        std::uint64_t order;
        std::function<void()> event;
    };
    void processEvents();
    void runUntil(std::int64_t deadline);
    std::int64_t nextDue() const;
    void maybeFail(Service service, Where where);
    const FileKind* fileAt(const std::string& path) const;

    Form* form_ = nullptr;
    std::int32_t firstTick_;
    std::int64_t now_ = 0;
    int depth_ = 0;
    int modal_ = 0;
    int framesHeld_ = 0;
    std::deque<Posted> posted_;
    std::uint64_t postOrder_ = 0;
    std::map<const Timer*, std::int64_t> timerDue_;
    std::map<std::string, FileKind> files_;
    struct Failure {
        int skip;
        std::string description;
    };
    std::map<Service, std::vector<Failure>> failures_;
    std::uint64_t seed_;
    std::mt19937_64 random_;
    std::deque<double> scripted_;
    std::string title_;
};

}  // namespace plat::headless

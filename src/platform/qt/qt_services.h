#pragma once
// The services of the real window: Qt's event loop, message boxes, the monotonic clock, the
// files beside the program, the move sound (its module is loaded when the first sound plays),
// the news told to a screen reader.
#include <QCursor>
#include <QHash>
#include <QLibrary>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <random>

#include "platform/qt/announcer.h"
#include "platform/services.h"

namespace plat::qt {

class QtServices : public Services {
  public:
    // folder: where the program's optional files are found.
    explicit QtServices(QString folder);

    void setWindow(QWidget* window) {
        window_ = window;
        announcer_.setWindow(window);
    }
    const QHash<PointerHandle, QCursor>& pointers() const { return pointers_; }
    const QString& skinStyleSheet() const { return skinStyle_; }

    void doEvents(Where where = Where::current()) override;
    void waitEvents(int maxMs, Where where = Where::current()) override;
    int msToNextFrame() override;
    void holdFrames(bool hold) override;
    void announce(const std::string& text) override;
    void msgBox(const std::string& text, int style = kMsgOk, const std::string& title = {},
                Where where = Where::current()) override;
    std::int32_t tickCount(Where where = Where::current()) override;
    void randomize(Where where = Where::current()) override;
    double rnd(Where where = Where::current()) override;
    void playSound(const std::string& path, int flags, Where where = Where::current()) override;
    [[noreturn]] void endProgram() override;
    std::string appPath() override { return folder_.toStdString(); }
    std::string dir(const std::string& path, Where where = Where::current()) override;
    std::optional<std::int64_t> fileDateTime(const std::string& path,
                                             Where where = Where::current()) override;
    std::optional<PointerHandle> loadPointer(const std::string& path,
                                             Where where = Where::current()) override;
    bool applySkin(const SkinSettings& skin, Form& window, Where where = Where::current()) override;
    std::string productName() const override { return "Brackwell"; }
    void setAppTitle(const std::string& title) override;
    const std::string& appTitle() const override { return title_; }

  private:
    QString folder_;
    QPointer<QWidget> window_;
    Announcer announcer_;
    std::mt19937_64 random_;
    std::string title_;
    QHash<PointerHandle, QCursor> pointers_;
    QString skinStyle_;
    bool skinDialogs_ = false;
    QLibrary sound_;
    void (*playSoundFile_)(const char*) = nullptr;
    bool soundTried_ = false;
};

// The text as a message box shows it: the game's line breaks (CR LF, or a CR alone) as lines.
QString messageText(const std::string& text);

}  // namespace plat::qt

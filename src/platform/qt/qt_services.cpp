#include "platform/qt/qt_services.h"

#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "platform/qt/box_key_guard.h"
#include "platform/qt/cursor_file.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/skin_file.h"
#include "platform/qt/table_view.h"

namespace plat::qt {

namespace {
constexpr qint64 kMaxPointerFileBytes = 1024 * 1024;
constexpr qint64 kMaxSkinFileBytes = 256 * 1024;
// The sound is read whole into memory; the move's click is a few kilobytes.
constexpr qint64 kMaxSoundFileBytes = 1024 * 1024;

QByteArray readSmallFile(const QString& path, qint64 limit) {
    QFileInfo info(path);
    if (!info.isFile() || info.size() > limit) return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(limit);
}
}  // namespace

QString messageText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar(u'\r'), QChar(u'\n'));
    return s;
}

QtServices::QtServices(QString folder) : folder_(std::move(folder)) {
    sound_.setFileName(moduleFolder() + QStringLiteral("/libbrackwell-sound.so"));
}

void QtServices::doEvents(Where) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Sleeps on the event loop: the processor rests until an event or the end of the wait.
void QtServices::waitEvents(int maxMs, Where) {
    QEventLoop loop;
    QTimer::singleShot(std::max(0, maxMs), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int QtServices::msToNextFrame() {
    const auto* view = qobject_cast<const TableView*>(window_.data());
    return view ? view->framePacer().msPastNextFrame() : 0;
}

void QtServices::holdFrames(bool hold) {
    if (auto* view = qobject_cast<TableView*>(window_.data())) view->framePacer().hold(hold);
}

void QtServices::announce(const std::string& text) {
    announcer_.announce(QString::fromStdString(text));
}

void QtServices::msgBox(const std::string& text, int style, const std::string& title, Where) {
    QMessageBox box(window_);
    box.setTextFormat(Qt::PlainText);
    box.setText(messageText(text));
    box.setWindowTitle(QString::fromStdString(title.empty() ? title_ : title));
    box.setIcon(style == kMsgExclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    if (skinDialogs_) box.setStyleSheet(skinStyle_);
    BoxKeyGuard guard(box);  // the box opens by itself: keys pressed for the table stay out
    if (auto* view = qobject_cast<TableView*>(window_.data())) view->framePacer().paintBehindBox();
    box.exec();
}

std::int32_t QtServices::tickCount(Where) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms.count()));
}

void QtServices::randomize(Where) {
    random_.seed(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double QtServices::rnd(Where) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

// The sound module (and with it the multimedia libraries) is loaded when the first sound plays.
// Without it, or without a sound device, the game is silent.
void QtServices::playSound(const std::string& path, int, Where) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || file.size() > kMaxSoundFileBytes) return;
    if (!soundTried_) {
        soundTried_ = true;
        if (sound_.load()) {
            playSoundFile_ =
                reinterpret_cast<void (*)(const char*)>(sound_.resolve("brackwellPlaySound"));
        }
    }
    if (playSoundFile_) playSoundFile_(path.c_str());
}

void QtServices::endProgram() {
    if (window_) window_->hide();
    std::fflush(nullptr);
    ::_exit(0);
}

std::string QtServices::dir(const std::string& path, Where) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() ? info.fileName().toStdString() : std::string();
}

std::optional<std::int64_t> QtServices::fileDateTime(const std::string& path, Where) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return std::nullopt;
    return info.lastModified().toMSecsSinceEpoch();
}

std::optional<PointerHandle> QtServices::loadPointer(const std::string& path, Where) {
    const auto cursor =
        readCursorFile(readSmallFile(QString::fromStdString(path), kMaxPointerFileBytes));
    if (!cursor) return std::nullopt;
    const PointerHandle handle = static_cast<PointerHandle>(pointers_.size()) + 1;
    pointers_.insert(handle, QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(),
                                     cursor->hotSpot.y()));
    return handle;
}

bool QtServices::applySkin(const SkinSettings& skin, Form&, Where) {
    const auto style =
        readSkinFile(readSmallFile(QString::fromStdString(skin.file), kMaxSkinFileBytes));
    if (!style || !window_) return false;
    skinStyle_ = *style;
    skinDialogs_ = skin.dialogs;
    const QString sheet = (skin.options & kSkinChildControls) ? skinStyle_ : QString();
    if (auto* view = qobject_cast<TableView*>(window_.data()))
        view->setSkin(sheet);
    else
        window_->setStyleSheet(sheet);
    return true;
}

void QtServices::setAppTitle(const std::string& title) {
    title_ = title;
    QGuiApplication::setApplicationDisplayName(QString());
    QCoreApplication::setApplicationName(QString::fromStdString(title));
}

}  // namespace plat::qt

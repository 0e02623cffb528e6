#include "platform/qt/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plat::qt {

namespace {
// Relative to the installed program's folder; set by the build from the install layout.
#ifndef BRACKWELL_DATA_FROM_BIN
#define BRACKWELL_DATA_FROM_BIN "../share/games/brackwell"
#endif
#ifndef BRACKWELL_MODULE_FROM_BIN
#define BRACKWELL_MODULE_FROM_BIN "../lib/games/brackwell"
#endif

// The installed folder when it exists, else the program's own folder (a build tree).
QString besideOrInstalled(const char* relative) {
    const QString bin = QCoreApplication::applicationDirPath();
    const QFileInfo installed(QDir(bin).filePath(QString::fromUtf8(relative)));
    return installed.isDir() ? installed.canonicalFilePath() : bin;
}
}  // namespace

QString programFolder() {
    return besideOrInstalled(BRACKWELL_DATA_FROM_BIN);
}
QString moduleFolder() {
    return besideOrInstalled(BRACKWELL_MODULE_FROM_BIN);
}

}  // namespace plat::qt

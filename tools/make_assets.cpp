// Draws the files that ship with the game from the same painter as the table: the hand cursor
// file. Run it to remake them:  brackwell-make-assets <runtime folder>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/cursor_file.h"
#include "platform/qt/tile_pictures.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QImage handCursor() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    plat::qt::TilePictures::paint(p, plat::kHandCursor, QRectF(0, 0, 32, 32));
    return img;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString runtime = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("runtime");
    const bool ok =
        writeFile(runtime + "/HAND-M.CUR", plat::qt::writeCursorFile(handCursor(), QPoint(13, 1)));
    return ok ? 0 : 1;
}

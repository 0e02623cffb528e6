// Draws the files that ship with the game from the same painter as the table: the hand cursor
// file and the program's icon at every size the desktop asks for, as PNG and as SVG.
//   brackwell-make-assets <runtime folder> <icons folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "platform/qt/cursor_file.h"
#include "platform/qt/tile_pictures.h"

namespace {

constexpr char kAppId[] = "org.brackwell.Brackwell";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
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

// The generator gives the size in millimetres; an icon theme wants it in pixels.
bool sizeInPixels(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
                 QStringLiteral("<svg width=\"256\" height=\"256\""));
    return writeFile(path, text.toUtf8());
}

bool writeIcons(const QString& folder) {
    bool ok = true;
    for (int side : {16, 22, 32, 48, 64, 128, 256}) {
        QImage img(side, side, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            plat::qt::TilePictures::paintIcon(p, QRectF(0, 0, side, side));
        }
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(side);
        QDir().mkpath(dir);
        ok = ok && img.save(QStringLiteral("%1/%2.png").arg(dir, kAppId));
    }
    const QString svgDir = folder + "/hicolor/scalable/apps";
    QDir().mkpath(svgDir);
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(svgDir, kAppId));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Brackwell"));
    svg.setDescription(QStringLiteral("A domino tile"));
    {
        QPainter p(&svg);
        plat::qt::TilePictures::paintIcon(p, QRectF(0, 0, 256, 256));
    }
    return ok && sizeInPixels(svg.fileName());
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString runtime = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("runtime");
    const QString icons = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("data/icons");
    const bool cursor =
        writeFile(runtime + "/HAND-M.CUR", plat::qt::writeCursorFile(handCursor(), QPoint(13, 1)));
    return cursor && writeIcons(icons) ? 0 : 1;
}

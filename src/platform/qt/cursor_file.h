#pragma once
// Reads a pointer file in the classic cursor format: the first image of the file, either a
// 32-bit colour bitmap, a monochrome bitmap with its mask, or a PNG, with its hot spot.
// Anything else (garbage, a truncated file, a directory) is no cursor at all.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <optional>

namespace plat::qt {

struct CursorImage {
    QImage image;
    QPoint hotSpot;
};

std::optional<CursorImage> readCursorFile(const QByteArray& bytes);

// Writes the image as a cursor file with one 32-bit image (the format the reader takes).
QByteArray writeCursorFile(const QImage& image, QPoint hotSpot);

}  // namespace plat::qt

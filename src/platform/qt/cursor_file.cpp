#include "platform/qt/cursor_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

namespace plat::qt {

namespace {

constexpr int kDirSize = 6, kEntrySize = 16, kInfoSize = 40;
constexpr int kMaxSide = 256;

quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
qint32 s32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}

bool bit(const uchar* row, int x) {
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

// A bottom-up device-independent bitmap of 1 or 32 bits per pixel, followed by its AND mask.
std::optional<QImage> readBitmap(const QByteArray& b, qsizetype at, qsizetype size) {
    if (size < kInfoSize || u32(b, at) < kInfoSize) return std::nullopt;
    const qint32 width = s32(b, at + 4), doubledHeight = s32(b, at + 8);
    const quint16 bits = u16(b, at + 14);
    const quint32 compression = u32(b, at + 16);
    const int height = doubledHeight / 2;
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide || compression != 0)
        return std::nullopt;
    if (bits != 32 && bits != 1) return std::nullopt;
    const qsizetype palette = bits == 1 ? 8 : 0;
    const qsizetype colourStride = ((static_cast<qsizetype>(width) * bits + 31) / 32) * 4;
    const qsizetype maskStride = ((width + 31) / 32) * 4;
    const qsizetype pixels = at + u32(b, at) + palette;
    if (pixels + (colourStride + maskStride) * height > at + size) return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(b.constData());
    QImage img(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* colour = data + pixels + colourStride * (height - 1 - y);
        const uchar* mask = data + pixels + colourStride * height + maskStride * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 32) {
                const uchar* px = colour + x * 4;
                out[x] = qRgba(px[2], px[1], px[0], bit(mask, x) ? 0 : px[3]);
            } else {
                out[x] = bit(mask, x) ? qRgba(0, 0, 0, 0)
                                      : (bit(colour, x) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            }
        }
    }
    return img;
}

}  // namespace

std::optional<CursorImage> readCursorFile(const QByteArray& b) {
    if (b.size() < kDirSize + kEntrySize) return std::nullopt;
    if (u16(b, 0) != 0 || u16(b, 2) != 2 || u16(b, 4) == 0) return std::nullopt;
    const QPoint hot(u16(b, kDirSize + 4), u16(b, kDirSize + 6));
    const qsizetype size = u32(b, kDirSize + 8), offset = u32(b, kDirSize + 12);
    if (offset < kDirSize + kEntrySize || size <= 0 || offset > b.size() ||
        size > b.size() - offset) {
        return std::nullopt;
    }
    std::optional<QImage> img;
    if (b.mid(offset, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8)) {
        // The size first: a small file can hold a picture of millions of pixels.
        QByteArray bytes = b.mid(offset, size);
        QBuffer buffer(&bytes);
        QImageReader png(&buffer, "PNG");
        const QSize side = png.size();
        if (side.isValid() && side.width() <= kMaxSide && side.height() <= kMaxSide)
            img = png.read();
    } else {
        img = readBitmap(b, offset, size);
    }
    if (!img || img->isNull()) return std::nullopt;
    const QPoint clamped(std::clamp(hot.x(), 0, img->width() - 1),
                         std::clamp(hot.y(), 0, img->height() - 1));
    return CursorImage{*img, clamped};
}

QByteArray writeCursorFile(const QImage& source, QPoint hotSpot) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    auto put16 = [&](quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const quint32 bytes = kInfoSize + static_cast<quint32>(w * h * 4 + maskStride * h);
    put16(0), put16(2), put16(1);
    out.append(static_cast<char>(w)), out.append(static_cast<char>(h)), out.append('\0'),
        out.append('\0');
    put16(static_cast<quint16>(hotSpot.x())), put16(static_cast<quint16>(hotSpot.y()));
    put32(bytes), put32(kDirSize + kEntrySize);
    put32(kInfoSize), put32(static_cast<quint32>(w)), put32(static_cast<quint32>(h * 2));
    put16(1), put16(32), put32(0), put32(static_cast<quint32>(w * h * 4));
    put32(0), put32(0), put32(0), put32(0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(row[x]))).append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x]))).append(static_cast<char>(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(mask);
    }
    return out;
}

}  // namespace plat::qt

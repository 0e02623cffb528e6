#include "platform/qt/tile_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace plat::qt {

namespace {

const QColor kFaceTop(0x2b, 0x2b, 0x2e), kFaceBottom(0x08, 0x08, 0x0a);
const QColor kBackTop(0x7a, 0x23, 0x30), kBackBottom(0x4a, 0x10, 0x1a);
const QColor kEdge(0x6a, 0x6a, 0x70), kGold(0xe0, 0xb8, 0x5a);

// Pip places on a 3 x 3 grid (column, row), as on a standing tile's half.
using Spots = std::vector<std::pair<int, int>>;
Spots pipSpots(int pips) {
    switch (pips) {
        case 1:
            return {{1, 1}};
        case 2:
            return {{2, 0}, {0, 2}};
        case 3:
            return {{2, 0}, {1, 1}, {0, 2}};
        case 4:
            return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
        case 5:
            return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
        case 6:
            return {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
        default:
            return {};
    }
}

// The half's body: a rounded square with a soft top light and a fine edge that keeps it apart
// from the cloth and from its neighbour.
void paintBody(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    const qreal s = std::min(r.width(), r.height());
    const qreal radius = s * 0.14;
    const QRectF body = r.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02);
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(kEdge, std::max<qreal>(1.0, s * 0.03)));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
}

void paintFace(QPainter& p, const QRectF& r, int pips, bool turned) {
    paintBody(p, r, kFaceTop, kFaceBottom);
    const qreal s = std::min(r.width(), r.height());
    const qreal pipRadius = s * 0.095;
    for (auto [col, row] : pipSpots(pips)) {
        if (turned) std::tie(col, row) = std::pair{2 - row, col};  // a quarter turn clockwise
        const QPointF c(r.left() + r.width() * (0.22 + 0.28 * col),
                        r.top() + r.height() * (0.22 + 0.28 * row));
        QRadialGradient shine(c - QPointF(pipRadius * 0.35, pipRadius * 0.35), pipRadius * 1.3);
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(1, QColor(0xd8, 0xd8, 0xd0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(c, pipRadius, pipRadius);
    }
}

// The back: deep red with a small gold emblem, a diamond holding two pips.
void paintBack(QPainter& p, const QRectF& r) {
    paintBody(p, r, kBackTop, kBackBottom);
    const qreal s = std::min(r.width(), r.height());
    const QPointF c = r.center();
    QPainterPath diamond;
    diamond.moveTo(c.x(), c.y() - s * 0.27);
    diamond.lineTo(c.x() + s * 0.27, c.y());
    diamond.lineTo(c.x(), c.y() + s * 0.27);
    diamond.lineTo(c.x() - s * 0.27, c.y());
    diamond.closeSubpath();
    p.setPen(QPen(kGold, std::max<qreal>(1.0, s * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(diamond);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(c + QPointF(0, -s * 0.09), s * 0.055, s * 0.055);
    p.drawEllipse(c + QPointF(0, s * 0.09), s * 0.055, s * 0.055);
}

// A hand with the index finger pointing up, white with a black outline.
void paintHand(QPainter& p, const QRectF& r) {
    const qreal u = std::min(r.width(), r.height()) / 32.0;
    const QPointF o = r.topLeft();
    auto at = [&](qreal x, qreal y) { return o + QPointF(x * u, y * u); };
    QPainterPath hand;
    hand.addRoundedRect(QRectF(at(11, 1), at(16, 18)), 2.5 * u, 2.5 * u);         // index finger
    hand.addRoundedRect(QRectF(at(15.5, 9), at(20, 19)), 2.2 * u, 2.2 * u);       // middle
    hand.addRoundedRect(QRectF(at(19.5, 10), at(24, 20)), 2.2 * u, 2.2 * u);      // ring
    hand.addRoundedRect(QRectF(at(23.5, 11.5), at(27.5, 21)), 2.0 * u, 2.0 * u);  // little
    hand.addRoundedRect(QRectF(at(11, 14), at(27.5, 28)), 4 * u, 4 * u);          // palm
    QPainterPath thumb;
    thumb.moveTo(at(11.5, 16));
    thumb.cubicTo(at(8, 13), at(4, 14), at(6, 18));
    thumb.lineTo(at(11.5, 26));
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.4 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
}

}  // namespace

void TilePictures::paint(QPainter& p, Picture picture, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (picture == kTileBack) {
        paintBack(p, r);
    } else if (picture == kHandCursor) {
        paintHand(p, r);
    } else if (isFace(picture)) {
        paintFace(p, r, facePips(picture), isTurnedFace(picture));
    }
    p.restore();
}

// One tile laid across the square from corner to corner: a single body with a divider, so it
// reads as a domino and not as two dice, and long enough to stay legible at 16 pixels.
void TilePictures::paintIcon(QPainter& p, const QRectF& r) {
    const qreal s = std::min(r.width(), r.height());
    const qreal w = s * 0.47, len = s * 0.88;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.center());
    p.rotate(-45);
    const QRectF body(-w / 2, -len / 2, w, len);
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, kFaceTop.lighter(120));
    fill.setColorAt(1, kFaceBottom);
    p.setPen(QPen(QColor(0xe8, 0xe4, 0xd8), std::max<qreal>(1.0, s * 0.035)));
    p.setBrush(fill);
    p.drawRoundedRect(body, w * 0.18, w * 0.18);
    p.setPen(QPen(QColor(0x9a, 0x96, 0x8c), std::max<qreal>(1.0, s * 0.025)));
    p.drawLine(QPointF(-w * 0.36, 0), QPointF(w * 0.36, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf7, 0xf4, 0xea));
    const bool small = s < 40;  // fewer, larger pips where six would run together
    const qreal pip = w * (small ? 0.17 : 0.12);
    const auto at = [&](qreal x, qreal y) { p.drawEllipse(QPointF(x * w, y * len), pip, pip); };
    if (small) {
        at(-0.22, -0.35), at(0.22, -0.14);  // two above
    } else {
        for (qreal y : {-0.40, -0.25, -0.10})
            at(-0.25, y), at(0.25, y);  // six above
    }
    at(0, 0.25);  // one below
    p.restore();
}

QPixmap TilePictures::pixmap(Picture picture, QSize logicalSize, qreal dpr) {
    const Key key{picture, logicalSize.width(), logicalSize.height(),
                  static_cast<int>(std::lround(dpr * 100))};
    auto it = cache_.constFind(key);
    if (it != cache_.constEnd()) return *it;
    QPixmap pm(QSize(std::max(1, static_cast<int>(std::ceil(logicalSize.width() * dpr))),
                     std::max(1, static_cast<int>(std::ceil(logicalSize.height() * dpr)))));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        paint(p, picture, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    cache_.insert(key, pm);
    return pm;
}

}  // namespace plat::qt

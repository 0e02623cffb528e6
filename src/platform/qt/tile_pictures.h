#pragma once
// The sixteen pictures of the table's image list, drawn as vectors at the size they are shown
// and the screen's pixel ratio, so a tile is crisp at any scale. Each picture is drawn once per
// size and then reused for every tile that shows it.
#include <QHash>
#include <QPixmap>
#include <QSize>

#include "platform/pictures.h"

class QPainter;

namespace plat::qt {

class TilePictures {
  public:
    QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);
    // Forgets the drawn sizes (the table was scaled).
    void clear() { cache_.clear(); }
    // Draws a picture into the rectangle; exposed for the icons and the cursor file.
    static void paint(QPainter& p, Picture picture, const QRectF& r);
    // The program's icon: a standing tile, at any size.
    static void paintIcon(QPainter& p, const QRectF& r);

  private:
    struct Key {
        Picture picture;
        int w, h;
        int dprPercent;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& k, size_t seed) {
        return qHashMulti(seed, k.picture, k.w, k.h, k.dprPercent);
    }
    QHash<Key, QPixmap> cache_;
};

}  // namespace plat::qt

// The sixteen pictures of the tiles: drawn at any size and pixel ratio, the faces with their
// pips (turned a quarter where that shows), the back unlike any face, each drawn once per size;
// and a control's "repaint now" paints its widget only when something about it changed.
#include <QtTest>

#include "platform/qt/tile_pictures.h"
#include "real_table.h"

using plat::Picture;
using plat::qt::TilePictures;

namespace {

QImage render(Picture p, QSize size = {100, 100}) {
    TilePictures pictures;
    return pictures.pixmap(p, size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Counts the bright blobs (the pips) with a flood fill; specks of a few pixels do not count.
int brightBlobs(const QImage& img) {
    const auto bright = [&](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return qAlpha(c) > 200 && qGray(c) > 170;
    };
    std::vector<bool> seen(size_t(img.width() * img.height()));
    int blobs = 0;
    for (int y0 = 0; y0 < img.height(); ++y0) {
        for (int x0 = 0; x0 < img.width(); ++x0) {
            if (seen[size_t(y0 * img.width() + x0)] || !bright(x0, y0)) continue;
            int area = 0;
            std::vector<QPoint> todo{{x0, y0}};
            seen[size_t(y0 * img.width() + x0)] = true;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                ++area;
                for (QPoint n :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (!img.rect().contains(n) || seen[size_t(n.y() * img.width() + n.x())] ||
                        !bright(n.x(), n.y()))
                        continue;
                    seen[size_t(n.y() * img.width() + n.x())] = true;
                    todo.push_back(n);
                }
            }
            blobs += area >= 12;
        }
    }
    return blobs;
}

Picture face(int pips, bool turned = false) {
    return plat::kFaceBase + pips + (turned ? plat::kTurnedOffset : 0);
}

// Counts the paint events that reach a widget.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureIsDrawnAtAnySizeAndPixelRatio_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("dpr");
        for (qreal dpr : {1.0, 2.0}) {
            for (QSize size : {QSize(27, 27), QSize(54, 54), QSize(26, 40)})
                QTest::addRow("%dx%d at %g", size.width(), size.height(), dpr) << size << dpr;
        }
    }

    void everyPictureIsDrawnAtAnySizeAndPixelRatio() {
        QFETCH(QSize, size);
        QFETCH(qreal, dpr);
        TilePictures pictures;
        for (Picture p = 1; p <= plat::kPictureCount; ++p) {
            const QPixmap pm = pictures.pixmap(p, size, dpr);
            QCOMPARE(pm.size(), size * dpr);
            QCOMPARE(pm.devicePixelRatio(), dpr);
            const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
            int drawn = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x)
                    drawn += qAlpha(img.pixel(x, y)) > 0;
            }
            QVERIFY2(drawn > img.width() * img.height() / 10, qPrintable(QString::number(p)));
        }
    }

    void facesShowTheirPipsAndOnlyAsymmetricOnesChangeWhenTurned_data() {
        QTest::addColumn<int>("pips");
        QTest::addColumn<bool>("turnShows");
        for (int pips = 0; pips <= 6; ++pips)
            QTest::addRow("%d pips", pips) << pips << (pips == 2 || pips == 3 || pips == 6);
    }

    void facesShowTheirPipsAndOnlyAsymmetricOnesChangeWhenTurned() {
        QFETCH(int, pips);
        QFETCH(bool, turnShows);
        const QImage plain = render(face(pips)), turned = render(face(pips, true));
        QCOMPARE(brightBlobs(plain), pips);
        QCOMPARE(brightBlobs(turned), pips);
        QCOMPARE(plain != turned, turnShows);
        QVERIFY(render(plat::kTileBack) != plain);
        QVERIFY(render(plat::kTileBack) != turned);
    }

    void picturesAreDrawnOncePerSizeUntilCleared() {
        TilePictures pictures;
        const qint64 first = pictures.pixmap(face(3), QSize(27, 27), 1.0).cacheKey();
        QCOMPARE(pictures.pixmap(face(3), QSize(27, 27), 1.0).cacheKey(), first);
        QVERIFY(pictures.pixmap(face(3), QSize(27, 27), 2.0).cacheKey() != first);
        QVERIFY(pictures.pixmap(face(3), QSize(28, 27), 1.0).cacheKey() != first);
        pictures.clear();
        QVERIFY(pictures.pixmap(face(3), QSize(27, 27), 1.0).cacheKey() != first);
    }

    void repaintNowPaintsOnlyWhatChanged_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("paints");
        QTest::newRow("its picture") << "picture" << 1;
        QTest::newRow("its place") << "move" << 1;
        QTest::newRow("nothing") << "none" << 0;
        QTest::newRow("another image only") << "other" << 0;
    }

    void repaintNowPaintsOnlyWhatChanged() {
        QFETCH(QString, change);
        QFETCH(int, paints);
        plat::Form form("Form1", 3000, 3000);
        plat::Image tile("lcard", 1), other("lcard", 2);
        for (plat::Image* i : {&tile, &other}) {
            form.add(*i);
            i->setPicture(plat::kTileBack);
        }
        tile.move(150, 150, 405, 405);
        other.move(1500, 150, 405, 405);
        plat::qt::TableView view(form);
        view.bindForm();
        PaintCounter counter;
        view.widgetOf(tile)->installEventFilter(&counter);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(counter.paints > 0);
        QCoreApplication::processEvents();
        counter.paints = 0;

        if (change == "picture") tile.setPicture(face(4));
        if (change == "move") tile.move(300, 150);
        if (change == "other") other.setPicture(face(4));
        tile.refresh();
        QCOMPARE(counter.paints, paints);
        tile.refresh();  // nothing changed since it painted
        QCOMPARE(counter.paints, paints);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"

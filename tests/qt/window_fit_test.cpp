// Where the window opens: the design size where it fits, otherwise the largest size with the
// table's proportions that fits the screen's free area with the window manager's frame, and the
// framed window inside that area.
#include <QtTest>
#include <QtWidgets>

#include "platform/qt/window_fit.h"

namespace {

const QSize kDesign(799, 625);

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    void placesTheWindow_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("client");
        const QMargins none;
        QTest::newRow("room to spare: design size, centred")
            << QRect(0, 0, 1280, 1024) << none << QRect(240, 199, 799, 625);
        QTest::newRow("exactly the design size")
            << QRect(0, 0, 799, 625) << none << QRect(0, 0, 799, 625);
        QTest::newRow("640 x 480: the height decides")
            << QRect(0, 0, 640, 480) << none << QRect(13, 0, 613, 480);
        QTest::newRow("1280 x 1024 at scale 2: the width decides")
            << QRect(0, 0, 640, 512) << none << QRect(0, 6, 640, 500);
        QTest::newRow("640 x 480 with a frame")
            << QRect(0, 0, 640, 480) << QMargins(4, 24, 4, 4) << QRect(31, 24, 577, 452);
        QTest::newRow("fits without its frame, not with it")
            << QRect(0, 0, 800, 640) << QMargins(0, 30, 0, 0) << QRect(10, 30, 779, 610);
        QTest::newRow("panels on the left and at the top")
            << QRect(64, 32, 576, 448) << none << QRect(66, 32, 572, 448);
        QTest::newRow("a second screen right of the first")
            << QRect(1280, 0, 640, 480) << none << QRect(1293, 0, 613, 480);
        QTest::newRow("a second screen left of the first, room to spare")
            << QRect(-1280, 0, 1280, 1024) << none << QRect(-1040, 199, 799, 625);
        QTest::newRow("a frame larger than the screen: one pixel, at its corner")
            << QRect(0, 0, 10, 10) << QMargins(6, 6, 6, 6) << QRect(6, 6, 1, 1);
    }

    void placesTheWindow() {
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(QRect, client);
        QCOMPARE(plat::qt::fitWindow(kDesign, available, frame), client);
    }

    // Over a sweep of screens and frames: the framed window lies inside the free area, keeps the
    // design size where that fits, and otherwise keeps the proportions and fills the room in one
    // direction.
    void everyScreenGetsTheLargestTableThatFits() {
        for (const QMargins frame : {QMargins(), QMargins(3, 29, 3, 3)}) {
            for (int w = 160; w <= 1400; w += 37) {
                for (int h = 120; h <= 1100; h += 41) {
                    const QRect area(17, 9, w, h);
                    const QRect got = plat::qt::fitWindow(kDesign, area, frame);
                    const QString where = QString("%1 x %2").arg(w).arg(h);
                    QVERIFY2(area.contains(got.marginsAdded(frame)), qPrintable(where));
                    const QSize room = area.size().shrunkBy(frame);
                    if (room.width() >= kDesign.width() && room.height() >= kDesign.height()) {
                        QCOMPARE(got.size(), kDesign);
                        continue;
                    }
                    QVERIFY2(got.width() == room.width() || got.height() == room.height(),
                             qPrintable(where));
                    const double ratio = double(kDesign.width()) / kDesign.height();
                    QVERIFY2(std::abs(got.width() - got.height() * ratio) <= ratio,
                             qPrintable(where));
                }
            }
        }
    }

    // A window that fits its screen only without the window manager's frame is placed again
    // once the frame is known: the framed window within the free area, the client as
    // fitWindow gives it for that frame. (The offscreen screens frame every window.)
    void placedAgainOnceTheFrameIsKnown() {
        QWidget w;
        const QRect area = w.screen()->availableGeometry();
        const QSize design(area.width() - 1, (area.width() - 1) * 625 / 799);
        plat::qt::fitToScreen(w, design);
        QCOMPARE(w.geometry(), plat::qt::fitWindow(design, area, QMargins()));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(area.contains(w.frameGeometry()));
        const QRect outer = w.frameGeometry(), inner = w.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        QVERIFY(!frame.isNull());
        QCOMPARE(inner, plat::qt::fitWindow(design, area, frame));
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"

// The player's drag on the real window: the tile follows the pointer in twips at any window
// size with the grabbed point under the pointer, stays above the other tiles while it moves and
// lands on the opening place; a disabled tile passes the mouse to the window; the whole table
// scales with the window.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <tuple>
#include <vector>

#include "real_table.h"

namespace {

constexpr int kTile = 22;  // the first tile of the player's row
constexpr QPoint kGrab(5, 7);

double scaleFor(QSize window) {
    return std::min(window.width() / 11985.0, window.height() / 9375.0);
}

// Where a control of the form must stand in pixels: the table keeps its proportions and is
// centred in the window.
QRectF expectedPixels(const plat::Control& c, QSize window) {
    const double s = scaleFor(window);
    const QPointF offset((window.width() - 11985 * s) / 2, (window.height() - 9375 * s) / 2);
    return QRectF(offset + QPointF(c.left(), c.top()) * s, QSizeF(c.width(), c.height()) * s);
}

bool near(const QRect& got, const QRectF& want) {
    return std::abs(got.x() - want.x()) <= 1 && std::abs(got.y() - want.y()) <= 1 &&
           std::abs(got.width() - want.width()) <= 1.5 &&
           std::abs(got.height() - want.height()) <= 1.5;
}

// A mouse event at a point of the window, sent to the widget that holds the press.
void send(QWidget* w, QEvent::Type type, QPoint inWindow, Qt::MouseButtons held) {
    const QPointF local = w->mapFrom(w->window(), inWindow);
    QMouseEvent e(type, local, w->mapToGlobal(local),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Wraps a handler so that every event it receives is kept.
template <typename Handler>
void record(Handler& h, std::vector<plat::MouseEvent>& into) {
    h = [&into, inner = h](auto... args) {
        into.push_back(std::get<sizeof...(args) - 1>(std::tuple(args...)));
        inner(args...);
    };
}

// True when both halves' widgets stand above every other tile half's widget.
bool draggedOnTop(qtt::RealTable& t, int k) {
    const QObjectList& order = t.view.children();
    const auto lowest = std::min(order.indexOf(t.view.widgetOf(t.form.lcard(k))),
                                 order.indexOf(t.view.widgetOf(t.form.rcard(k))));
    for (int i = 1; i <= brackwell::kTiles; ++i) {
        if (i == k) continue;
        for (const plat::Image* half : {&t.form.lcard(i), &t.form.rcard(i)}) {
            if (order.indexOf(t.view.widgetOf(*half)) > lowest) return false;
        }
    }
    return true;
}

void showAt(qtt::RealTable& t, QSize size) {
    t.view.resize(size);
    t.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.view));
    QTRY_VERIFY(std::abs(t.view.pxPerTwip() - scaleFor(size)) < 1e-9);
}

}  // namespace

class DragTest : public QObject {
    Q_OBJECT

  private slots:
    void tileFollowsThePointerInTwipsAndLandsOnTheOpeningPlace_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design size") << QSize(799, 625);
        QTest::newRow("twice the design size") << QSize(1598, 1250);
        QTest::newRow("wider than the table") << QSize(1100, 625);
        QTest::newRow("taller than the table") << QSize(700, 900);
    }

    void tileFollowsThePointerInTwipsAndLandsOnTheOpeningPlace() {
        QFETCH(QSize, size);
        qtt::BoxCloser noBoxes;
        qtt::RealTable t;
        showAt(t, size);
        brackwell::Form1& f = t.form;
        const double s = scaleFor(size);
        QWidget* upper = t.view.widgetOf(f.lcard(kTile));
        QWidget* lower = t.view.widgetOf(f.rcard(kTile));
        QVERIFY(upper && lower && upper->isVisible() && upper->isEnabled());
        QVERIFY(near(upper->geometry(), expectedPixels(f.lcard(kTile), size)));

        std::vector<plat::MouseEvent> heard;
        record(f.lcard(kTile).onMouseDown, heard);
        record(f.lcard(kTile).onMouseMove, heard);
        const QPoint start = upper->mapTo(&t.view, kGrab);
        const int left0 = f.lcard(kTile).left(), top0 = f.lcard(kTile).top();
        send(upper, QEvent::MouseButtonPress, start, Qt::LeftButton);
        QCOMPARE(heard.size(), 1u);
        QCOMPARE(heard[0].button, plat::kLeftButton);
        QVERIFY(std::abs(heard[0].x - kGrab.x() / s) < 0.01);
        QVERIFY(std::abs(heard[0].y - kGrab.y() / s) < 0.01);

        // Half a tile to the right (over the next tile), up onto the table, then to its middle.
        const QPoint sideways = start + QPoint(std::lround(300 * s), 0);
        const QPoint middle =
            upper->mapTo(&t.view, QPoint()) + QPointF(3000 * s, -3700 * s).toPoint() + kGrab;
        for (const QPoint& pointer :
             {sideways, sideways - QPoint(0, std::lround(1500 * s)), middle}) {
            send(upper, QEvent::MouseMove, pointer, Qt::LeftButton);
            QCOMPARE(heard.back().button, plat::kLeftButton);
            const QPointF moved = QPointF(pointer - start) / s;
            QVERIFY2(std::abs(f.lcard(kTile).left() - (left0 + moved.x())) <= 1 / s &&
                         std::abs(f.lcard(kTile).top() - (top0 + moved.y())) <= 1 / s,
                     qPrintable(QStringLiteral("tile at %1,%2")
                                    .arg(f.lcard(kTile).left())
                                    .arg(f.lcard(kTile).top())));
            QVERIFY((upper->mapFrom(&t.view, pointer) - kGrab).manhattanLength() <= 2);
            QVERIFY(near(upper->geometry(), expectedPixels(f.lcard(kTile), size)));
            QVERIFY(near(lower->geometry(), expectedPixels(f.rcard(kTile), size)));
            QVERIFY(draggedOnTop(t, kTile));
            if (pointer == sideways) {
                const QPoint overNext = t.view.widgetOf(f.lcard(kTile + 1))->geometry().topLeft();
                QCOMPARE(t.view.childAt(overNext + QPoint(2, 2)), upper);
            }
        }
        send(upper, QEvent::MouseButtonRelease, middle, Qt::NoButton);
        QCOMPARE(f.lcard(kTile).left(), 6025);
        QCOMPARE(f.lcard(kTile).top(), 4000);
        QVERIFY(near(upper->geometry(), expectedPixels(f.lcard(kTile), size)));
        QVERIFY(near(lower->geometry(), expectedPixels(f.rcard(kTile), size)));
        QCOMPARE(noBoxes.seen, 0);
    }

    void disabledTilePassesTheMouseToTheWindow() {
        qtt::RealTable t;
        const QSize size(1100, 625);  // the table stands off the window's left edge
        showAt(t, size);
        brackwell::Form1& f = t.form;
        f.lcard(kTile).setEnabled(false);
        QWidget* upper = t.view.widgetOf(f.lcard(kTile));
        QVERIFY(!upper->isEnabled());
        std::vector<plat::MouseEvent> onTile, onWindow;
        record(f.lcard(kTile).onMouseDown, onTile);
        record(f.lcard(kTile).onMouseMove, onTile);
        record(f.window.onMouseMove, onWindow);
        f.window.setMousePointer(plat::kPointerCustom);

        const QPoint at = upper->mapTo(&t.view, kGrab);
        send(upper, QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(upper, QEvent::MouseMove, at + QPoint(3, 4), Qt::LeftButton);
        QVERIFY(onTile.empty());
        QCOMPARE(f.gate().dragTile(), 0);
        QVERIFY(f.Timer1.enabled());
        QVERIFY(!f.Shmove.visible());
        QCOMPARE(onWindow.size(), 1u);
        const double s = scaleFor(size);
        QVERIFY(std::abs(onWindow[0].x - (f.lcard(kTile).left() + (kGrab.x() + 3) / s)) <= 1 / s);
        QVERIFY(std::abs(onWindow[0].y - (f.lcard(kTile).top() + (kGrab.y() + 4) / s)) <= 1 / s);
        QCOMPARE(f.window.mousePointer(), plat::kPointerDefault);
    }

    void tableScalesWithTheWindow() {
        qtt::RealTable t;
        QCOMPARE(t.view.size(), QSize(799, 625));
        showAt(t, QSize(799, 625));
        struct Seen {
            const plat::Control* control;
            QWidget* widget;
            QRect geometry;
            int fontPixels;
        };
        std::vector<Seen> seen;
        for (const plat::Control* c : t.form.window.children()) {
            if (QWidget* w = t.view.widgetOf(*c))
                seen.push_back({c, w, w->geometry(), w->font().pixelSize()});
        }
        QVERIFY(seen.size() > 2 * brackwell::kTiles + 6);

        showAt(t, QSize(1598, 1250));
        int labels = 0;
        for (const Seen& was : seen) {
            const QRect now = was.widget->geometry();
            const QString name = QString::fromStdString(was.control->name());
            QVERIFY2((now.topLeft() - 2 * was.geometry.topLeft()).manhattanLength() <= 2,
                     qPrintable(name));
            auto* label = dynamic_cast<const plat::Label*>(was.control);
            if (!label || !label->autoSize()) {
                QVERIFY2(std::abs(now.width() - 2 * was.geometry.width()) <= 1 &&
                             std::abs(now.height() - 2 * was.geometry.height()) <= 1,
                         qPrintable(name));
            }
            if (qobject_cast<QLabel*>(was.widget) || qobject_cast<QPushButton*>(was.widget)) {
                ++labels;
                QVERIFY2(std::abs(was.widget->font().pixelSize() - 2 * was.fontPixels) <= 1,
                         qPrintable(name));
            }
        }
        QVERIFY(labels >= 8);
    }
};

QTEST_MAIN(DragTest)
#include "drag_test.moc"

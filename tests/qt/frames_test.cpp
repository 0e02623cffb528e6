// What the real window paints while the game works: a tile laid by a key and a new deal appear
// finished in one frame, never the tile lifted at its drop point in its frame, nor the table
// emptied or the player's row face down on the way.
#include <QtTest>
#include <QtWidgets>

#include "platform/qt/qt_services.h"
#include "platform/qt/table_view.h"
#include "table/game_state.h"

namespace {

// The table as the program builds it, first hand dealt, shown and active at the design size;
// the computer waits.
struct Table {
    Table() : services(empty.path()), form(services), view(form.window) {
        services.setWindow(&view);
        view.bindForm();
        form.Form_Load();
        form.Timer1.setEnabled(false), form.Timer2.setEnabled(false);
        view.resize(799, 625);
        view.show();
        view.activateWindow();
    }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QTemporaryDir empty;
    plat::qt::QtServices services;
    brackwell::Form1 form;
    plat::qt::TableView view;
};

// Every paint of a widget of the window: which control it draws, where, and with what picture.
struct Paint {
    const plat::Control* control;
    QRect at;
    plat::Picture picture;
};
struct PaintLog : QObject {
    explicit PaintLog(plat::qt::TableView& view) : view_(view) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() != QEvent::Paint || !w || w->window() != &view_) return false;
        const plat::Control* c = view_.controlOf(w);
        const auto* image =
            c && c->kind() == plat::Kind::Image ? static_cast<const plat::Image*>(c) : nullptr;
        paints.push_back({c, w->geometry(), image ? image->picture() : plat::kNoPicture});
        return false;
    }
    std::vector<Paint> paints;

  private:
    plat::qt::TableView& view_;
};

}  // namespace

class FramesTest : public QObject {
    Q_OBJECT

  private slots:
    // Tile 24 laid at the right end by Down: while the key runs the window paints nothing, and
    // then shows the tile lying in its slot; it is never painted anywhere but home and there.
    void aTileLaidByAKeyIsSeenHomeAndThenInItsPlaceOnly() {
        Table t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        t.key(Qt::Key_Right);
        t.key(Qt::Key_Return);  // the row's second tile opens the line of play
        QCOMPARE(f.first(0).caption(), "1");
        f.changetoplayer();
        f.lcard(24).setTag(f.cd.caption());  // it fits the right end
        QCOMPARE(QApplication::focusWidget(), t.view.widgetOf(f.lcard(24)));
        QTest::qWait(100);  // the focus frame shows around it
        QWidget *upper = t.view.widgetOf(f.lcard(24)), *lower = t.view.widgetOf(f.rcard(24));
        const QRect homeUpper = upper->geometry(), homeLower = lower->geometry();
        PaintLog log(t.view);
        t.key(Qt::Key_Down);
        QCOMPARE(f.first(1).caption(), "1");  // laid at the right end
        QCOMPARE(log.paints.size(), 0u);
        QTRY_VERIFY(std::ranges::any_of(log.paints,
                                        [&](const Paint& p) { return p.control == &f.lcard(24); }));
        QTest::qWait(100);
        for (const Paint& p : log.paints) {
            if (p.control == &f.lcard(24)) QVERIFY(p.at == upper->geometry() || p.at == homeUpper);
            if (p.control == &f.rcard(24)) QVERIFY(p.at == lower->geometry() || p.at == homeLower);
        }
    }

    // "New Game" pressed just after a move: while the deal runs the window paints nothing, and
    // its next frame shows the player's row face up.
    void aDealIsSeenDealtOnly() {
        Table t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        t.key(Qt::Key_Right);
        t.key(Qt::Key_Return);
        f.mturn.setText("2");  // the player opens the next hand too: no message
        QTest::qWait(100);     // the move is painted; the next paint comes at once
        PaintLog log(t.view);
        t.key(Qt::Key_N);
        QCOMPARE(f.first(0).caption(), "0");  // dealt afresh
        QCOMPARE(log.paints.size(), 0u);
        QTRY_VERIFY(log.paints.size() > 0);
        QTest::qWait(100);
        const QRect row = t.view.toPixels(0, brackwell::kPlayerRowMin, f.window.width(), 2000);
        for (const Paint& p : log.paints) {
            if (p.control && p.control->kind() == plat::Kind::Image && row.contains(p.at))
                QVERIFY(p.picture != plat::kTileBack);
        }
    }

    // A hold keeps every paint back, a message box shown meanwhile paints the window behind it,
    // and the paint asked for comes at the first frame after the last hold ends.
    void heldFramesPaintOnceTheLastHoldEnds() {
        Table t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.view));
        plat::qt::FramePacer& pacer = t.view.framePacer();
        plat::Image& tile = t.form.lcard(22);
        QTest::qWait(50);
        PaintLog log(t.view);
        pacer.hold(true);
        pacer.hold(true);
        tile.move(tile.left() + 300, tile.top());
        tile.refresh();
        QTest::qWait(100);
        pacer.hold(false);
        QTest::qWait(100);
        QCOMPARE(log.paints.size(), 0u);
        pacer.hold(false);
        QTRY_VERIFY(log.paints.size() > 0);
        QVERIFY(!pacer.held());
        // A message box in a hold: the table behind it is painted.
        pacer.hold(true);
        log.paints.clear();
        tile.move(tile.left() + 300, tile.top());
        QTimer::singleShot(300, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        t.services.msgBox("Computer Will Start");
        QVERIFY(
            std::ranges::any_of(log.paints, [&](const Paint& p) { return p.control == &tile; }));
        pacer.hold(false);
    }
};

QTEST_MAIN(FramesTest)
#include "frames_test.moc"

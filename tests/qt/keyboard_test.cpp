// The keyboard on the real window: Qt's keys reach the game through the focused tile, Tab
// walks the row and the buttons, the shortcuts press the buttons, message boxes answer the
// keys a player tries first, and the focus frame shows only to a player who uses the keyboard.
#include <QtTest>
#include <QtWidgets>

#include "platform/qt/qt_services.h"
#include "platform/qt/table_view.h"
#include "table/game_state.h"

namespace {

// The table as the program builds it, first hand dealt, shown and active at the design size.
struct KeyTable {
    KeyTable() : services(empty.path()), form(services), view(form.window) {
        services.setWindow(&view);
        view.bindForm();
        form.Form_Load();
        form.Timer1.setEnabled(false), form.Timer2.setEnabled(false);  // the computer waits
        view.resize(799, 625);
        view.show();
        view.activateWindow();
    }
    QWidget* of(const plat::Control& c) { return view.widgetOf(c); }
    QWidget* frame() { return view.findChild<QWidget*>(QStringLiteral("focusFrame")); }
    void key(int key, Qt::KeyboardModifiers mods = {}) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &view;
        QTest::keyClick(target, Qt::Key(key), mods);
    }
    QTemporaryDir empty;
    plat::qt::QtServices services;
    brackwell::Form1 form;
    plat::qt::TableView view;
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    // The deal gives the first tile Qt's focus; Right moves it, Return lays the tile through
    // the game and the focus goes on to the next one. The frame of a dragged tile marks it from
    // the first key, and a press of the mouse puts it away.
    void keysOnTheFocusedTileReachTheGameAndTheFrameShowsOnlyToTheKeyboard() {
        KeyTable t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        QCOMPARE(QApplication::focusWidget(), t.of(f.lcard(22)));
        QVERIFY(!t.frame()->isVisible());
        t.key(Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), t.of(f.lcard(23)));
        QVERIFY(t.frame()->isVisible());
        const plat::Image& tile = f.lcard(23);
        QCOMPARE(t.frame()->geometry(),
                 t.view.toPixels(tile.left() - 25, tile.top() - 25, 485, 900));
        t.key(Qt::Key_Return);
        QCOMPARE(QPoint(tile.left(), tile.top()), QPoint(6025, 4000));
        QCOMPARE(QApplication::focusWidget(), t.of(f.lcard(24)));
        const plat::Image& next = f.lcard(24);
        QCOMPARE(t.frame()->geometry(),
                 t.view.toPixels(next.left() - 25, next.top() - 25, 485, 900));
        QTest::mouseClick(&t.view, Qt::LeftButton, {}, QPoint(400, 300));
        QVERIFY(!t.frame()->isVisible());
        QCOMPARE(QApplication::focusWidget(), t.of(f.lcard(24)));  // the click moved nothing
    }

    void tabGoesFromTheRowThroughTheButtonsAndBack() {
        KeyTable t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        t.key(Qt::Key_Right);
        f.PushButton3.setEnabled(true);
        for (const plat::Control* c : std::initializer_list<const plat::Control*>{
                 &f.PushButton3, &f.PushButton1, &f.PushButton2, &f.lcard(23)}) {
            t.key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), t.of(*c));
            QCOMPARE(f.window.focused(), c);
        }
        t.key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), t.of(f.PushButton2));
        QVERIFY(!t.frame()->isVisible());  // the buttons show their own focus
    }

    // The shortcuts work wherever the focus is; Space presses the focused button.
    void shortcutsAndSpacePressTheButtons() {
        KeyTable t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        int looks = 0;
        f.Showcomppic.onClick = [&] { looks += f.Showcomppic.value(); };
        t.key(Qt::Key_C);
        QCOMPARE(looks, 1);
        f.PushButton3.setEnabled(false);
        t.key(Qt::Key_Tab), t.key(Qt::Key_Tab);  // Get Card is passed over: New Game, Cheat Comp.
        QCOMPARE(QApplication::focusWidget(), t.of(f.PushButton2));
        t.key(Qt::Key_Space);
        QCOMPARE(looks, 2);
        t.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(looks, 2);
        const std::string opener = f.mturn.text();
        t.key(Qt::Key_N);
        QVERIFY(f.mturn.text() != opener);
        QCOMPARE(QApplication::focusWidget(), t.of(f.lcard(22)));  // a deal: the first tile
    }

    void messageBoxesAnswerReturnSpaceAndEscape() {
        plat::qt::QtServices services({});
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
            int polls = 0;
            QTimer poll;
            poll.callOnTimeout([&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                if (++polls == 1) {
                    QTest::keyClick(QApplication::focusWidget(), key);
                } else if (polls > 50) {
                    box->done(0);  // the key did not answer it
                }
            });
            poll.start(10);
            services.msgBox("Computer Will Take Extra Card");
            QVERIFY2(polls == 1, qPrintable(QKeySequence(key).toString()));
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

// The keyboard on the real window: Qt's keys reach the game through the focused tile, Tab
// walks the row and the buttons, the shortcuts press the buttons, message boxes answer the
// keys a player tries first, and the focus frame shows only to a player who uses the keyboard.
#include <QtTest>
#include <QtWidgets>

#include "platform/qt/box_key_guard.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/server_stamp.h"
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
    }

    // A focused button wears the tile's frame, around it, only while the keyboard is in use;
    // the style's own faint ring is not drawn.
    void aFocusedButtonWearsTheTilesFrame() {
        KeyTable t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        f.PushButton3.setEnabled(true);
        for (const plat::PushButton* b : {&f.PushButton3, &f.PushButton1, &f.PushButton2}) {
            t.key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), t.of(*b));
            QVERIFY(t.frame()->isVisible());
            QCOMPARE(t.frame()->geometry(), t.view.toPixels(b->left() - 25, b->top() - 25,
                                                            b->width() + 50, b->height() + 50));
            QVERIFY(t.frame()->geometry().contains(t.of(*b)->geometry()));
        }
        // The frame's pixels: the tiles' green, as thick as around a tile.
        const QImage ring = t.frame()->grab().toImage();
        const QColor green = t.view.colour(f.Shmove.borderColour());
        int edge = 0;
        for (int y = 0; y < ring.height(); ++y)
            edge += ring.pixelColor(ring.width() / 2, y) == green;
        QCOMPARE(edge, 2 * int(std::lround(std::max(1.0, f.Shmove.borderWidth() * t.view.zoom()))));
        QWidget* button = t.of(f.PushButton2);
        const QImage focused = button->grab().toImage();
        t.view.widgetOf(f.lcard(22))->setFocus();
        QCOMPARE(button->grab().toImage(), focused);  // no ring of the style's
        button->setFocus();
        QTest::mousePress(&t.view, Qt::LeftButton, {}, QPoint(400, 300));
        QVERIFY(!t.frame()->isVisible());  // a mouse player sees none
        QTest::mouseRelease(&t.view, Qt::LeftButton, {}, QPoint(400, 300));
    }

    // Alt held with a shortcut, or with Return or the keypad's Enter on a tile, is the desktop's
    // key: nothing is drawn, dealt, shown or laid. Pressed plain, each does its work; the
    // keypad's Enter lays the tile as Return does.
    void keysWithAltDoNothingAndThePlainKeysTheirWork_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("keypad");
        QTest::newRow("G") << int(Qt::Key_G) << 0;
        QTest::newRow("N") << int(Qt::Key_N) << 0;
        QTest::newRow("C") << int(Qt::Key_C) << 0;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void keysWithAltDoNothingAndThePlainKeysTheirWork() {
        QFETCH(int, key);
        QFETCH(int, keypad);
        for (const bool alt : {true, false}) {
            KeyTable t;
            brackwell::Form1& f = t.form;
            QVERIFY(QTest::qWaitForWindowActive(&t.view));
            f.PushButton3.setEnabled(true);
            t.key(Qt::Key_Right);  // the keyboard takes the row: tile 23
            int looks = 0;
            f.Showcomppic.onClick = [&] { looks += f.Showcomppic.value(); };
            const auto state = [&] {
                return std::tuple{f.pull.text(), f.mturn.text(), looks, f.first(0).caption()};
            };
            const auto before = state();
            t.key(key, Qt::KeyboardModifiers(keypad) | (alt ? Qt::AltModifier : Qt::NoModifier));
            QVERIFY2((state() == before) == alt, alt ? "with Alt" : "plain");
            if (key == Qt::Key_Enter && !alt)
                QCOMPARE(QPoint(f.lcard(23).left(), f.lcard(23).top()), QPoint(6025, 4000));
        }
    }

    // Space held down on a focused button repeats its press; the button is pressed once.
    void spaceHeldOnAButtonPressesItOnce() {
        KeyTable t;
        brackwell::Form1& f = t.form;
        QVERIFY(QTest::qWaitForWindowActive(&t.view));
        int looks = 0;
        f.Showcomppic.onClick = [&] { looks += f.Showcomppic.value(); };
        f.PushButton2.setFocus();
        QWidget* button = t.of(f.PushButton2);
        QCOMPARE(QApplication::focusWidget(), button);
        const auto send = [&](QEvent::Type type, bool repeat) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
            QApplication::sendEvent(button, &e);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 5; ++i)  // the X server's repeat: a release and a press each time
            send(QEvent::KeyRelease, true), send(QEvent::KeyPress, true);
        send(QEvent::KeyRelease, false);
        QCOMPARE(looks, 1);
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

    // Each key answers the box once it can: the box has the keyboard and has been painted.
    void messageBoxesAnswerReturnSpaceAndEscape() {
        plat::qt::QtServices services({});
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
            bool keyed = false, answered = false;
            QTimer poll;
            poll.callOnTimeout([&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QWidget* focus = QApplication::focusWidget();
                if (keyed || !box || !focus || focus->window() != box ||
                    !box->property(plat::qt::kShownProperty).toBool())
                    return;
                keyed = true;
                QTest::keyClick(focus, key);  // delivered at once: answered now or never
                answered = !box->isVisible();
                if (!answered) box->done(0);
            });
            poll.start(10);
            services.msgBox("Computer Will Take Extra Card");
            QVERIFY2(answered, qPrintable(QKeySequence(key).toString()));
        }
    }

    // Keys stamped around the moment the box was painted (shownAt, on the display server's
    // clock): a key pressed for the table just before, or held from before, does not answer it;
    // the first press after it does, at once. Without a clock, the keys delivered after the
    // painted box count. Keys before `early` reach the box before the clock has answered.
    void messageBoxTakesOnlyKeysPressedAfterItWasShown() {
        using E = QEvent;
        struct Key {
            E::Type type;
            Qt::Key key;
            unsigned long time;
            bool repeat = false;
        };
        const std::optional<unsigned long> none;
        const struct {
            const char* what;
            std::optional<unsigned long> shownAt;
            std::vector<Key> keys;
            std::size_t early;
            bool answered;
        } rows[] = {
            {"Return for the table, released on the box",
             1000,
             {{E::KeyPress, Qt::Key_Return, 990}, {E::KeyRelease, Qt::Key_Return, 1010}},
             0,
             false},
            {"Return held from before, repeating on the box",
             1000,
             {{E::KeyPress, Qt::Key_Return, 990},
              {E::KeyRelease, Qt::Key_Return, 1030, true},
              {E::KeyPress, Qt::Key_Return, 1030, true},
              {E::KeyRelease, Qt::Key_Return, 1060}},
             0,
             false},
            {"Space for the table, released on the box",
             1000,
             {{E::KeyPress, Qt::Key_Space, 995}, {E::KeyRelease, Qt::Key_Space, 1005}},
             0,
             false},
            {"Escape in the millisecond of the paint",
             1000,
             {{E::KeyPress, Qt::Key_Escape, 1000}},
             0,
             false},
            {"Return pressed after", 1000, {{E::KeyPress, Qt::Key_Return, 1001}}, 0, true},
            {"Space pressed and released after",
             1000,
             {{E::KeyPress, Qt::Key_Space, 1020}, {E::KeyRelease, Qt::Key_Space, 1090}},
             0,
             true},
            {"a key held from before, then a fresh Escape",
             1000,
             {{E::KeyPress, Qt::Key_Space, 990},
              {E::KeyPress, Qt::Key_Space, 1030, true},
              {E::KeyPress, Qt::Key_Escape, 1040}},
             0,
             true},
            {"Return before the clock answered, then Escape",
             1000,
             {{E::KeyPress, Qt::Key_Return, 999}, {E::KeyPress, Qt::Key_Escape, 1010}},
             1,
             true},
            {"the clock wrapped since the paint",
             0xfffffff0,
             {{E::KeyPress, Qt::Key_Return, 5}},
             0,
             true},
            {"the clock wraps before the paint",
             5,
             {{E::KeyPress, Qt::Key_Return, 0xfffffff0}},
             0,
             false},
            {"no clock: Return before the box was painted",
             none,
             {{E::KeyPress, Qt::Key_Return, 0}},
             1,
             false},
            {"no clock: Return after", none, {{E::KeyPress, Qt::Key_Return, 0}}, 0, true},
            {"Return sent on by a screen reader's bridge, with no time stamp",
             1000,
             {{E::KeyPress, Qt::Key_Return, 0}},
             0,
             true},
        };
        for (const auto& row : rows) {
            QMessageBox box;
            box.setText(QStringLiteral("Pass\nComputer Can Play"));
            plat::qt::BoxKeyGuard::Answer answer;
            plat::qt::BoxKeyGuard guard(box, [&](QWidget&, auto a) { answer = std::move(a); });
            box.open();
            QTRY_VERIFY(answer && QApplication::focusWidget() &&
                        QApplication::focusWidget()->window() == &box);
            QWidget* focus = QApplication::focusWidget();
            for (std::size_t i = 0; i < row.keys.size() && box.isVisible(); ++i) {
                if (i == row.early) answer(row.shownAt);
                const Key& k = row.keys[i];
                QKeyEvent e(k.type, k.key, Qt::NoModifier, {}, k.repeat);
                e.setTimestamp(k.time);
                QApplication::sendEvent(focus, &e);
            }
            QVERIFY2(box.isVisible() != row.answered, row.what);
        }
    }

    // A box whose painting is never reported still takes keys, a moment later: the keyboard
    // player is never left with a box that ignores every key.
    void aBoxWhosePaintIsNeverToldTakesKeysAMomentLater() {
        QMessageBox box;
        box.setText(QStringLiteral("Computer Will Take Extra Card"));
        plat::qt::BoxKeyGuard guard(box, [](QWidget&, auto) {});  // the clock never answers
        box.open();
        QTRY_VERIFY(box.property(plat::qt::kShownProperty).toBool());
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &box);
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &e);
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

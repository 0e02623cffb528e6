// The game on the real window: Qt's mouse events, scaling, new deals, the optional files and
// their readers, message boxes, screen readers, the tile pictures and their repainting.
#include <QtTest>
#include <QtWidgets>

#include "platform/qt/cursor_file.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/skin_file.h"
#include "platform/qt/table_view.h"
#include "platform/qt/window_fit.h"
#include "table/game_state.h"

namespace {

constexpr int kTile = 22;  // the first tile of the player's row

// The table as the program builds it over a folder of optional files, first hand dealt.
struct RealTable {
    explicit RealTable(const QString& folder = {})
        : services(folder.isEmpty() ? empty.path() : folder), form(services), view(form.window) {
        services.setWindow(&view);
        view.setPointerPictures(&services.pointers());
        view.bindForm();
        form.Form_Load();
    }
    void showAt(QSize size) {
        view.resize(size);
        view.show();
        QTRY_COMPARE(view.pxPerTwip(), std::min(size.width() / 11985.0, size.height() / 9375.0));
    }
    QTemporaryDir empty;
    plat::qt::QtServices services;
    brackwell::Form1 form;
    plat::qt::TableView view;
};

// Closes each message box once `look` says so: a box nobody expected would hang the suite.
struct BoxCloser {
    explicit BoxCloser(std::function<bool(QMessageBox&)> look = [](QMessageBox&) { return true; }) {
        poll.callOnTimeout([=, this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && look(*box)) ++seen, box->accept();
        });
        poll.start(10);
    }
    QTimer poll;
    int seen = 0;
};

QByteArray shipped(const QString& relative) {
    QFile f(qEnvironmentVariable("BRACKWELL_RUNTIME") + "/" + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int count(const QImage& img, bool (*test)(QRgb)) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    const auto* px = reinterpret_cast<const QRgb*>(argb.constBits());
    return int(std::count_if(px, px + argb.width() * argb.height(), test));
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A tile dragged with Qt's mouse events follows the mouse in twips above the other tiles and
    // lands on the opening place, where the watchdog disables it. A new deal creates the halves
    // again: their widgets, kept from the last hand, must take every property anew.
    void draggedTileFollowsTheMouseInTwipsAndANewDealRedrawsItWhole() {
        BoxCloser closer;
        RealTable t;
        t.showAt(QSize(1998, 1250));  // 2 pixels for every 15 twips, 200 to spare on the left
        brackwell::Form1& f = t.form;
        const auto at = [&] { return QPoint(f.lcard(kTile).left(), f.lcard(kTile).top()); };
        QWidget *upper = t.view.widgetOf(f.lcard(kTile)),
                *next = t.view.widgetOf(f.lcard(kTile + 1));
        f.lcard(kTile + 1).setEnabled(false);  // the window gets its mouse and resets the pointer
        f.window.setMousePointer(plat::kPointerCustom);
        QTest::mousePress(next, Qt::LeftButton, {}, QPoint(5, 7));
        QTest::mouseMove(next, QPoint(9, 9));
        QVERIFY(f.gate().dragTile() == 0 && f.window.mousePointer() == plat::kPointerDefault);
        QTest::mouseRelease(next, Qt::LeftButton);
        for (int hand = 0; hand < 3; ++hand) {
            const QPoint start = upper->mapTo(&t.view, QPoint(5, 7)), home = at();
            const auto offTrack = [&](QPoint pointer) {  // pixels between the tile and the mouse
                QTest::mouseMove(upper, upper->mapFrom(&t.view, pointer));
                return (QPointF(at() - home) * 2 / 15 - (pointer - start)).manhattanLength();
            };
            QTest::mousePress(upper, Qt::LeftButton, {}, QPoint(5, 7));
            QVERIFY(offTrack(start + QPoint(40, 0)) <= 2);  // half over the next tile
            QCOMPARE(t.view.childAt(next->pos() + QPoint(2, 2)), upper);
            QVERIFY(offTrack(start + QPoint(400, -493)) <= 2);  // over the opening place
            QTest::mouseRelease(upper, Qt::LeftButton);
            QCOMPARE(at(), QPoint(6025, 4000));
            QCOMPARE(upper->pos(), QPointF(200 + 6025 * 2 / 15.0, 4000 * 2 / 15.0).toPoint());
            QTRY_VERIFY(!f.lcard(kTile).enabled());
            f.mturn.setText("2");  // the player opens again
            f.PushButton1_Click();
            for (int k = 1; k <= brackwell::kTiles; ++k) {
                for (const plat::Image* half : {&f.lcard(k), &f.rcard(k)}) {
                    const QWidget* w = t.view.widgetOf(*half);
                    QVERIFY(w && w->isEnabled() == half->enabled() &&
                            w->isVisible() == half->visible());
                    QCOMPARE(w->geometry(), t.view.toPixels(*half));
                }
            }
        }
    }

    // A press on either half of a tile of the row takes it up where the pointer presses: the
    // press, the moves and the release reach the window as a mouse sends them, and the tile
    // follows the pointer pixel for pixel to the opening place.
    void eitherHalfTakesTheTileUpWhereThePointerPressesIt() {
        for (const bool second : {false, true}) {
            BoxCloser closer;
            RealTable t;
            t.showAt(QSize(799, 625));
            QVERIFY(QTest::qWaitForWindowExposed(&t.view));
            brackwell::Form1& f = t.form;
            const plat::Image& half = second ? f.rcard(kTile) : f.lcard(kTile);
            QWindow* window = t.view.windowHandle();
            const QPoint start = t.view.widgetOf(half)->geometry().center();
            const QPoint home(f.lcard(kTile).left(), f.lcard(kTile).top());
            const auto moved = [&] {
                return QPoint(f.lcard(kTile).left(), f.lcard(kTile).top()) - home;
            };
            QTest::mousePress(window, Qt::LeftButton, {}, start);
            QCOMPARE(f.gate().dragTile(), kTile);
            for (const QPoint by : {QPoint(7, -3), QPoint(40, -120), QPoint(20, -200)}) {
                QTest::mouseMove(window, start + by);
                QCOMPARE(moved(), by * 15);
                QCOMPARE(f.rcard(kTile).left() - f.lcard(kTile).left(), 0);
                QCOMPARE(f.rcard(kTile).top() - f.lcard(kTile).top(), 420);
            }
            QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(20, -200));
            QCOMPARE(QPoint(f.lcard(kTile).left(), f.lcard(kTile).top()), QPoint(6025, 4000));
            QCOMPARE(f.gate().dragTile(), 0);
        }
    }

    // The window cannot be made smaller than the size at which every caption has a font of 8
    // pixels or more, each button's caption stands whole inside its frame and the six pips of a
    // half stay apart; a 640 x 480 screen has room for that size inside a window manager's frame.
    void theSmallestWindowKeepsEveryCaptionAndPipReadable() {
        RealTable t;
        t.view.resize(300, 200);
        t.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.view));
        const QSize least = t.view.minimumSize();
        QTRY_COMPARE(t.view.size(), least);
        QVERIFY(least.width() > 300 && least.height() > 200);
        const QSize framed =
            plat::qt::fitWindow(QSize(799, 625), QRect(0, 0, 640, 480), QMargins(4, 30, 4, 4))
                .size();
        QVERIFY(framed.width() >= least.width() && framed.height() >= least.height());
        int captions = 0;
        for (const QWidget* w : t.view.findChildren<QWidget*>()) {
            QString text;
            int room = w->width();
            if (const auto* b = qobject_cast<const QPushButton*>(w)) {
                text = b->text();
                room -= 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
                text = l->text();
            }
            if (!w->isVisible() || text.isEmpty()) continue;
            ++captions;
            QVERIFY2(w->font().pixelSize() >= 8, qPrintable(text));
            // A label's box scales with its font; a button keeps its frame in pixels.
            if (qobject_cast<const QPushButton*>(w))
                QVERIFY2(w->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
        }
        QVERIFY(captions >= 10);
        // Down the left column of a six: three bright pips with the dark face between them.
        const QWidget* half = t.view.widgetOf(t.form.lcard(kTile));
        const QImage six = t.view.pictures()
                               .pixmap(plat::kFaceBase + 6, half->size(), 1.0)
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
        const int x = int(std::lround(six.width() * 0.22 - 0.5));
        int pips = 0;
        bool bright = false;
        for (int y = 0; y < six.height(); ++y) {
            const bool b = qGray(six.pixel(x, y)) > 0x90;
            pips += b && !bright;
            bright = b;
        }
        QCOMPARE(pips, 3);
    }

    void tableScalesWithTheWindowFontsAndPointerToo() {
        RealTable t;
        t.showAt(QSize(799, 625));
        std::vector<std::tuple<QWidget*, QRect, int>> was;
        for (const plat::Control* c : t.form.window.children()) {
            if (QWidget* w = t.view.widgetOf(*c))
                was.emplace_back(w, w->geometry(), w->font().pixelSize());
        }
        QVERIFY(was.size() > 2 * brackwell::kTiles);
        const auto hand = [&] { return t.view.widgetOf(t.form.lcard(kTile))->cursor().pixmap(); };
        const QSize handWas = hand().deviceIndependentSize().toSize();
        t.showAt(QSize(1598, 1250));
        QCOMPARE(hand().deviceIndependentSize().toSize(), 2 * handWas);
        for (auto [w, r, font] : was) {
            const bool fitsText = qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w);
            QVERIFY((w->geometry().topLeft() - 2 * r.topLeft()).manhattanLength() <= 2);
            const QPoint end = w->geometry().bottomRight() - 2 * r.bottomRight();
            QVERIFY(fitsText ? std::abs(w->font().pixelSize() - 2 * font) <= 1
                             : end.manhattanLength() <= 4);
        }
    }

    void firstHandIsDealtWhateverTheOptionalFilesHold() {
        for (const QString kind : {"shipped", "corrupt", "directory"}) {
            QTemporaryDir dir;
            QDir(dir.path()).mkpath("x");
            for (const QString name : {"x/o.cjs", "HAND-M.CUR"}) {
                QFile file(dir.filePath(name));
                if (kind == "directory")
                    QDir(dir.path()).mkpath(name);
                else if (file.open(QIODevice::WriteOnly))
                    file.write(kind == "shipped" ? shipped(name) : shipped(name).toBase64());
            }
            BoxCloser noBoxes;
            RealTable t(dir.path());
            QCOMPARE(t.form.lStatus.caption(), std::string(brackwell::kYourTurn));
            QCOMPARE(t.form.window.mouseIcon() != 0, kind == "shipped");
            // The skin's buttons wear it and the window takes its colours; the tiles do not.
            const QString skin = kind == "shipped" ? shipped("x/o.cjs") : "";
            QCOMPARE(t.view.skin(), skin);
            QCOMPARE(t.view.widgetOf(t.form.PushButton1)->styleSheet(), skin);
            QCOMPARE(t.view.buttonFace() == QColor(0x9cc3a0), kind == "shipped");
            QCOMPARE(t.view.styleSheet(), QString());
            QCOMPARE(t.view.widgetOf(t.form.lcard(1))->style(), QApplication::style());
            QCOMPARE(noBoxes.seen, 0);
        }
    }

    void cursorFilesGiveTheirImageAndHotSpot() {
        const auto hand = plat::qt::readCursorFile(shipped("HAND-M.CUR"));
        QVERIFY(hand && hand->image.size() == QSize(32, 32) && hand->hotSpot == QPoint(13, 1));
        // Rows run bottom-up: the fingertip at the top is drawn, the corner below is clear.
        QVERIFY(hand->image.pixelColor(13, 1).alpha() == 255 &&
                !hand->image.pixelColor(0, 31).alpha());
        QImage img(33, 5, QImage::Format_ARGB32);  // an odd width pads the mask's rows
        for (int i = 0; i < 33 * 5; ++i)
            img.setPixel(i % 33, i / 33, qRgba(i * 7, i * 11, 90, i % 3 ? 255 - i : 0));
        const auto back = plat::qt::readCursorFile(plat::qt::writeCursorFile(img, QPoint(40, 3)));
        QVERIFY(back && back->hotSpot == QPoint(32, 3));  // kept on the image
        QCOMPARE(back->image.convertToFormat(QImage::Format_ARGB32), img);
    }

    void readersTakeOnlyTheirOwnKindOfFile() {
        const QByteArray cur = shipped("HAND-M.CUR");
        const std::tuple<const char*, QByteArray, bool, bool> rows[] = {
            {"the shipped cursor", cur, true, false},
            {"the shipped skin", shipped("x/o.cjs"), false, true},
            {"garbage", QByteArray::fromHex("9cff00c37e01").repeated(500), false, false},
            {"a cursor cut in its header", cur.left(42), false, false},
            {"a cursor one byte short", cur.chopped(1), false, false},
            {"a brace left open", "QLabel { color: red;", false, false},
            {"a brace closed first", "} QLabel { color: red;", false, false}};
        for (const auto& [what, bytes, cursor, skin] : rows) {
            QVERIFY2(plat::qt::readCursorFile(bytes).has_value() == cursor, what);
            QVERIFY2(plat::qt::readSkinFile(bytes).has_value() == skin, what);
        }
    }

    void messageBoxShowsTitleIconOneOkAndPlainTextWhileTimersTick() {
        plat::qt::QtServices services({});
        services.setAppTitle("Brackwell");
        int ticks = 0, polls = 0;
        plat::Form form("Form1", 1500, 1500);
        plat::Timer timer("Timer1", 10);
        timer.onTimer = [&ticks] { ++ticks; };
        form.addTimer(timer);
        plat::qt::TableView view(form);
        view.bindForm();
        QStringList shown;  // title, icon (2: exclamation), one OK button and plain text, text
        BoxCloser closer([&](QMessageBox& box) {
            const bool okPlain = box.buttons() == QList{box.button(QMessageBox::Ok)} &&
                                 box.textFormat() == Qt::PlainText;
            shown = {box.windowTitle(), QString::number(box.icon()), QString::number(okPlain),
                     box.text()};
            return ticks >= 5 || ++polls > 500;
        });
        services.msgBox("Overflow\r\nat line 7\r\rMail <b>us</b>", plat::kMsgExclamation, "Error");
        QVERIFY(ticks >= 5);
        QCOMPARE(shown, QStringList({"Error", "2", "1", "Overflow\nat line 7\n\nMail <b>us</b>"}));
        services.msgBox("Pass\r\n Computer  Can Play ", plat::kMsgOk);
        QCOMPARE(shown, QStringList({"Brackwell", "0", "1", "Pass\n Computer  Can Play "}));
    }

    void screenReaderHearsTheTableAsASightedPlayerSeesItAndNothingElse() {
        RealTable t;
        brackwell::Form1& f = t.form;
        const auto heard = [&](const plat::Control& c) {
            return QAccessible::queryAccessibleInterface(t.view.widgetOf(c));
        };
        for (plat::Label* label : {&f.lStatus, &f.lblStatusBar}) {
            label->setCaption("You Choose Card  3 / 4");
            QCOMPARE(heard(*label)->text(QAccessible::Name), "You Choose Card  3 / 4");
        }
        f.compscore.setCaption("012");
        QCOMPARE(heard(f.compscore)->text(QAccessible::Name), "Computer score 012");
        for (plat::PushButton* b : {&f.PushButton1, &f.PushButton2, &f.PushButton3}) {
            QCOMPARE(heard(*b)->text(QAccessible::Name), QString::fromStdString(b->caption()));
            for (bool enabled : {false, true}) {
                b->setEnabled(enabled);
                QCOMPARE(bool(heard(*b)->state().disabled), !enabled);
            }
        }
        // The table lists one object per tile, its first half, and every child has a name; the
        // second halves, the outlines that decorate and the hidden helpers are not its children.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&t.view);
        QStringList names;
        for (int i = 0; i < table->childCount(); ++i)
            names << table->child(i)->text(QAccessible::Name);
        QVERIFY2(!names.contains(QString()), qPrintable(names.join(" | ")));
        // The hands' tiles (the boneyard's are told by Get Card), 2 open ends, 3 buttons, 2 scores,
        // their 4 captions, the turn and the hint.
        QCOMPARE(names.size(), 14 + 2 + 3 + 2 + 4 + 2);
        QCOMPARE(heard(f.PushButton3)->text(QAccessible::Description), "14 tiles in the boneyard");
        const int k = 22;  // a tile of the player's hand
        QCOMPARE(heard(f.lcard(k))->role(), QAccessible::Button);
        // Its outline covers the whole tile, both halves.
        t.showAt(QSize(799, 625));
        const QRect top = t.view.widgetOf(f.lcard(k))->geometry(),
                    bottom = t.view.widgetOf(f.rcard(k))->geometry();
        QCOMPARE(heard(f.lcard(k))->rect().size(), (top | bottom).size());
        QVERIFY(names.contains(heard(f.lcard(k))->text(QAccessible::Name)));
        QVERIFY(table->indexOfChild(heard(f.lcard(k))) >= 0);
        for (const plat::Control* out : {static_cast<const plat::Control*>(&f.rcard(k)),
                                         static_cast<const plat::Control*>(&f.Shape1)}) {
            QCOMPARE(table->indexOfChild(heard(*out)), -1);
            QVERIFY(heard(*out)->state().invisible);
        }
    }

    // A screen reader hears of a name or a description only when it really changes: a table that
    // ticks on unchanged raises nothing, a new open end changes the hand's "fits" and nothing else.
    void screenReaderHearsOfChangesOnlyWhenWhatItSaysChanges() {
        RealTable t;
        brackwell::Form1& f = t.form;
        t.showAt(QSize(799, 625));
        QList<std::pair<QObject*, QAccessible::Event>> events;
        t.view.accessibleChanges().raise = [&](QWidget* w, QAccessible::Event type) {
            events.append({w, type});
        };
        t.view.accessibleChanges().lookNow();  // learns what each control says
        events.clear();
        f.first(0).setCaption("1");  // a line of play open on 4 at the left, 2 at the right
        f.cu.setCaption("4");
        f.cd.setCaption("2");
        t.view.accessibleChanges().lookNow();
        QHash<QObject*, QSet<int>> told;
        for (const auto& [object, type] : events)
            told[object].insert(type);
        const QSet<int> described{QAccessible::DescriptionChanged},
            both{QAccessible::NameChanged, QAccessible::DescriptionChanged};
        for (int k = 22; k <= 28; ++k)  // each tile of the hand now fits somewhere else
            QCOMPARE(told.take(t.view.widgetOf(f.lcard(k))), described);
        QCOMPARE(told.take(t.view.widgetOf(f.Shl(0))), both);  // "left end: four"
        QCOMPARE(told.take(t.view.widgetOf(f.Shr(0))), both);
        QVERIFY2(told.isEmpty(), qPrintable(QString::number(told.size())));
        QCOMPARE(events.size(), 7 + 2 * 2);  // once each
        events.clear();
        for (int i = 0; i < 5; ++i) {  // ticks of both timers, with nothing changing on the table
            f.Timer1.fire();
            f.Timer2.fire();
            t.view.accessibleChanges().lookNow();
        }
        QVERIFY2(events.isEmpty(), qPrintable(QString::number(events.size())));
    }

    void everyPictureDrawsAtRatiosOneAndTwoAndFacesShowTheirPips() {
        plat::qt::TilePictures pictures;  // one cache for both ratios
        for (qreal dpr : {1.0, 2.0}) {
            for (plat::Picture p = 1; p <= plat::kPictureCount; ++p) {
                const QPixmap pm = pictures.pixmap(p, QSize(26, 40), dpr);
                const int drawn = count(pm.toImage(), [](QRgb c) { return qAlpha(c) > 0; });
                QVERIFY(pm.size() == QSize(26, 40) * dpr && pm.devicePixelRatio() == dpr &&
                        drawn > pm.width() * pm.height() / 10);
            }
        }
        const auto face = [&](int pips, bool turned) {
            const plat::Picture p = plat::kFaceBase + pips + (turned ? plat::kTurnedOffset : 0);
            return pictures.pixmap(p, QSize(100, 100), 1).toImage();
        };
        const auto pipsOn = [&](const QImage& img) {  // bright area in pips of the one-pip face
            const auto bright = [](QRgb c) { return qGray(c) > 170; };
            return std::lround(count(img, bright) / double(count(face(1, false), bright)));
        };
        for (int pips = 0; pips <= 6; ++pips) {
            QCOMPARE(pipsOn(face(pips, false)), pips);
            QCOMPARE(pipsOn(face(pips, true)), pips);
            QCOMPARE(face(pips, false) != face(pips, true), pips == 2 || pips == 3 || pips == 6);
        }
    }

    // A refresh paints at once when no frame was painted for a frame's time; refreshes within
    // a frame of a paint are painted together at the next frame, the last place included.
    void repaintNowPaintsOnlyWhatChangedAndAtMostOnceAFrame() {
        RealTable t;
        t.form.Timer1.setEnabled(false), t.form.Timer2.setEnabled(false);  // nothing else moves
        t.showAt(QSize(799, 625));
        plat::Image &tile = t.form.lcard(kTile), &other = t.form.lcard(kTile + 1);
        PaintCounter counter;
        QWidget* widget = t.view.widgetOf(tile);
        widget->installEventFilter(&counter);
        QTRY_VERIFY(counter.paints > 0);
        const int frame = static_cast<int>(std::ceil(t.view.framePacer().frameMs()));
        // Paints at once, and in all by the next frame: waited for where a paint is due, and
        // for some frames where none must come.
        const struct {
            const char* what;
            int times;
            std::function<void()> change;
            int atOnce, inAll;
        } rows[] = {
            {"nothing changed since it painted", 1, [] {}, 0, 0},
            {"another tile changed", 1, [&] { other.setPicture(plat::kTileBack); }, 0, 0},
            {"its picture changed", 1, [&] { tile.setPicture(plat::kTileBack); }, 1, 1},
            {"moved 20 times at once", 20, [&] { tile.move(tile.left() + 15, tile.top()); }, 1, 2},
        };
        for (const auto& row : rows) {
            QTest::qWait(2 * frame);  // a frame's time and more without a paint
            counter.paints = 0;
            for (int i = 0; i < row.times; ++i)
                row.change(), tile.refresh();
            QVERIFY2(counter.paints == row.atOnce, row.what);
            QTRY_VERIFY2(counter.paints == row.inAll, row.what);
            QTest::qWait(3 * frame);
            QVERIFY2(counter.paints == row.inAll, row.what);
        }
        // Moved every millisecond, as the computer's tile flies: painted once a frame.
        counter.paints = 0;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 200) {
            tile.move(tile.left() + 15, tile.top());
            tile.refresh();
            QTest::qWait(1);
        }
        QTRY_COMPARE(widget->geometry(), t.view.toPixels(tile));  // the last place painted
        QVERIFY2(counter.paints >= 100 / frame && counter.paints <= 200 / frame + 3,
                 QByteArray::number(counter.paints));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

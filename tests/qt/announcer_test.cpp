// The news told to a screen reader: nothing while none listens; once one does, each sentence
// raises one event of its own, on an object that carries that sentence for as long as the
// screen reader may still ask, that the window's tree does not list and that is no widget.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>
#include <QtTest>

#include "platform/qt/announcer.h"

namespace {

// A screen reader starts or stops listening, as the accessibility bus tells Qt.
void listening(bool on) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
}

struct Raised {
    QAccessible::Event type;
    QAccessible::Id id;
    QString message;  // an announcement's own text (Qt 6.8 on)
};
QList<Raised> raised;

void record(QAccessibleEvent* event) {
    QString message;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        message = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
    QAccessibleInterface* iface = event->accessibleInterface();
    raised.append({event->type(), iface ? QAccessible::uniqueId(iface) : 0, message});
}

// The events that tell news: a notification shown, or (Qt 6.8 on) an announcement.
QList<Raised> news() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const QAccessible::Event telling = QAccessible::Announcement;
#else
    const QAccessible::Event telling = QAccessible::ObjectShow;
#endif
    QList<Raised> out;
    for (const Raised& r : raised) {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(r.id);
        const bool widget = iface && iface->object();  // a window's own showing
        if (r.type == telling && !widget) out.append(r);
    }
    return out;
}

// What the screen reader reads of a shown notification: the names of its labels.
QString spoken(QAccessible::Id id) {
    QAccessibleInterface* note = QAccessible::accessibleInterface(id);
    if (!note) return QStringLiteral("<gone>");
    QStringList lines;
    for (int i = 0; i < note->childCount(); ++i)
        lines << note->child(i)->text(QAccessible::Name);
    return lines.join(u' ');
}

// A window that has the keyboard, as the table has while the player plays.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        raised.clear();
        QAccessible::installUpdateHandler(record);
        listening(true);
    }
    void cleanup() { listening(false); }

    void nothingIsBuiltWhileNoScreenReaderListens() {
        listening(false);
        QWidget window;
        activate(window);
        plat::qt::Announcer announcer;
        announcer.setWindow(&window);
        announcer.announce(QStringLiteral("You drew a tile."));
        QCOMPARE(announcer.kept(), 0);
        listening(true);  // a screen reader starts after the game
        announcer.announce(QStringLiteral("Computer drew a tile."));
        QTRY_COMPARE(news().size(), 1);
    }

    // Nothing to tell, or no window to tell it in: no event, nothing kept.
    void emptyTextOrNoWindowTellsNothing() {
        plat::qt::Announcer announcer;
        announcer.announce(QStringLiteral("no window yet"));
        auto* window = new QWidget;
        announcer.setWindow(window);
        announcer.announce(QString());
        delete window;
        announcer.announce(QStringLiteral("the window is gone"));
        QCOMPARE(news().size(), 0);
        QCOMPARE(announcer.kept(), 0);
    }

    // The same sentence twice is told twice, each time by an object of its own that keeps its
    // own sentence after a newer one was told.
    void eachSentenceIsToldOnceByItsOwnObject() {
        QWidget window;
        activate(window);
        plat::qt::Announcer announcer;
        announcer.setWindow(&window);
        const QStringList told = {"You drew a tile.", "You drew a tile.",
                                  "Computer laid six and four at the left end."};
        for (const QString& s : told)
            announcer.announce(s);
        QTRY_COMPARE(news().size(), told.size());
        const QList<Raised> got = news();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        for (int i = 0; i < told.size(); ++i)
            QCOMPARE(got[i].message, told[i]);
#else
        QCOMPARE(QSet<QAccessible::Id>({got[0].id, got[1].id, got[2].id}).size(), 3);
        for (int i = 0; i < told.size(); ++i) {
            QAccessibleInterface* note = QAccessible::accessibleInterface(got[i].id);
            QVERIFY(note);
            QCOMPARE(note->role(), QAccessible::Notification);
            QCOMPARE(note->text(QAccessible::Name), QString());  // said once, by its label
            QCOMPARE(note->childCount(), 1);
            QCOMPARE(note->child(0)->role(), QAccessible::StaticText);
            QCOMPARE(note->child(0)->parent(), note);
            QCOMPARE(note->indexOfChild(note->child(0)), 0);
            QCOMPARE(spoken(got[i].id), told[i]);
            QVERIFY(!note->state().invisible && !note->state().disabled);  // Orca skips those
        }
#endif
    }

    // News told while another window has the keyboard (a message box that has just closed)
    // waits until the table's window is active again, so that the screen reader's reading of the
    // window does not cut it off; a window that stays inactive gets it all the same, later.
    void newsWaitsForTheWindowToBeActive() {
        QWidget window, box;
        activate(window);
        activate(box);
        plat::qt::Announcer announcer;
        announcer.setWindow(&window);
        announcer.announce(QStringLiteral("New hand: the computer opens."));
        announcer.announce(QStringLiteral("Computer opened with five and five. Your turn."));
        QTRY_VERIFY(announcer.waitingForWindow());
        QCOMPARE(news().size(), 0);
        box.hide();
        activate(window);
        QTRY_COMPARE(news().size(), 2);
        activate(box);
        announcer.announce(QStringLiteral("Computer drew a tile."));
        QTRY_VERIFY(announcer.waitingForWindow());
        QCOMPARE(news().size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(news().size(), 3, 5000);  // the window never came back
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The notifications hang in a status bar below the window (read there without the word
    // "notification"), which the window does not list: a review of the window never meets
    // them, and they are no widgets, so nothing shows and the focus stays where it was.
    void theNewsStaysOutOfTheWindowsTree() {
        QWidget window;
        auto* button = new QWidget(&window);
        button->setFocusPolicy(Qt::StrongFocus);
        activate(window);
        button->setFocus();
        const QObjectList children = window.children();
        raised.clear();  // the window's own showing
        plat::qt::Announcer announcer;
        announcer.setWindow(&window);
        announcer.announce(QStringLiteral("Computer passes."));
        QTRY_COMPARE(news().size(), 1);
        QAccessibleInterface* note = QAccessible::accessibleInterface(news().value(0).id);
        QVERIFY(note);
        QAccessibleInterface* board = note->parent();
        QCOMPARE(board->role(), QAccessible::StatusBar);
        QCOMPARE(board->child(board->indexOfChild(note)), note);
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(board->parent(), top);
        QCOMPARE(top->indexOfChild(board), -1);
        for (int i = 0; i < top->childCount(); ++i)
            QVERIFY(top->child(i) != board);
        QCOMPARE(window.children(), children);
        QCOMPARE(window.focusWidget(), button);
        QVERIFY(board->rect().isEmpty() && note->rect().isEmpty());
    }

    // Only the newest few are kept; an older one, with its label, is gone from the cache.
    void onlyTheNewestNotificationsAreKept() {
        QWidget window;
        activate(window);
        plat::qt::Announcer announcer;
        announcer.setWindow(&window);
        const int total = plat::qt::Announcer::kKept + 3;
        for (int i = 0; i < total; ++i)
            announcer.announce(QStringLiteral("news %1").arg(i));
        QTRY_COMPARE(news().size(), total);
        const QList<Raised> got = news();
        QCOMPARE(announcer.kept(), plat::qt::Announcer::kKept);
        for (int i = 0; i < total; ++i) {
            const bool kept = i >= 3;
            QCOMPARE(spoken(got[i].id), kept ? QStringLiteral("news %1").arg(i) : "<gone>");
        }
        QAccessibleInterface* board = QAccessible::accessibleInterface(got.last().id)->parent();
        QCOMPARE(board->childCount(), plat::qt::Announcer::kKept);
        QCOMPARE(spoken(QAccessible::uniqueId(board->child(board->childCount() - 1))),
                 QStringLiteral("news %1").arg(total - 1));
    }
#endif
};

QTEST_MAIN(AnnouncerTest)
#include "announcer_test.moc"

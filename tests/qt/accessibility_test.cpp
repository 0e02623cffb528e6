// What a screen reader hears from the table: the captions of the status, the scores, the hint
// and the buttons as accessible names that follow the game, the buttons' enabled state as the
// game sets it, and the title and text of a message box.
#include <QAccessible>
#include <QtTest>

#include "real_table.h"

namespace {

plat::Control* controlNamed(brackwell::Form1& f, const QString& name) {
    for (plat::Control* c : f.window.children()) {
        if (QString::fromStdString(c->name()) == name) return c;
    }
    return nullptr;
}

QAccessibleInterface* accessibleOf(QObject* o) {
    return o ? QAccessible::queryAccessibleInterface(o) : nullptr;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void labelsAreNamedByTheirCaptionAsItChanges_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("status") << "lStatus" << brackwell::kComputerTurn;
        QTest::newRow("computer's score") << "compscore"
                                          << "017";
        QTest::newRow("player's score") << "playerscore"
                                        << "042";
        QTest::newRow("hint") << "lblStatusBar"
                              << "You Choose Card  3 / 4";
    }

    void labelsAreNamedByTheirCaptionAsItChanges() {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        qtt::RealTable t;
        auto* l = dynamic_cast<plat::Label*>(controlNamed(t.form, label));
        QVERIFY(l);
        QAccessibleInterface* a = accessibleOf(t.view.widgetOf(*l));
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), QString::fromStdString(l->caption()));
        l->setCaption(caption.toStdString());
        QCOMPARE(a->text(QAccessible::Name), caption);
    }

    void buttonsAreNamedAndFollowTheGamesEnabledState_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Get Card") << "PushButton3"
                                  << "Get Card";
        QTest::newRow("New Game") << "PushButton1"
                                  << "New Game";
        QTest::newRow("Cheat Comp.") << "PushButton2"
                                     << "Cheat Comp.";
    }

    void buttonsAreNamedAndFollowTheGamesEnabledState() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        qtt::RealTable t;
        plat::Control* b = controlNamed(t.form, button);
        QVERIFY(b);
        QAccessibleInterface* a = accessibleOf(t.view.widgetOf(*b));
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), caption);
        for (bool enabled : {false, true, false}) {
            b->setEnabled(enabled);
            QCOMPARE(bool(a->state().disabled), !enabled);
        }
    }

    void messageBoxIsNamedByItsTitleAndReadsItsText() {
        QTemporaryDir folder;
        plat::qt::QtServices services(folder.path());
        QString name, value;
        qtt::BoxCloser closer([&](QMessageBox& box) {
            QAccessibleInterface* a = accessibleOf(&box);
            QVERIFY(a);
            name = a->text(QAccessible::Name);
            value = a->text(QAccessible::Value);
        });
        services.msgBox("Computer Has No Cards To Move\r\n Player Can Play Now ",
                        plat::kMsgExclamation, "Pass");
        QCOMPARE(closer.seen, 1);
        QCOMPARE(name, QStringLiteral("Pass"));
        QCOMPARE(value, QStringLiteral("Computer Has No Cards To Move\n Player Can Play Now "));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

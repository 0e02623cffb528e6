// A new deal creates the tile halves again; their widgets (kept from the last hand) must take
// every property anew. A tile the player laid last hand was disabled by the watchdog: dealt
// into the player's hand again, its widget must take the mouse.
#include <QtTest>

#include "platform/numeric_text.h"
#include "real_table.h"

class RedealTest : public QObject {
    Q_OBJECT

    // Every loaded half's widget shows what its control says.
    static void expectWidgetsFollowTheirControls(qtt::RealTable& t) {
        for (auto* halves : {&t.form.lcard, &t.form.rcard}) {
            for (int k = 1; k <= brackwell::kTiles; ++k) {
                const plat::Image& half = (*halves)(k);
                QWidget* w = t.view.widgetOf(half);
                QVERIFY2(w, qPrintable(QStringLiteral("no widget for tile %1").arg(k)));
                QCOMPARE(w->isEnabled(), half.enabled());
                QCOMPARE(w->isVisible(), half.visible());
                QCOMPARE(w->geometry(), t.view.toPixels(half));
            }
        }
    }

private slots:
    void halvesCreatedAgainTakeTheirDesignStateInTheWindow() {
        qtt::RealTable t;
        qtt::BoxCloser closer;
        t.view.resize(799, 625);
        t.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.view));
        brackwell::Form1& f = t.form;
        for (int hand = 0; hand < 3; ++hand) {
            // The player's first tile goes to the opening place; the watchdog then disables it.
            const int k = 22;
            f.Text1.setText(plat::str(k));
            f.homeLeftL(1) = f.lcard(k).left(), f.homeTopL(1) = f.lcard(k).top();
            f.lcard(k).move(6000, 3000);
            if (f.lStatus.caption() == brackwell::kYourTurn) f.domook();
            QTRY_VERIFY_WITH_TIMEOUT(!f.lcard(k).enabled() || f.lcard(k).top() >= brackwell::kPlayerRowMin, 3000);
            f.mturn.setText("2");  // the player opens again
            f.PushButton1_Click();
            QCoreApplication::processEvents();
            QVERIFY(f.lcard(k).enabled());
            expectWidgetsFollowTheirControls(t);
            if (QTest::currentTestFailed()) return;
        }
    }
};

QTEST_MAIN(RedealTest)
#include "redeal_test.moc"

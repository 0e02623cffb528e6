// The game's message boxes on the real window: the title (the application title when the game
// gives none), the icon of the style, one OK button, and the text shown as plain text with the
// game's line breaks and every blank kept; the table's timers go on while a box is open.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QtTest>

#include "real_table.h"

namespace {

struct Shown {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    qsizetype buttons = 0;
    QMessageBox::StandardButtons standard;
};

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void boxShowsTitleIconOneOkAndPlainText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("shownText");
        QTest::newRow("application error: exclamation, own title, CR LF and CR CR")
            << QByteArray(
                   "Overflow\r\nin BrackwellGame2021/08/31.Form1.domook at line 7\r\r"
                   "Please email screenshot of this message to a@b.example")
            << plat::kMsgExclamation << "Application Error"
            << "Application Error" << int(QMessageBox::Warning)
            << "Overflow\nin BrackwellGame2021/08/31.Form1.domook at line 7\n\n"
               "Please email screenshot of this message to a@b.example";
        QTest::newRow("pass message: no icon, application title, blanks kept")
            << QByteArray(
                   "Player Has No Cards To Move\r\n Player Will Give The Turn To "
                   "Computer\r\n Computer Can Play Now ")
            << plat::kMsgOk << ""
            << "Brackwell" << int(QMessageBox::NoIcon)
            << "Player Has No Cards To Move\n Player Will Give The Turn To Computer\n Computer "
               "Can Play Now ";
        QTest::newRow("markup is shown as it is written")
            << QByteArray("<b>Player</b>  Win   That Game &amp; ") << plat::kMsgOk << ""
            << "Brackwell" << int(QMessageBox::NoIcon) << "<b>Player</b>  Win   That Game &amp; ";
        QTest::newRow("a lone CR breaks the line")
            << QByteArray("Computer\rTakes A Card") << plat::kMsgOk << "Draw"
            << "Draw" << int(QMessageBox::NoIcon) << "Computer\nTakes A Card";
    }

    void boxShowsTitleIconOneOkAndPlainText() {
        QFETCH(QByteArray, text);
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QFETCH(int, icon);
        QFETCH(QString, shownText);
        QTemporaryDir folder;
        plat::qt::QtServices services(folder.path());
        services.setAppTitle("Brackwell");
        QWidget window;
        services.setWindow(&window);
        Shown shown;
        qtt::BoxCloser closer([&shown](QMessageBox& box) {
            shown = {box.windowTitle(), box.text(),           box.icon(),
                     box.textFormat(),  box.buttons().size(), box.standardButtons()};
        });
        services.msgBox(text.toStdString(), style, title.toStdString());
        QCOMPARE(closer.seen, 1);
        QCOMPARE(shown.title, shownTitle);
        QCOMPARE(int(shown.icon), icon);
        QCOMPARE(shown.buttons, 1);
        QCOMPARE(shown.standard, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.text, shownText);
    }

    void timersKeepFiringWhileABoxIsOpen() {
        plat::Form form("Form1", 1500, 1500);
        plat::Timer timer("Timer1", 10);
        int ticks = 0;
        timer.onTimer = [&ticks] { ++ticks; };
        form.addTimer(timer);
        plat::qt::TableView view(form);
        view.bindForm();
        QTemporaryDir folder;
        plat::qt::QtServices services(folder.path());
        services.setWindow(&view);

        QElapsedTimer open;
        open.start();
        qtt::BoxCloser closer;
        closer.holdUntil([&] { return ticks >= 5 || open.elapsed() > 5000; });
        services.msgBox("Computer Takes A Card", plat::kMsgOk);
        QCOMPARE(closer.seen, 1);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"

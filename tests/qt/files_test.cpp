// The optional files beside the program: the cursor file's reader and writer, the skin
// reader, and the services that find and load them. Whatever such a file holds, the first
// hand is dealt whole.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include "platform/qt/cursor_file.h"
#include "platform/qt/skin_file.h"
#include "real_table.h"

using plat::qt::readCursorFile;
using plat::qt::readSkinFile;
using plat::qt::writeCursorFile;

namespace {

constexpr int kEntry = 6, kInfo = 22;  // where the image entry and the bitmap header start

QByteArray runtimeFile(const QString& relative) {
    QFile f(qEnvironmentVariable("BRACKWELL_RUNTIME") + "/" + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray garbage(int size) {
    QRandomGenerator random(7);
    QByteArray b(size, '\0');
    for (char& c : b)
        c = static_cast<char>(random.bounded(256));
    return b;
}

template <typename T>
QByteArray patched(QByteArray b, int at, T value) {
    qToLittleEndian<T>(value, b.data() + at);
    return b;
}

// A picture with colours, half-transparent and fully transparent pixels.
QImage pattern(QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(
                x, y, qRgba(x * 7 % 256, y * 11 % 256, 90, (x + y) % 3 == 0 ? 0 : 255 - x % 128));
    }
    return img;
}

QByteArray pngCursor(const QImage& img, QPoint hot) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    QByteArray b = QByteArray::fromHex("000002000100") + QByteArray(16, '\0') + png;
    b = patched<quint16>(patched<quint16>(b, kEntry + 4, hot.x()), kEntry + 6, hot.y());
    return patched<quint32>(patched<quint32>(b, kEntry + 8, png.size()), kEntry + 12, kInfo);
}

bool sameImage(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

const QString kSkin = QStringLiteral("x/o.cjs"), kCursor = QStringLiteral("HAND-M.CUR");

// Fills a folder with the optional files as the row asks: the shipped ones, garbage, a
// directory in place of each, or nothing.
void layOut(const QDir& folder, const QString& kind) {
    folder.mkpath("x");
    for (const QString& name : {kSkin, kCursor}) {
        if (kind == "directory") folder.mkpath(name);
        QFile f(folder.filePath(name));
        if (kind == "good" || kind == "garbage") {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kind == "good" ? runtimeFile(name) : garbage(3000));
        }
    }
}

void addKinds() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"good", "garbage", "directory", "missing"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

  private slots:
    void shippedHandCursorIs32By32WithItsHotSpotAtTheFingertip() {
        const auto cursor = readCursorFile(runtimeFile(kCursor));
        QVERIFY(cursor);
        QCOMPARE(cursor->image.size(), QSize(32, 32));
        QCOMPARE(cursor->hotSpot, QPoint(13, 1));
        QVERIFY(cursor->image.pixelColor(0, 31).alpha() == 0);    // around the hand: clear
        QVERIFY(cursor->image.pixelColor(13, 1).alpha() == 255);  // the fingertip: drawn
    }

    void cursorWriterAndReaderRoundTrip_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("hot");
        QTest::addColumn<QPoint>("readHot");
        QTest::newRow("one pixel") << QSize(1, 1) << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("odd width, mask rows padded")
            << QSize(33, 5) << QPoint(32, 4) << QPoint(32, 4);
        QTest::newRow("largest side") << QSize(256, 256) << QPoint(128, 200) << QPoint(128, 200);
        QTest::newRow("hot spot outside is kept on the image")
            << QSize(32, 32) << QPoint(40, 300) << QPoint(31, 31);
    }

    void cursorWriterAndReaderRoundTrip() {
        QFETCH(QSize, size);
        QFETCH(QPoint, hot);
        QFETCH(QPoint, readHot);
        const auto cursor = readCursorFile(writeCursorFile(pattern(size), hot));
        QVERIFY(cursor);
        QVERIFY(sameImage(cursor->image, pattern(size)));
        QCOMPARE(cursor->hotSpot, readHot);
    }

    void cursorFileWithAPngImageIsRead() {
        const auto cursor = readCursorFile(pngCursor(pattern(QSize(40, 24)), QPoint(3, 20)));
        QVERIFY(cursor);
        QVERIFY(sameImage(cursor->image, pattern(QSize(40, 24))));
        QCOMPARE(cursor->hotSpot, QPoint(3, 20));
    }

    void whatIsNoCursorIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = runtimeFile(kCursor);
        QVERIFY(readCursorFile(good));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << garbage(4286);
        QTest::newRow("text") << QByteArray("QPushButton { color: red; }");
        for (int size : {10, kInfo, kInfo + 20, int(good.size()) - 1})
            QTest::addRow("cut after %d bytes", size) << good.left(size);
        QTest::newRow("icon, not cursor") << patched<quint16>(good, 2, 1);
        QTest::newRow("no images") << patched<quint16>(good, 4, 0);
        QTest::newRow("size beyond the file") << patched<quint32>(good, kEntry + 8, 0xffffffff);
        QTest::newRow("offset beyond the file") << patched<quint32>(good, kEntry + 12, 0xfffffff0);
        QTest::newRow("offset into the header") << patched<quint32>(good, kEntry + 12, 4);
        QTest::newRow("absurd width") << patched<qint32>(good, kInfo + 4, 100000);
        QTest::newRow("negative height") << patched<qint32>(good, kInfo + 8, -64);
        QTest::newRow("compressed") << patched<quint32>(good, kInfo + 16, 1);
        QTest::newRow("24 bits a pixel") << patched<quint16>(good, kInfo + 14, 24);
        QTest::newRow("oversized PNG") << pngCursor(pattern(QSize(300, 10)), QPoint());
        const QByteArray png = pngCursor(pattern(QSize(8, 8)), QPoint()).left(kInfo + 8);
        QTest::newRow("corrupt PNG") << patched<quint32>(png + garbage(200), kEntry + 8, 208);
    }

    void whatIsNoCursorIsRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!readCursorFile(bytes));
    }

    void skinIsReadOnlyFromStyleSheetText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        const QByteArray rule("QLabel { color: #123456; }\n");
        QTest::newRow("the shipped skin") << runtimeFile(kSkin) << true;
        QTest::newRow("text beyond ASCII") << "/* caf\xc3\xa9 */ " + rule << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("binary garbage") << garbage(900) << false;
        QTest::newRow("a NUL inside") << rule + QByteArray(1, '\0') << false;
        QTest::newRow("not UTF-8") << rule + "\xff\xfe" << false;
        QTest::newRow("brace left open") << QByteArray("QLabel { color: red;") << false;
        QTest::newRow("brace closed first") << QByteArray("} QLabel { color: red; {") << false;
        QTest::newRow("no rule at all") << QByteArray("just words") << false;
        QTest::newRow("oversized") << rule.repeated(300 * 1024 / rule.size()) << false;
    }

    void skinIsReadOnlyFromStyleSheetText() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        const auto skin = readSkinFile(bytes);
        QCOMPARE(skin.has_value(), accepted);
        if (accepted) QCOMPARE(*skin, QString::fromUtf8(bytes));
    }

    void servicesLoadOnlyFilesThatHoldWhatTheyShould_data() { addKinds(); }

    void servicesLoadOnlyFilesThatHoldWhatTheyShould() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        layOut(QDir(dir.path()), kind);
        plat::qt::QtServices services(dir.path());
        QWidget window;
        services.setWindow(&window);
        plat::Form form("Form1", 1000, 1000);
        const std::string skin = services.appPath() + "/x/o.cjs";
        const std::string cursor = services.appPath() + "/HAND-M.CUR";
        const bool file = kind == "good" || kind == "garbage";

        QCOMPARE(services.dir(skin), file ? std::string("o.cjs") : std::string());
        QCOMPARE(services.dir(cursor), file ? std::string("HAND-M.CUR") : std::string());
        QCOMPARE(services.fileDateTime(cursor).has_value(), kind != "missing");
        if (file) {
            const QDateTime stamp = QFileInfo(dir.filePath(kCursor)).lastModified();
            QCOMPARE(*services.fileDateTime(cursor), stamp.toMSecsSinceEpoch());
        }

        const auto pointer = services.loadPointer(cursor);
        QCOMPARE(pointer.has_value(), kind == "good");
        if (pointer) {
            const QCursor c = services.pointers().value(*pointer);
            QCOMPARE(c.pixmap().size(), QSize(32, 32));
            QCOMPARE(c.hotSpot(), QPoint(13, 1));
        }
        const bool applied = services.applySkin({skin, plat::kSkinChildControls, true, true}, form);
        QCOMPARE(applied, kind == "good");
        QCOMPARE(window.styleSheet(),
                 kind == "good" ? QString::fromUtf8(runtimeFile(kSkin)) : QString());
    }

    void firstHandIsDealtWholeWhateverTheFilesHold_data() { addKinds(); }

    void firstHandIsDealtWholeWhateverTheFilesHold() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        layOut(QDir(dir.path()), kind);
        qtt::BoxCloser noBoxes;
        qtt::RealTable t(dir.path());
        brackwell::Form1& f = t.form;
        int player = 0, computer = 0;
        for (int k = 1; k <= brackwell::kTiles; ++k) {
            QVERIFY(f.lcard.isLoaded(k) && f.rcard.isLoaded(k));
            player += f.lcard(k).top() >= brackwell::kPlayerRowMin;
            computer += f.lcard(k).top() < brackwell::kComputerRowMax;
        }
        QCOMPARE(player, 7);
        QCOMPARE(computer, 7);
        QCOMPARE(f.lStatus.caption(), std::string(brackwell::kYourTurn));
        QCOMPARE(f.window.mouseIcon() != 0, kind == "good");
        QCOMPARE(t.view.styleSheet().isEmpty(), kind != "good");
        QCOMPARE(noBoxes.seen, 0);
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"

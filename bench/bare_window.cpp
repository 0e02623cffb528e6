// The floor the game's budgets are read against: the plainest Qt Widgets window with the
// table's client size, 799 x 625, showing one line of text. Any game window shows some text,
// and the fonts' loading is a fixed cost of Qt (about 3 MiB here) that the floor should carry.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    window.setAlignment(Qt::AlignCenter);
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(799, 625);
    window.show();
    return app.exec();
}

// The floor the game's budgets are read against: the plainest Qt Widgets window with the
// table's client size, 799 x 625, painting nothing but its own background.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(799, 625);
    window.show();
    return app.exec();
}

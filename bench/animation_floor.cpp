// The floor the flight's and the slide's processor is read against: one tile-sized widget moved
// across a window of the table's size at the display's rate, painted through the game's own
// choices (X11 with frames in the request stream, at most one paint a frame of the screen), and
// nothing else: no game, no timers, no text. Its share of a core on this machine and display is
// what any animation of one tile costs there; the game's animations are budgeted as a multiple
// of it, measured in the same run.
//   brackwell_animation_floor MOVES SECONDS   (MOVES moves lasting SECONDS in all)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "cpu_share.h"
#include "platform/qt/display_choices.h"
#include "platform/qt/frame_pacer.h"

namespace {

// The table's client size and the flying box's, in pixels at the design size.
constexpr int kTableWidth = 799, kTableHeight = 625;
constexpr int kTileWidth = 27, kTileHeight = 55;

class Tile : public QWidget {
  public:
    using QWidget::QWidget;
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).fillRect(rect(), QColor(0xfffdf6));
    }
};

class Table : public QWidget {
  public:
    Table() {
        setAttribute(Qt::WA_OpaquePaintEvent);  // as the game's window: it paints all it shows
        setFixedSize(kTableWidth, kTableHeight);
        tile_.resize(kTileWidth, kTileHeight);
    }

    // Moves the tile from the top left to the bottom right over `ms`, a step a frame.
    void move(double ms) {
        QElapsedTimer clock;
        clock.start();
        for (double t = 0; t < ms; t = clock.nsecsElapsed() / 1e6) {
            const double f = t / ms;
            tile_.move(static_cast<int>(f * (width() - kTileWidth)),
                       static_cast<int>(f * (height() - kTileHeight)));
            // As the game shows a step at once: now when a frame is due, else at the next one.
            if (pacer_.frameDue())
                tile_.repaint();
            else
                tile_.update();
            sleep(std::max(1, pacer_.msPastNextFrame()));
        }
    }

    static void sleep(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

    int tilePaints() const { return tile_.paints; }
    double frameMs() const { return pacer_.frameMs(); }

  protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter(this).fillRect(e->rect(), QColor(0x2e6b3a));
    }

  private:
    Tile tile_{this};
    plat::qt::FramePacer pacer_{*this};
};

}  // namespace

int main(int argc, char* argv[]) {
    plat::qt::chooseDisplayDefaults();  // the display as the game sets it up
    QApplication app(argc, argv);
    const int moves = argc > 1 ? std::atoi(argv[1]) : 5;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 5;
    if (moves < 1 || seconds <= 0) {
        std::fprintf(stderr, "usage: %s MOVES SECONDS\n", argv[0]);
        return 2;
    }
    Table table;
    table.show();
    while (!table.windowHandle() || !table.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    Table::sleep(300);  // the first paint and the window manager's traffic are not counted

    bench::Share floor;
    const int paintsBefore = table.tilePaints();
    for (int m = 0; m < moves; ++m) {
        bench::measure(floor, [&] { table.move(1000 * seconds / moves); });
        Table::sleep(100);  // between two moves, as the game has its turn's work there
    }
    std::printf("floor: %.2f %% of a core over %.2f s in %d moves\n", floor.percent(), floor.wall,
                floor.runs);
    // The frames the tile was painted in, against those the display showed meanwhile.
    std::printf("frames: %d of %.0f at %.1f Hz\n", table.tilePaints() - paintsBefore,
                1000 * floor.wall / table.frameMs(), 1000 / table.frameMs());
    std::fflush(stdout);
    return 0;
}

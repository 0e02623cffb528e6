// The processor the real window uses while the computer's tile flies and while a drawn tile
// slides, as a share of one core: processor time over wall time of each animation, with the
// table painted on the screen (run it on an X display, e.g. under Xvfb).
//   brackwell_animation_cpu [rounds]
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "cpu_share.h"
#include "platform/numeric_text.h"
#include "platform/qt/display_choices.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/table_view.h"
#include "table/game_state.h"

namespace {

using bench::measure;
using brackwell::Form1;

// Opens a hand with a player's tile that some tile of the computer's hand fits, so that the
// computer answers with a flight and no draw.
bool openWithAnswerableTile(Form1& form) {
    for (int k = 22; k <= 28; ++k) {
        for (int c = 15; c <= 21; ++c) {
            for (const auto* half : {&form.lcard(c), &form.rcard(c)}) {
                if (half->tag() != form.lcard(k).tag() && half->tag() != form.rcard(k).tag())
                    continue;
                form.Text1.setText(plat::str(k));
                form.lcard(k).move(6000, 3000);
                form.domook();
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    plat::qt::chooseDisplayDefaults();  // the display as the game itself sets it up
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    plat::qt::QtServices services(plat::qt::programFolder());
    Form1 form(services);
    plat::qt::TableView view(form.window);
    services.setWindow(&view);
    view.bindForm();
    form.Form_Load();
    view.show();
    // Message boxes are answered at once: only the animations are measured.
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    dismiss.start(50);  // a faster poll would add its own processor time to the figures
    form.Delay(300);

    bench::Share flight, slide;
    for (int r = 0; r < rounds; ++r) {
        form.mturn.setText("2");  // the player opens the next hand
        form.PushButton1_Click();
        form.Delay(200);
        if (!openWithAnswerableTile(form)) continue;
        measure(flight, [&] { form.domook(); });
        if (form.lStatus.caption() == brackwell::kYourTurn && !form.boneyardEmpty()) {
            measure(slide, [&] { form.PushButton3_Click(); });
        }
    }
    std::printf("flight: %.2f %% of a core over %.2f s in %d moves\n", flight.percent(),
                flight.wall, flight.runs);
    std::printf("slide:  %.2f %% of a core over %.2f s in %d moves\n", slide.percent(), slide.wall,
                slide.runs);
    std::fflush(stdout);
    return 0;
}

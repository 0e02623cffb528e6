// Brackwell: dominoes against the computer. Builds the table on the real window, deals the
// first hand before the window appears, and runs until the window closes or a score reaches 101.
#include <QApplication>
#include <QFont>

#include "platform/qt/close_watch.h"
#include "platform/qt/display_choices.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/table_view.h"
#include "platform/qt/window_fit.h"
#include "table/game_state.h"

int main(int argc, char* argv[]) {
    plat::qt::chooseDisplayDefaults();
    QApplication app(argc, argv);
    // The table's fonts, by the metric-compatible faces a Debian desktop has.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brackwell.Brackwell"));
    plat::qt::QtServices services(plat::qt::programFolder());
    brackwell::Form1 form(services);
    plat::qt::TableView view(form.window);
    services.setWindow(&view);
    view.setPointerPictures(&services.pointers());
    view.bindForm();
    form.Form_Load();

    // The design size where the screen has room for it, a smaller table where it has not.
    plat::qt::fitToScreen(view, view.size());
    plat::qt::CloseWatch closeWatch(view, [&form] { form.Form_QueryUnload(); });
    app.installNativeEventFilter(&closeWatch);
    view.show();
    return app.exec();
}

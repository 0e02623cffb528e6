#include "platform/qt/display_choices.h"

#include <QByteArray>
#include <QtGlobal>

namespace plat::qt {

void chooseDisplayDefaults() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
        qputenv("QT_QPA_PLATFORM",
                x11 ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("wayland;xcb"));
    }
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

}  // namespace plat::qt

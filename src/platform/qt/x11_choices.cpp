#include "platform/qt/x11_choices.h"

#include <QByteArray>
#include <QtGlobal>

namespace plat::qt {

void chooseX11Defaults() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

}  // namespace plat::qt

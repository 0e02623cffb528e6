#pragma once
// Where the window opens: at the table's design size where that fits the screen, otherwise at
// the largest size with the table's proportions that does, always inside the screen's free area.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace plat::qt {

// The client rectangle for a window of the given design size whose frame adds `frame` around
// it, on a screen whose free area is `available`: the framed window centred there, but never
// left of or above it.
QRect fitWindow(QSize design, const QRect& available, const QMargins& frame);

// Places the top-level window by fitWindow now. A window manager puts its frame around the
// window only once it is shown; if the framed window then sticks out of the free area, it is
// placed once more with the frame counted.
void fitToScreen(QWidget& window, QSize design);

}  // namespace plat::qt

#pragma once
// A stand-in for the window while the skin's style sheet is read for the window's own colours:
// it bears the window's name and its colour properties, so that the skin's rules for the window
// ("#Form1 { qproperty-buttonFace: ... }") land on it. The sheet is then worn by Qt's own controls
// only, not by the window: a sheet on the window would style every tile and label under it, and
// Qt keeps a cache of some 7 KB for each widget a sheet styles, about 0.7 MiB for the table.
#include <QColor>
#include <QWidget>

namespace plat::qt {

class SkinColours : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor buttonFace MEMBER buttonFace)
    Q_PROPERTY(QColor buttonText MEMBER buttonText)

  public:
    QColor buttonFace, buttonText;
};

}  // namespace plat::qt

#pragma once
// Reads the window's skin: a Qt style sheet in UTF-8 text. A file that is not such text (a
// binary file, garbage, an oversized file) holds no skin.
#include <QByteArray>
#include <QString>
#include <optional>

namespace plat::qt {

std::optional<QString> readSkinFile(const QByteArray& bytes);

}  // namespace plat::qt

#include "platform/qt/skin_file.h"

#include <QStringDecoder>

namespace plat::qt {

namespace {
constexpr qsizetype kMaxSkinBytes = 256 * 1024;
}

std::optional<QString> readSkinFile(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxSkinBytes) return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) return std::nullopt;
    int depth = 0, rules = 0;
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t') return std::nullopt;
        if (c == u'{') ++depth, ++rules;
        if (c == u'}' && --depth < 0) return std::nullopt;
    }
    if (depth != 0 || rules == 0) return std::nullopt;
    return text;
}

}  // namespace plat::qt

// The move sound, in a module of its own: the multimedia libraries load with it when the first
// sound plays, not at start-up. A missing file or a machine without sound stays silent.
#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void brackwellPlaySound(const char* path) {
    static QSoundEffect* effect = nullptr;
    const QString file = QString::fromUtf8(path);
    if (!effect) effect = new QSoundEffect(QCoreApplication::instance());
    if (effect->source() != QUrl::fromLocalFile(file)) effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
}

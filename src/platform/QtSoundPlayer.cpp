#include "QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    qDeleteAll(m_effects);
}

void QtSoundPlayer::play(const QString &wavePath)
{
    if (m_playing)
        m_playing->stop();
    m_playing = nullptr;
    if (!QFileInfo(wavePath).isFile())
        return;
    QSoundEffect *&effect = m_effects[wavePath];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(wavePath));
    }
    effect->play();
    m_playing = effect;
}

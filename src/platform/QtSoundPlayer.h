#pragma once

#include "SoundPlayer.h"

#include <QHash>

class QSoundEffect;

class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString &wavePath) override;

private:
    QHash<QString, QSoundEffect *> m_effects; // decoded once, replayed from memory
    QSoundEffect *m_playing = nullptr;
};

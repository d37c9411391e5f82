#pragma once

#include "SoundPlayer.h"

#include <QStringList>

// Test double: remembers which files would have played.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &wavePath) override { m_played << wavePath; }
    const QStringList &played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};

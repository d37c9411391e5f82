#pragma once

#include <QString>

// Plays a wave file without waiting; a new sound cuts off the one playing. A missing file or a
// machine without audio is silence, never an error.
class SoundPlayer
{
public:
    virtual ~SoundPlayer();
    virtual void play(const QString &wavePath) = 0;
};

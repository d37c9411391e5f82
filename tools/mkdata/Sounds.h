#pragma once

#include <QByteArray>

// The keystroke sounds: a short bright chime for a right key, a low buzz for a wrong one.
// 16-bit mono PCM wave files, short enough to be cut off by the next key without a click.
class Sounds
{
public:
    static constexpr int SampleRate = 22050;

    static QByteArray right();
    static QByteArray wrong();

private:
    static QByteArray wave(const QList<qint16> &samples);
};

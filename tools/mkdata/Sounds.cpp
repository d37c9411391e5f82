#include "Sounds.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

qint16 sample(double value)
{
    return qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
}

// Fades in over a few milliseconds so the start does not click, then decays.
double envelope(double t, double length, double decay)
{
    const double attack = std::min(1.0, t / 0.004);
    const double release = std::min(1.0, (length - t) / 0.006);
    return attack * std::max(0.0, release) * std::exp(-t * decay);
}

} // namespace

QByteArray Sounds::right()
{
    // Two rising notes, C6 then G6, with a soft overtone.
    QList<qint16> samples;
    const double noteLength = 0.065;
    for (const double frequency : {1046.5, 1568.0}) {
        const int count = int(noteLength * SampleRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / SampleRate;
            const double tone = std::sin(TwoPi * frequency * t) + 0.25 * std::sin(TwoPi * 2 * frequency * t);
            samples.append(sample(0.45 * envelope(t, noteLength, 18) * tone));
        }
    }
    return wave(samples);
}

QByteArray Sounds::wrong()
{
    // Two low, slightly detuned tones with odd harmonics beat against each other into a buzz.
    QList<qint16> samples;
    const double length = 0.18;
    const int count = int(length * SampleRate);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        double tone = 0;
        for (const double frequency : {180.0, 191.0}) {
            for (int h = 1; h <= 7; h += 2)
                tone += std::sin(TwoPi * frequency * h * t) / h;
        }
        samples.append(sample(0.3 * envelope(t, length, 6) * tone));
    }
    return wave(samples);
}

QByteArray Sounds::wave(const QList<qint16> &samples)
{
    QByteArray out;
    const auto put16 = [&out](quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xff));
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    out += "RIFF";
    put32(36 + dataBytes);
    out += "WAVEfmt ";
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(SampleRate);
    put32(SampleRate * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(dataBytes);
    for (const qint16 s : samples)
        put16(quint16(s));
    return out;
}

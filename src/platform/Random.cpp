#include "Random.h"

static constexpr quint64 StartState = 0x4B65796C6F6F6D31ull;

quint64 &Random::state()
{
    static quint64 s = StartState;
    return s;
}

double Random::next()
{
    // splitmix64: tiny, fast and well distributed; 53 bits make the double.
    quint64 z = (state() += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z = z ^ (z >> 31);
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

void Random::reset()
{
    state() = StartState;
}

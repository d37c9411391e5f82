#pragma once

#include <QtGlobal>

// The one program-wide uniform source in [0, 1). It is never seeded from the clock: every start of
// a program draws the same sequence.
class Random
{
public:
    static double next();
    // Back to the start-of-program state (tests).
    static void reset();

private:
    static quint64 &state();
};

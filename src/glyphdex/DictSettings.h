#pragma once

#include <QString>

// The dictionary's two settings, record 1 (6 bytes) of \SaveSet.zmd: a 32-bit mode and a 16-bit
// Boolean, little-endian.
struct DictSettings
{
    qint32 DictMode = 0;
    bool DictOnTop = false;

    // A missing or short file reads as zeros; a mode the window has no button for reads as 0.
    static DictSettings load();
    // Replaces record 1 and keeps whatever follows it. False when the file could not be written.
    bool save() const;

    static QString path();
};

#pragma once

#include <QString>

// Which finger of which hand types a key.
class FingerTable
{
public:
    struct Finger
    {
        QString finger; // "左小" … "右小"
        QString arrow;  // "←" or "→"
    };

    // Looked up by the lower-case form; nothing for keys without a taught finger.
    static const Finger *lookup(QChar c);
    // The character as given, its finger and its arrow; empty when the key has no finger.
    static QString FingerHintFor(const QString &character);
};

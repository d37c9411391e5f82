#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// The drawn keyboard: a standard 104-key board in key units (1 = one letter key), and the key
// markers that light up over it. Markers are numbered 1 … MarkerCount; a key with a shifted and
// an unshifted character carries two, the shifted one in its upper half.
class KeyboardLayout
{
public:
    struct Key
    {
        QRectF rect;
        QString upper;     // shifted legend, or the single legend
        QString lower;     // unshifted legend of a two-legend key
        bool homeBump = false;
    };

    enum class Slot { Whole, Upper, Lower };

    struct Marker
    {
        QString caption;
        int key = -1;
        Slot slot = Slot::Whole;
    };

    static constexpr int MarkerCount = 66;
    static constexpr double Width = 22.5;
    static constexpr double Height = 6.5;
    static constexpr double MainBlockWidth = 15.0;
    // The size model of every marker, in key units; markers are narrower by 1.3.
    static constexpr double ModelWidth = 0.9;
    static constexpr double ModelHeight = 0.46;

    static const QList<Key> &keys();
    // Index 0 is the size model and belongs to no key.
    static const QList<Marker> &markers();
    // Where marker i sits, in key units.
    static QRectF markerRect(int i);
    // The key whose legends include the character, or -1.
    static int keyOf(QChar c);
};

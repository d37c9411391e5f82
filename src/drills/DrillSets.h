#pragma once

#include <QString>

#include <array>
#include <optional>

// One group of keys to drill. The menu and the drill labels name a set differently, and two sets
// draw from a differently ordered pool when started from a label.
struct DrillSet
{
    QString menuCaption;
    QString labelCaption;
    QString menuPool;
    QString labelPool;
};

class DrillSets
{
public:
    static constexpr int Count = 10;
    static constexpr int CustomIndex = 9;
    // Characters in a drawn line; the window shows fewer.
    static constexpr int LineLength = 21;
    static constexpr int LabelDrawLimit = 1000;

    static const std::array<DrillSet, Count> &all();
    static const DrillSet &at(int index);
    // -1 when no set carries the caption.
    static int indexOfMenuCaption(const QString &caption);
    static int indexOfLabelCaption(const QString &caption);

    // LineLength characters drawn uniformly from the pool with the program-wide random source;
    // stops early after `drawLimit` draws when one is given. An empty pool gives an empty line.
    static QString drawLine(const QString &pool, std::optional<int> drawLimit = std::nullopt);

    static QString customKeysPrompt();
    static QString customKeysTitle();
};

#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The texts of the window's clock.
class ChatClock
{
public:
    static QDate targetDate() { return QDate(2004, 1, 1); }
    // Days from `today` to the target; 0 on the day itself and negative after it.
    static qint64 daysLeft(const QDate &today);
    static QString daysLeftText(const QDate &today);
    static QString dateText(const QDate &today);
    static QString timeText(const QTime &now);
};

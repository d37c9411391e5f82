#include "ChatClock.h"

#include "ChatMessage.h"

qint64 ChatClock::daysLeft(const QDate &today)
{
    return today.daysTo(targetDate());
}

QString ChatClock::daysLeftText(const QDate &today)
{
    return QString::number(daysLeft(today)) + QChar(u'天');
}

QString ChatClock::dateText(const QDate &today)
{
    return today.toString(QStringLiteral("yyyy-M-d"));
}

QString ChatClock::timeText(const QTime &now)
{
    return ChatMessage::timeText(now);
}

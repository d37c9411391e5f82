#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>

// One chat datagram: the time, the sender's machine name, "：", the nickname, CR LF, the message.
// No header, no length, no terminator: the datagram boundary is the message boundary.
class ChatMessage
{
public:
    static QString timeText(const QTime &time);
    // Line breaks of the message travel as CR LF whatever the send box holds.
    static QString compose(const QTime &time, const QString &machineName, const QString &nickname,
                           const QString &message);
    // Characters the code page lacks go out as '?': the receiver could not show them anyway.
    static QByteArray encode(const QString &text);
    static QString decode(const QByteArray &datagram);
};

#include "ChatMessage.h"

#include "Gbk.h"
#include "TextFile.h"

QString ChatMessage::timeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString ChatMessage::compose(const QTime &time, const QString &machineName, const QString &nickname,
                             const QString &message)
{
    QString normalised = message;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    return timeText(time) + machineName + u'：' + nickname + QStringLiteral("\r\n")
           + TextFile::withCrLf(normalised);
}

QByteArray ChatMessage::encode(const QString &text)
{
    return Gbk::encode(text).bytes;
}

QString ChatMessage::decode(const QByteArray &datagram)
{
    return Gbk::decode(datagram);
}

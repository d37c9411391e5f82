#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Gbk {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    // A sentinel blank makes a lead byte cut off at the end come out as U+FFFD instead of vanishing.
    QString text = decoder.decode(bytes + ' ');
    if (text.endsWith(u' '))
        text.chop(1);
    // The code page maps the lone byte 0xFF, which no GBK text holds, to a private-use character.
    text.replace(QChar(0xF8F5), QChar(QChar::ReplacementCharacter));
    return text;
}

static bool encodesCleanly(QStringView piece, QByteArray *out)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(piece);
    if (encoder.hasError())
        return false;
    // Some converters substitute silently: a '?' for something that was not a '?' is a failure.
    if (bytes.count('?') != piece.count(u'?'))
        return false;
    if (out)
        *out = bytes;
    return true;
}

Encoded encode(const QString &text)
{
    Encoded result;
    QByteArray whole;
    if (encodesCleanly(text, &whole)) {
        result.bytes = whole;
        return result;
    }
    // Slow path only for text that holds something GBK lacks: find the characters one by one.
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()
                               && text.at(i + 1).isLowSurrogate())
                                  ? 2
                                  : 1;
        const QStringView piece = QStringView(text).mid(i, len);
        QByteArray bytes;
        if (encodesCleanly(piece, &bytes)) {
            result.bytes += bytes;
        } else {
            result.bytes += '?';
            result.unencodable += piece;
        }
        i += len;
    }
    return result;
}

qsizetype byteLength(const QString &text)
{
    return encode(text).bytes.size();
}

} // namespace Gbk

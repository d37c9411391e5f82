#include "Charset.h"

#include "Gbk.h"

quint16 Charset::gbkCode(char16_t c)
{
    const auto found = m_codes.constFind(c);
    if (found != m_codes.constEnd())
        return *found;
    quint16 code = 0;
    // Surrogates stand for characters beyond the BMP, which GBK lacks.
    if (!QChar::isSurrogate(c)) {
        const Gbk::Encoded e = Gbk::encode(QString(QChar(c)));
        if (e.ok() && e.bytes.size() == 2)
            code = quint16((quint8(e.bytes.at(0)) << 8) | quint8(e.bytes.at(1)));
        else if (e.ok() && e.bytes.size() == 1)
            code = quint8(e.bytes.at(0));
    }
    m_codes.insert(c, code);
    return code;
}

bool Charset::isGbk(QStringView text)
{
    for (const QChar c : text) {
        if (gbkCode(c.unicode()) == 0)
            return false;
    }
    return true;
}

bool Charset::isGb2312Hanzi(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const quint16 code = gbkCode(c.unicode());
        const int lead = code >> 8;
        const int trail = code & 0xff;
        // Rows B0..F7 hold the 6763 hanzi; D7FA..D7FE are unassigned.
        if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
            return false;
        if (lead == 0xD7 && trail >= 0xFA)
            return false;
    }
    return true;
}

bool Charset::hasAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            return true;
    }
    return false;
}

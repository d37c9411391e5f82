#pragma once

#include <QHash>
#include <QString>

// Which characters the shipped files may hold: GBK for everything, the GB2312 set of common
// characters for the practice pools and word lists.
class Charset
{
public:
    bool isGbk(QStringView text);
    bool isGb2312Hanzi(QStringView text);
    static bool hasAscii(QStringView text);

private:
    // The two GBK bytes of a character, 0 when GBK cannot hold it.
    quint16 gbkCode(char16_t c);

    QHash<char16_t, quint16> m_codes;
};

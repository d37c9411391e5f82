#pragma once

#include <QByteArray>
#include <QString>

// Every file and datagram of the programs is GBK (code page 936).
namespace Gbk {

// Invalid byte sequences decode to U+FFFD.
QString decode(const QByteArray &bytes);

struct Encoded
{
    QByteArray bytes;
    QString unencodable; // each character GBK cannot hold, in order; empty when all went through
    bool ok() const { return unencodable.isEmpty(); }
};

// Characters GBK cannot hold are listed in `unencodable` and written as '?'; callers decide
// whether that is acceptable.
Encoded encode(const QString &text);

// Byte count of the GBK form (what counted strings and record widths measure).
qsizetype byteLength(const QString &text);

} // namespace Gbk

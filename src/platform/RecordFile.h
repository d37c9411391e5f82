#pragma once

#include "SaveResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The record encoding shared by the user records and the administrator settings: fields back to
// back from byte 0, strings as a little-endian 16-bit byte count and GBK bytes, little-endian
// integers and doubles, no header and no padding.
class RecordWriter
{
public:
    void addString(const QString &value);
    void addInt16(qint16 value);
    void addInt32(qint32 value);
    void addDouble(double value);
    void addBytes(const QByteArray &value, qsizetype width); // fixed width, zero-padded or cut

    // One name for every width, so a record can list its fields once for writing and reading.
    void field(const QString &value) { addString(value); }
    void field(qint16 value) { addInt16(value); }
    void field(qint32 value) { addInt32(value); }
    void field(double value) { addDouble(value); }

    const QByteArray &bytes() const { return m_bytes; }
    // Characters that GBK could not hold in any string field (written as '?').
    const QString &unencodable() const { return m_unencodable; }

private:
    QByteArray m_bytes;
    QString m_unencodable;
};

// Reading past the end gives empty strings and zeros, as for a record written by an older,
// shorter version.
class RecordReader
{
public:
    explicit RecordReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    QString readString();
    qint16 readInt16();
    qint32 readInt32();
    double readDouble();
    QByteArray readBytes(qsizetype width);

    void field(QString &value) { value = readString(); }
    void field(qint16 &value) { value = readInt16(); }
    void field(qint32 &value) { value = readInt32(); }
    void field(double &value) { value = readDouble(); }

    qsizetype position() const { return m_pos; }

private:
    QByteArray take(qsizetype width);

    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

namespace RecordFile {

inline constexpr qint64 SizeCap = 16 * 1024 * 1024;

// The file's bytes; a missing file is created empty first. Nothing when it cannot be opened
// (a folder of that name, no permission, a missing parent folder).
std::optional<QByteArray> load(const QString &path);

// Replaces the file atomically: a crash leaves the old record or the new one, never a mix. A failed
// save leaves the file as it was.
SaveResult save(const QString &path, const QByteArray &bytes);
// The same, refusing a record with a string GBK could not hold rather than storing '?' for it.
SaveResult save(const QString &path, const RecordWriter &record);

} // namespace RecordFile

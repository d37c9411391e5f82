#include "RecordFile.h"

#include "Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

void RecordWriter::addString(const QString &value)
{
    Gbk::Encoded e = Gbk::encode(value);
    m_unencodable += e.unencodable;
    QByteArray b = e.bytes.left(0xFFFF);
    addInt16(static_cast<qint16>(static_cast<quint16>(b.size())));
    m_bytes += b;
}

void RecordWriter::addInt16(qint16 value)
{
    char buf[2];
    qToLittleEndian(value, buf);
    m_bytes.append(buf, 2);
}

void RecordWriter::addInt32(qint32 value)
{
    char buf[4];
    qToLittleEndian(value, buf);
    m_bytes.append(buf, 4);
}

void RecordWriter::addDouble(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buf[8];
    qToLittleEndian(bits, buf);
    m_bytes.append(buf, 8);
}

void RecordWriter::addBytes(const QByteArray &value, qsizetype width)
{
    QByteArray b = value.left(width);
    b.resize(width, '\0');
    m_bytes += b;
}

QByteArray RecordReader::take(qsizetype width)
{
    QByteArray out = m_bytes.mid(m_pos, width);
    m_pos += width;
    out.resize(width, '\0');
    return out;
}

QString RecordReader::readString()
{
    const quint16 count = static_cast<quint16>(readInt16());
    if (m_pos >= m_bytes.size()) {
        m_pos += count;
        return QString();
    }
    // A count running past the end keeps what is there.
    const QByteArray raw = m_bytes.mid(m_pos, count);
    m_pos += count;
    return Gbk::decode(raw);
}

qint16 RecordReader::readInt16()
{
    return qFromLittleEndian<qint16>(take(2).constData());
}

qint32 RecordReader::readInt32()
{
    return qFromLittleEndian<qint32>(take(4).constData());
}

double RecordReader::readDouble()
{
    const quint64 bits = qFromLittleEndian<quint64>(take(8).constData());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray RecordReader::readBytes(qsizetype width)
{
    return take(width);
}

namespace RecordFile {

std::optional<QByteArray> load(const QString &path)
{
    if (QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
    }
    if (file.size() > SizeCap)
        return std::nullopt;
    return file.readAll();
}

SaveResult save(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (QFileInfo(path).isDir())
        return SaveResult::fromDevice(file, path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit())
        return SaveResult::success();
    return SaveResult::fromDevice(file, path);
}

SaveResult save(const QString &path, const RecordWriter &record)
{
    if (!record.unencodable().isEmpty())
        return SaveResult::unencodable(path, record.unencodable());
    return save(path, record.bytes());
}

} // namespace RecordFile

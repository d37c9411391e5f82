#include "ChatSettings.h"

#include "Gbk.h"
#include "RecordFile.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

void putDouble(QByteArray &out, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[8];
    qToLittleEndian(bits, raw);
    out.append(raw, 8);
}

double takeDouble(const QByteArray &bytes, qsizetype at)
{
    if (bytes.size() < at + 8)
        return 0;
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + at);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Cut at a character boundary so the field never ends in half a double-byte character.
QByteArray pathField(const QString &path)
{
    QByteArray field;
    for (qsizetype i = 0; i < path.size();) {
        const qsizetype len = (path.at(i).isHighSurrogate() && i + 1 < path.size()) ? 2 : 1;
        const QByteArray piece = Gbk::encode(path.mid(i, len)).bytes;
        if (field.size() + piece.size() > ChatSettings::PathWidth)
            break;
        field += piece;
        i += len;
    }
    return field.leftJustified(ChatSettings::PathWidth, ' ');
}

} // namespace

QByteArray ChatSettings::toRecord() const
{
    QByteArray out;
    out.reserve(RecordSize);
    putDouble(out, ChatWindowColor);
    putDouble(out, ChatTextColor);
    out += pathField(ChatPicturePath);
    return out;
}

ChatSettings ChatSettings::fromRecord(const QByteArray &bytes)
{
    ChatSettings settings;
    settings.ChatWindowColor = takeDouble(bytes, 0);
    settings.ChatTextColor = takeDouble(bytes, 8);
    QByteArray field = bytes.mid(16, PathWidth);
    while (!field.isEmpty() && (field.endsWith(' ') || field.endsWith('\0')))
        field.chop(1);
    settings.ChatPicturePath = Gbk::decode(field);
    settings.stored = bytes.size() >= RecordSize;
    return settings;
}

ChatSettings ChatSettings::load(const QString &path)
{
    const std::optional<QByteArray> bytes = RecordFile::load(path);
    if (!bytes)
        return ChatSettings();
    return fromRecord(bytes->left(RecordSize));
}

bool ChatSettings::save(const QString &path) const
{
    return RecordFile::save(path, toRecord()).ok();
}

bool ChatSettings::reset(const QString &path)
{
    return !QFile::exists(path) || QFile::remove(path);
}

quint32 ChatSettings::colorValue(double stored, quint32 fallback)
{
    if (!std::isfinite(stored) || stored < 0 || stored > 0xFFFFFF || stored != std::floor(stored))
        return fallback;
    return static_cast<quint32>(stored);
}

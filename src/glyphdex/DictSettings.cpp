#include "DictSettings.h"

#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QFile>

namespace {

constexpr qsizetype RecordSize = 6;

QByteArray existingBytes()
{
    QFile file(DictSettings::path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(RecordFile::SizeCap);
}

} // namespace

QString DictSettings::path()
{
    return ProgramFolder::path(QStringLiteral("\\SaveSet.zmd"));
}

DictSettings DictSettings::load()
{
    RecordReader reader(existingBytes());
    DictSettings settings;
    settings.DictMode = reader.readInt32();
    settings.DictOnTop = reader.readInt16() != 0;
    if (settings.DictMode < 0 || settings.DictMode > 2)
        settings.DictMode = 0;
    return settings;
}

bool DictSettings::save() const
{
    RecordWriter writer;
    writer.addInt32(DictMode);
    writer.addInt16(DictOnTop ? -1 : 0);
    QByteArray bytes = existingBytes();
    if (bytes.size() < RecordSize)
        bytes = writer.bytes();
    else
        bytes.replace(0, RecordSize, writer.bytes());
    return RecordFile::save(path(), bytes).ok();
}

#include "ResultRecord.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "SafeName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

QByteArray ResultRecord::encode() const
{
    RecordWriter w;
    w.addInt32(RightCount);
    w.addInt32(WrongTotal);
    w.addInt32(Speed);
    w.addDouble(TimeOfDay);
    w.addDouble(SavedDate);
    w.addDouble(TimeLimit);
    w.addBytes(ResultText, TextSize);
    return w.bytes();
}

ResultRecord ResultRecord::decode(const QByteArray &bytes)
{
    RecordReader in(bytes);
    ResultRecord r;
    r.RightCount = in.readInt32();
    r.WrongTotal = in.readInt32();
    r.Speed = in.readInt32();
    r.TimeOfDay = in.readDouble();
    r.SavedDate = in.readDouble();
    r.TimeLimit = in.readDouble();
    r.ResultText = in.readBytes(TextSize);
    return r;
}

QString ResultFilePath(const QString &userName, const QString &windowName)
{
    if (!SafeName::isUsable(userName) || !SafeName::isUsable(windowName))
        return {};
    return ProgramFolder::path(u"\\MdbSet\\UserMdb\\" + userName + u'\\' + userName + u'@'
                               + windowName + u".reu");
}

SaveResult AppendResult(const QString &userName, const QString &windowName, const ResultRecord &record)
{
    const QString path = ResultFilePath(userName, windowName);
    if (path.isEmpty())
        return SaveResult::failure(QStringLiteral("“%1”不能用作成绩文件的名字。").arg(userName));
    // A result is worth more than the missing folder's absence: make it rather than drop the run.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return SaveResult::failure(
            QStringLiteral("无法建立成绩文件夹“%1”。").arg(QDir::toNativeSeparators(folder)));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return SaveResult::fromDevice(file, path);
    // Whole records only: a cut-off tail is overwritten rather than padded into a record of junk.
    const qint64 count = file.size() / ResultRecord::Size;
    const QByteArray bytes = record.encode();
    if (!file.seek(count * ResultRecord::Size) || file.write(bytes) != bytes.size() || !file.flush()) {
        SaveResult failed = SaveResult::fromDevice(file, path);
        // Leave the file as long as its whole records, not with half of this one.
        file.resize(count * ResultRecord::Size);
        return failed;
    }
    return SaveResult::success();
}

QList<ResultRecord> ReadResults(const QString &userName, const QString &windowName)
{
    QList<ResultRecord> records;
    const QString path = ResultFilePath(userName, windowName);
    if (path.isEmpty())
        return records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QByteArray bytes = file.read(RecordFile::SizeCap);
    const qsizetype count = std::llround(static_cast<double>(bytes.size()) / ResultRecord::Size);
    for (qsizetype n = 0; n < count; ++n) {
        const QByteArray one = bytes.mid(n * ResultRecord::Size, ResultRecord::Size);
        // A cut-off last record is not a record.
        if (one.size() < ResultRecord::Size)
            break;
        records.append(ResultRecord::decode(one));
    }
    return records;
}

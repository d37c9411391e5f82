#include "SaveResult.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

SaveResult SaveResult::failure(const QString &why)
{
    SaveResult r;
    r.why = why.isEmpty() ? QStringLiteral("写入失败。") : why;
    return r;
}

SaveResult SaveResult::fromDevice(const QFileDevice &file, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    QString cause;
    if (!folder.isDir())
        cause = QStringLiteral("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(folder.filePath()));
    else if (info.isDir())
        cause = QStringLiteral("“%1”是一个文件夹。").arg(name);
    else if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        cause = QStringLiteral("没有写入“%1”的权限。").arg(name);
    else if (file.error() == QFileDevice::ResourceError || file.error() == QFileDevice::WriteError)
        cause = QStringLiteral("写入“%1”时出错，磁盘可能已满。").arg(name);
    else
        cause = QStringLiteral("无法写入“%1”。").arg(name);
    // The system's own words help whoever has to fix the folder.
    if (!file.errorString().isEmpty() && file.error() != QFileDevice::NoError)
        cause += u'（' + file.errorString() + u'）';
    return failure(cause);
}

SaveResult SaveResult::unencodable(const QString &path, const QString &characters)
{
    return failure(QStringLiteral("“%1”中含有无法保存的字符“%2”。")
                       .arg(QDir::toNativeSeparators(path), characters));
}

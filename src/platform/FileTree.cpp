#include "FileTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QSet>

namespace FileTree {

bool copyRecursively(const QString &source, const QString &target)
{
    const QFileInfo info(source);
    if (info.isSymLink() && !info.exists())
        return false;
    if (!info.isDir()) {
        if (!info.exists())
            return false;
        if (QFileInfo(target).isDir())
            return false;
        if (QFileInfo::exists(target)) {
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteUser);
            QFile::remove(target);
        }
        return QFile::copy(source, target);
    }
    if (!QDir().mkpath(target))
        return false;
    bool ok = true;
    const QFileInfoList entries = QDir(source).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &e : entries) {
        if (e.isSymLink())
            continue; // never follow a link out of the tree being copied
        ok = copyRecursively(e.absoluteFilePath(), target + u'/' + e.fileName()) && ok;
    }
    return ok;
}

bool deleteTree(const QString &folder, const std::function<void()> &between)
{
    const QFileInfo top(folder);
    if (top.isSymLink())
        return QFile::remove(folder); // remove the link, never what it points at
    if (!top.isDir())
        return false;
    QSet<QString> failed;
    bool again = true;
    while (again) {
        again = false;
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &e : entries) {
            const QString path = e.absoluteFilePath();
            if (failed.contains(path))
                continue;
            if (between)
                between();
            if (e.isDir() && !e.isSymLink()) {
                if (!deleteTree(path, between))
                    failed.insert(path);
                again = true; // list the folder again from its start
                break;
            }
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteUser | QFile::ReadUser);
            if (!QFile::remove(path))
                failed.insert(path);
        }
    }
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::WriteUser | QFile::ReadUser
                                      | QFile::ExeUser);
    return QDir().rmdir(folder);
}

} // namespace FileTree

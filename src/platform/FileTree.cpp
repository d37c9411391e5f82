#include "FileTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace FileTree {

namespace {

bool isWithin(const QString &path, const QString &folder)
{
    if (folder == u"/")
        return true;
    return path == folder || path.startsWith(folder + u'/');
}

QString joined(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

// Into a temporary file beside the target, renamed over it at the end, so a write that fails
// (a full disk) leaves the old file as it was.
bool copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QFileInfo old(target);
    if (old.isSymLink()) {
        // Replace the link itself; writing through it would change a file outside the tree.
        if (!QFile::remove(target))
            return false;
    } else if (old.exists() && !old.isWritable()) {
        QFile::setPermissions(target, old.permissions() | QFile::WriteUser);
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0) {
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got) {
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit())
        return false;
    return QFile::setPermissions(target, in.permissions());
}

class Copier
{
public:
    explicit Copier(QString sourceRoot) : m_sourceRoot(std::move(sourceRoot)) {}

    void copy(const QFileInfo &source, const QString &target)
    {
        if (source.isDir())
            copyFolder(source, target);
        else if (QFileInfo(target).isDir())
            fail(CopyResult::CopyFailed, target);
        else if (resolvedPath(target) == source.canonicalFilePath())
            fail(CopyResult::TargetIsSource, target); // never remove a file that is its own source
        else if (!copyFile(source.absoluteFilePath(), target))
            fail(CopyResult::CopyFailed, target);
    }

    const CopyResult &result() const { return m_result; }

private:
    void copyFolder(const QFileInfo &source, const QString &target)
    {
        if (!QDir().mkpath(target)) {
            fail(CopyResult::CopyFailed, target);
            return;
        }
        // A link already in the target can lead back into the source.
        if (isWithin(QFileInfo(target).canonicalFilePath(), m_sourceRoot)) {
            fail(CopyResult::TargetInsideSource, target);
            return;
        }
        QDir dir(source.absoluteFilePath());
        if (!dir.isReadable()) {
            fail(CopyResult::CopyFailed, target);
            return;
        }
        const QFileInfoList entries = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &e : entries) {
            // Never follow a link out of the tree; pipes and devices are no data to back up.
            if (e.isSymLink() || !(e.isDir() || e.isFile()))
                continue;
            copy(e, joined(target, e.fileName()));
        }
    }

    void fail(CopyResult::Reason reason, const QString &path)
    {
        if (m_result.ok())
            m_result = CopyResult{reason, path};
    }

    QString m_sourceRoot;
    CopyResult m_result;
};

} // namespace

QString resolvedPath(const QString &path)
{
    // Component by component, so ".." after a link goes where the system would take it.
    const QString absolute = QDir::isAbsolutePath(path) ? path : joined(QDir::currentPath(), path);
    QString real = QStringLiteral("/");
    bool missing = false;
    for (const QString &part : absolute.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            const qsizetype cut = real.lastIndexOf(u'/');
            real = cut <= 0 ? QStringLiteral("/") : real.left(cut);
            continue;
        }
        const QString next = joined(real, part);
        if (!missing) {
            const QString canonical = QFileInfo(next).canonicalFilePath();
            if (!canonical.isEmpty()) {
                real = canonical;
                continue;
            }
            missing = true;
        }
        real = next;
    }
    return real;
}

CopyResult copyRecursively(const QString &source, const QString &target)
{
    const QFileInfo from(source);
    const QString sourceRoot = from.canonicalFilePath();
    if (sourceRoot.isEmpty())
        return {CopyResult::SourceMissing, target};
    const QString to = resolvedPath(target);
    if (to == sourceRoot)
        return {CopyResult::TargetIsSource, target};
    if (isWithin(to, sourceRoot))
        return {CopyResult::TargetInsideSource, target};
    if (isWithin(sourceRoot, to))
        return {CopyResult::SourceInsideTarget, target};
    Copier copier(sourceRoot);
    copier.copy(QFileInfo(sourceRoot), target);
    return copier.result();
}

bool isProtectedFolder(const QString &folder)
{
    const QString real = resolvedPath(folder);
    return real == u"/" || isWithin(resolvedPath(QDir::homePath()), real);
}

bool deleteTree(const QString &folder, const std::function<void()> &between)
{
    if (isProtectedFolder(folder))
        return false;
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
            // Changing the bits of a link would change what it points at.
            if (!e.isSymLink())
                QFile::setPermissions(path, e.permissions() | QFile::WriteUser | QFile::ReadUser);
            if (!QFile::remove(path))
                failed.insert(path);
        }
    }
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::WriteUser | QFile::ReadUser
                                      | QFile::ExeUser);
    return QDir().rmdir(folder);
}

} // namespace FileTree

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString &ProgramFolder::overrideRoot()
{
    static QString folder;
    return folder;
}

QString ProgramFolder::root()
{
    const QString &o = overrideRoot();
    if (!o.isEmpty())
        return o;
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::setRoot(const QString &folder)
{
    overrideRoot() = folder;
}

QString ProgramFolder::path(const QString &relative)
{
    return resolve(root(), relative);
}

static QString matchComponent(const QString &dir, const QString &name)
{
    if (name == u"." || name == u"..")
        return name;
    if (QFileInfo::exists(dir + u'/' + name))
        return name;
    // The Windows executables of the plug-ins are our Linux programs of the same base name.
    if (name.endsWith(u".exe", Qt::CaseInsensitive)) {
        const QString bare = name.left(name.size() - 4);
        const QString found = matchComponent(dir, bare);
        if (QFileInfo::exists(dir + u'/' + found))
            return found;
    }
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot);
    for (const QString &e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return name;
}

QString ProgramFolder::resolve(const QString &root, const QString &relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const bool trailing = rel.endsWith(u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    QString current = root;
    while (current.size() > 1 && current.endsWith(u'/'))
        current.chop(1);
    for (const QString &part : parts)
        current += u'/' + matchComponent(current, part);
    if (trailing)
        current += u'/';
    return current;
}

#include "CutPathAfterExtension.h"

QString CutPathAfterExtension(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (slash < 0)
        return QString();
    for (const QStringView ext : {u".T", u".R", u".t"}) {
        const qsizetype dot = path.indexOf(ext, slash, Qt::CaseSensitive);
        if (dot >= 0)
            return path.left(dot + 4);
    }
    return QString();
}

#include "FileSelectionText.h"

#include <QFileInfo>

namespace FileSelectionText {

Result compose(const QStringList &paths, bool multiSelect)
{
    Result result;
    if (paths.isEmpty())
        return result;
    if (!multiSelect) {
        result.text = paths.first();
        return result;
    }

    QString folder;
    QStringList kept;
    QStringList names;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString parent = info.absolutePath();
        if (path.contains(u':') || (!folder.isEmpty() && parent != folder)) {
            result.refused << path;
            continue;
        }
        folder = parent;
        kept << info.absoluteFilePath();
        names << info.fileName();
    }
    if (names.isEmpty())
        return result;
    if (names.size() == 1) {
        result.text = kept.first();
        return result;
    }
    // Callers look for the first ":" from the third character on; "/" alone would hide it.
    if (folder == u"/")
        folder = QStringLiteral("/.");
    result.text = folder + u':' + names.join(u':');
    return result;
}

} // namespace FileSelectionText

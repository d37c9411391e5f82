#include "RimeDictionary.h"

#include <QFile>

bool RimeDictionary::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    m_entries.clear();
    m_header.clear();

    // Layout: a comment block, a YAML document from "---" to "...", then one entry a line.
    bool inBody = false;
    bool inHeader = true;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!inBody) {
            if (line == u"---")
                inHeader = false;
            else if (inHeader && line.startsWith(u'#'))
                m_header += line.toString() + u'\n';
            if (line == u"...")
                inBody = true;
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto columns = line.split(u'\t');
        if (columns.size() < 2 || columns.at(0).isEmpty() || columns.at(1).isEmpty())
            continue;
        Entry entry;
        entry.text = columns.at(0).toString();
        entry.code = columns.at(1).toString();
        if (columns.size() > 2)
            entry.weight = columns.at(2).toLongLong();
        m_entries.append(entry);
    }
    if (m_entries.isEmpty()) {
        *error = QStringLiteral("%1 holds no dictionary entries").arg(path);
        return false;
    }
    return true;
}

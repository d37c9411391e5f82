#pragma once

#include <QList>
#include <QString>

// One installed rime dictionary: its entries in file order and the comment block that heads it
// (authors and origin, shipped with the tables as part of the licence notice).
class RimeDictionary
{
public:
    struct Entry
    {
        QString text;
        QString code; // as written in the file; pinyin keeps its spaces here
        qint64 weight = 0;
    };

    // False with a message when the file cannot be read or holds no entries.
    bool load(const QString &path, QString *error);

    const QList<Entry> &entries() const { return m_entries; }
    const QString &header() const { return m_header; }

private:
    QList<Entry> m_entries;
    QString m_header;
};

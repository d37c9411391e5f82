#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where the generated files land, and a record of what was written for the closing summary.
class OutputFolder
{
public:
    explicit OutputFolder(const QString &root);

    // `relative` uses forward slashes; folders are created on the way. `count` describes the
    // content for the summary ("6763 entries").
    bool writeBytes(const QString &relative, const QByteArray &bytes, const QString &count);
    // Fails, writing nothing, when GBK cannot hold a character of `text`.
    bool writeGbk(const QString &relative, const QString &text, const QString &count);

    const QString &error() const { return m_error; }
    QString summary() const;
    int fileCount() const { return int(m_written.size()); }

private:
    struct Written
    {
        QString path;
        qint64 size = 0;
        QString count;
    };

    QString m_root;
    QString m_error;
    QList<Written> m_written;
};

#pragma once

#include "SaveResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One kept practice run: 66 bytes in the user's result file of that window.
struct ResultRecord
{
    static constexpr qsizetype Size = 66;
    static constexpr qsizetype TextSize = 30;

    qint32 RightCount = 0;
    qint32 WrongTotal = 0;
    qint32 Speed = 0;
    double TimeOfDay = 0;  // fraction of a day
    double SavedDate = 0;  // days since 30 December 1899
    double TimeLimit = 0;  // minutes
    QByteArray ResultText; // written as zero bytes, never read

    QByteArray encode() const;
    static ResultRecord decode(const QByteArray &bytes);
};

// "<program folder>/MdbSet/UserMdb/<user>/<user>@<window>.reu"; empty when the user name cannot be
// a folder name.
QString ResultFilePath(const QString &userName, const QString &windowName);

// Writes the record right after the last whole one; a missing file, and a missing results folder of
// an existing user, are created. A failure says why; the records already there stay.
SaveResult AppendResult(const QString &userName, const QString &windowName, const ResultRecord &record);
// Every record of the file, first to last; none for a missing or unreadable file.
QList<ResultRecord> ReadResults(const QString &userName, const QString &windowName);

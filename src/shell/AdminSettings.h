#pragma once

#include "SaveResult.h"

#include <QByteArray>
#include <QString>

// The administrator's settings, "\MdbSet\GLY.dat". A missing file reads as all empty: multi-user,
// no password, nothing disabled.
struct AdminSettings
{
    QString Reserved1;
    QString AdminPassword;
    QString UserMode;
    QString AdminName;
    QString SingleUserName;
    qint32 DisableGame = 0;
    qint32 DisableChat = 0;
    qint32 ChatDeleted = 0;

    bool singleUser() const;

    QByteArray encode() const;
    static AdminSettings decode(const QByteArray &bytes);
    static QString path();
    // An unreadable file reads as empty too; a missing one is created empty.
    static AdminSettings load();
    SaveResult save() const;

    bool operator==(const AdminSettings &) const = default;
};

#pragma once

#include "SaveResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A user's settings and password, stored as one record in "\MdbSet\UserList\" + user name. Fields
// are in file order; the defaults are those of a new user.
struct UserRecord
{
    QString UserName;
    QString Password;
    qint32 EnglishPosition = 0;
    qint32 DrillSound = 0;
    qint32 DrillFingering = 0;
    qint32 SoundSetting = 0;
    qint32 EnglishFingering = 0;
    qint32 DrillIndex = 0;
    QString LastWindow;
    QString CustomKeys;
    qint32 WubiDrill = 0;
    qint32 WubiZone = 0;
    qint32 WubiSlider1 = 0;
    qint32 WubiSlider2 = 0;
    qint32 WubiSlider3 = 0;
    qint32 WubiSlider4 = 0;
    qint32 ArticlePage = 0;
    qint32 CodeDisplay = 0;
    QString CodeShowOption1;
    QString CodeShowOption2;
    qint32 WubiLabelIndex = 0;
    qint32 QWTextIndex = 0;
    qint32 QWLevelButton = 0;
    QString CurrentArticle;
    qint32 ArticleDone = 0;
    qint32 GameFontSize = 0;
    QString GameFontName;
    qint32 GameFontColor = 0;
    qint32 GameLevel = 0;
    qint32 GameMinutes = 0;
    qint32 GameBackColor = 0;
    qint16 GameFontBold = 0;
    qint16 GameFontItalic = 0;
    qint16 GameFontUnderline = 0;
    qint32 GameContentMode = 0;
    qint32 GamePicture = 0;
    QString PersonalData;
    qint32 LibraryChoice = 0;
    qint32 WubiShowRadicals = 0;
    qint32 WubiShowCode = 0;
    qint32 WubiShowLetter = 0;
    qint32 WubiShowMnemonic = 0;
    qint32 WubiSoundMode = 0;
    qint32 Spare = 0;
    qint32 SharingMode = 0;

    // The record of a new user: the settings every user starts with.
    static UserRecord newUser(const QString &name, const QString &password);

    QByteArray encode() const;
    // Bytes past the last field (an older, longer record) are ignored; missing ones read as empty.
    static UserRecord decode(const QByteArray &bytes);

    bool operator==(const UserRecord &) const = default;
};

// "<program folder>/MdbSet/UserList/<name>"; empty when the name cannot be a file name there.
QString UserRecordPath(const QString &name);
// Whether a user name can name a record file inside the user list folder.
bool IsUsableUserName(const QString &name);

inline constexpr int MaxUserNameLength = 32;
// Why a new account with this name and password cannot be made, or nothing when it can. Stricter
// than IsUsableUserName: older accounts with longer names must still be able to log in.
std::optional<QString> NewUserNameProblem(const QString &name);
std::optional<QString> NewPasswordProblem(const QString &password);

// The record operations act on the record the caller holds. Each reports whether the file was
// read or written; on failure the record and the file are left as they were.
SaveResult CreateUserRecord(UserRecord &record, const QString &name, const QString &password);
bool LoadUserRecord(UserRecord &current, const QString &name);
// Refuses a record with text GBK cannot hold instead of storing '?' for it.
SaveResult SaveUserRecord(const UserRecord &current, const QString &name);

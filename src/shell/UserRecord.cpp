#include "UserRecord.h"

#include "ProgramFolder.h"
#include "RecordFile.h"

UserRecord UserRecord::newUser(const QString &name, const QString &password)
{
    UserRecord r;
    r.UserName = name;
    r.Password = password;
    r.EnglishPosition = 1;
    r.DrillSound = 1;
    r.DrillFingering = 1;
    r.SoundSetting = 1;
    r.EnglishFingering = 1;
    r.LastWindow = QStringLiteral("FomTT");
    r.WubiDrill = 1;
    r.WubiZone = 6;
    r.WubiSlider1 = 1;
    r.WubiSlider2 = 1;
    r.WubiSlider3 = 1;
    r.WubiSlider4 = 1;
    r.GameFontSize = 20;
    r.GameFontName = QStringLiteral("宋体");
    r.GameFontColor = 255;
    r.GameLevel = 2;
    r.WubiShowRadicals = 1;
    r.WubiShowCode = 1;
    r.WubiShowLetter = 1;
    r.WubiShowMnemonic = 1;
    return r;
}

QByteArray UserRecord::encode() const
{
    RecordWriter w;
    w.addString(UserName);
    w.addString(Password);
    w.addInt32(EnglishPosition);
    w.addInt32(DrillSound);
    w.addInt32(DrillFingering);
    w.addInt32(SoundSetting);
    w.addInt32(EnglishFingering);
    w.addInt32(DrillIndex);
    w.addString(LastWindow);
    w.addString(CustomKeys);
    w.addInt32(WubiDrill);
    w.addInt32(WubiZone);
    w.addInt32(WubiSlider1);
    w.addInt32(WubiSlider2);
    w.addInt32(WubiSlider3);
    w.addInt32(WubiSlider4);
    w.addInt32(ArticlePage);
    w.addInt32(CodeDisplay);
    w.addString(CodeShowOption1);
    w.addString(CodeShowOption2);
    w.addInt32(WubiLabelIndex);
    w.addInt32(QWTextIndex);
    w.addInt32(QWLevelButton);
    w.addString(CurrentArticle);
    w.addInt32(ArticleDone);
    w.addInt32(GameFontSize);
    w.addString(GameFontName);
    w.addInt32(GameFontColor);
    w.addInt32(GameLevel);
    w.addInt32(GameMinutes);
    w.addInt32(GameBackColor);
    w.addInt16(GameFontBold);
    w.addInt16(GameFontItalic);
    w.addInt16(GameFontUnderline);
    w.addInt32(GameContentMode);
    w.addInt32(GamePicture);
    w.addString(PersonalData);
    w.addInt32(LibraryChoice);
    w.addInt32(WubiShowRadicals);
    w.addInt32(WubiShowCode);
    w.addInt32(WubiShowLetter);
    w.addInt32(WubiShowMnemonic);
    w.addInt32(WubiSoundMode);
    w.addInt32(Spare);
    w.addInt32(SharingMode);
    return w.bytes();
}

UserRecord UserRecord::decode(const QByteArray &bytes)
{
    RecordReader in(bytes);
    UserRecord r;
    r.UserName = in.readString();
    r.Password = in.readString();
    r.EnglishPosition = in.readInt32();
    r.DrillSound = in.readInt32();
    r.DrillFingering = in.readInt32();
    r.SoundSetting = in.readInt32();
    r.EnglishFingering = in.readInt32();
    r.DrillIndex = in.readInt32();
    r.LastWindow = in.readString();
    r.CustomKeys = in.readString();
    r.WubiDrill = in.readInt32();
    r.WubiZone = in.readInt32();
    r.WubiSlider1 = in.readInt32();
    r.WubiSlider2 = in.readInt32();
    r.WubiSlider3 = in.readInt32();
    r.WubiSlider4 = in.readInt32();
    r.ArticlePage = in.readInt32();
    r.CodeDisplay = in.readInt32();
    r.CodeShowOption1 = in.readString();
    r.CodeShowOption2 = in.readString();
    r.WubiLabelIndex = in.readInt32();
    r.QWTextIndex = in.readInt32();
    r.QWLevelButton = in.readInt32();
    r.CurrentArticle = in.readString();
    r.ArticleDone = in.readInt32();
    r.GameFontSize = in.readInt32();
    r.GameFontName = in.readString();
    r.GameFontColor = in.readInt32();
    r.GameLevel = in.readInt32();
    r.GameMinutes = in.readInt32();
    r.GameBackColor = in.readInt32();
    r.GameFontBold = in.readInt16();
    r.GameFontItalic = in.readInt16();
    r.GameFontUnderline = in.readInt16();
    r.GameContentMode = in.readInt32();
    r.GamePicture = in.readInt32();
    r.PersonalData = in.readString();
    r.LibraryChoice = in.readInt32();
    r.WubiShowRadicals = in.readInt32();
    r.WubiShowCode = in.readInt32();
    r.WubiShowLetter = in.readInt32();
    r.WubiShowMnemonic = in.readInt32();
    r.WubiSoundMode = in.readInt32();
    r.Spare = in.readInt32();
    r.SharingMode = in.readInt32();
    return r;
}

bool IsUsableUserName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (QStringView(u"/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

QString UserRecordPath(const QString &name)
{
    if (!IsUsableUserName(name))
        return {};
    return ProgramFolder::path(u"\\MdbSet\\UserList\\" + name);
}

bool CreateUserRecord(UserRecord &current, const QString &name, const QString &password)
{
    current = UserRecord::newUser(name, password);
    return SaveUserRecord(current, name);
}

bool LoadUserRecord(UserRecord &current, const QString &name)
{
    const QString path = UserRecordPath(name);
    if (path.isEmpty())
        return false;
    const auto bytes = RecordFile::load(path);
    if (!bytes)
        return false;
    current = UserRecord::decode(*bytes);
    return true;
}

bool SaveUserRecord(const UserRecord &current, const QString &name)
{
    const QString path = UserRecordPath(name);
    if (path.isEmpty())
        return false;
    return RecordFile::save(path, current.encode());
}

#include "UserRecord.h"

#include "Gbk.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "SafeName.h"

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

namespace {

// The fields in file order, listed once for writing and for reading.
template<typename Record, typename Io>
void transferFields(Record &r, Io &io)
{
    io.field(r.UserName);
    io.field(r.Password);
    io.field(r.EnglishPosition);
    io.field(r.DrillSound);
    io.field(r.DrillFingering);
    io.field(r.SoundSetting);
    io.field(r.EnglishFingering);
    io.field(r.DrillIndex);
    io.field(r.LastWindow);
    io.field(r.CustomKeys);
    io.field(r.WubiDrill);
    io.field(r.WubiZone);
    io.field(r.WubiSlider1);
    io.field(r.WubiSlider2);
    io.field(r.WubiSlider3);
    io.field(r.WubiSlider4);
    io.field(r.ArticlePage);
    io.field(r.CodeDisplay);
    io.field(r.CodeShowOption1);
    io.field(r.CodeShowOption2);
    io.field(r.WubiLabelIndex);
    io.field(r.QWTextIndex);
    io.field(r.QWLevelButton);
    io.field(r.CurrentArticle);
    io.field(r.ArticleDone);
    io.field(r.GameFontSize);
    io.field(r.GameFontName);
    io.field(r.GameFontColor);
    io.field(r.GameLevel);
    io.field(r.GameMinutes);
    io.field(r.GameBackColor);
    io.field(r.GameFontBold);
    io.field(r.GameFontItalic);
    io.field(r.GameFontUnderline);
    io.field(r.GameContentMode);
    io.field(r.GamePicture);
    io.field(r.PersonalData);
    io.field(r.LibraryChoice);
    io.field(r.WubiShowRadicals);
    io.field(r.WubiShowCode);
    io.field(r.WubiShowLetter);
    io.field(r.WubiShowMnemonic);
    io.field(r.WubiSoundMode);
    io.field(r.Spare);
    io.field(r.SharingMode);
}

} // namespace

QByteArray UserRecord::encode() const
{
    RecordWriter w;
    transferFields(*this, w);
    return w.bytes();
}

UserRecord UserRecord::decode(const QByteArray &bytes)
{
    RecordReader in(bytes);
    UserRecord r;
    transferFields(r, in);
    return r;
}

bool IsUsableUserName(const QString &name)
{
    return SafeName::isUsable(name);
}

std::optional<QString> NewUserNameProblem(const QString &name)
{
    // A leading dot hides the record from the user list, so the account could be made twice.
    if (!SafeName::isUsable(name) || name.startsWith(u'.'))
        return QStringLiteral("用户名不能以“.”开头，也不能含有 / \\ : * ? \" < > | 或控制字符！");
    if (name.size() > MaxUserNameLength)
        return QStringLiteral("用户名不能超过%1个字符！").arg(MaxUserNameLength);
    const Gbk::Encoded e = Gbk::encode(name);
    if (!e.ok())
        return QStringLiteral("用户名中含有无法保存的字符“%1”，请换一个用户名！").arg(e.unencodable);
    return std::nullopt;
}

std::optional<QString> NewPasswordProblem(const QString &password)
{
    // The characters themselves are not repeated: someone may be looking over the shoulder.
    if (!Gbk::encode(password).ok())
        return QStringLiteral("密码中含有无法保存的字符，请换一个密码！");
    return std::nullopt;
}

QString UserRecordPath(const QString &name)
{
    if (!IsUsableUserName(name))
        return {};
    return ProgramFolder::path(u"\\MdbSet\\UserList\\" + name);
}

SaveResult CreateUserRecord(UserRecord &record, const QString &name, const QString &password)
{
    const UserRecord made = UserRecord::newUser(name, password);
    SaveResult saved = SaveUserRecord(made, name);
    if (saved)
        record = made;
    return saved;
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

SaveResult SaveUserRecord(const UserRecord &current, const QString &name)
{
    const QString path = UserRecordPath(name);
    if (path.isEmpty())
        return SaveResult::failure(QStringLiteral("“%1”不能用作用户记录的文件名。").arg(name));
    RecordWriter w;
    transferFields(current, w);
    return RecordFile::save(path, w);
}

#include "AdminSettings.h"
#include "TempProgramFolder.h"
#include "UserRecord.h"

#include <QDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

QByteArray i32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray i16(qint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A counted string of bytes that are already GBK (or plain ASCII).
QByteArray str(const QByteArray &gbk)
{
    return i16(qint16(gbk.size())) + gbk;
}

// The file of a user "张三" with password "abc" as a new user gets it, field by field.
QByteArray newUserZhangSan()
{
    QByteArray b;
    b += str("\xd5\xc5\xc8\xfd");                           // UserName 张三
    b += str("abc");                                       // Password
    b += i32(1) + i32(1) + i32(1) + i32(1) + i32(1);        // EnglishPosition .. EnglishFingering
    b += i32(0);                                           // DrillIndex
    b += str("FomTT");                                     // LastWindow
    b += str("");                                          // CustomKeys
    b += i32(1) + i32(6);                                  // WubiDrill, WubiZone
    b += i32(1) + i32(1) + i32(1) + i32(1);                 // WubiSlider1..4
    b += i32(0) + i32(0);                                  // ArticlePage, CodeDisplay
    b += str("") + str("");                                // CodeShowOption1, 2
    b += i32(0) + i32(0) + i32(0);                         // WubiLabelIndex, QWTextIndex, QWLevelButton
    b += str("");                                          // CurrentArticle
    b += i32(0);                                           // ArticleDone
    b += i32(20);                                          // GameFontSize
    b += str("\xcb\xce\xcc\xe5");                          // GameFontName 宋体
    b += i32(255) + i32(2) + i32(0) + i32(0);              // colour, level, minutes, back colour
    b += i16(0) + i16(0) + i16(0);                         // bold, italic, underline
    b += i32(0) + i32(0);                                  // GameContentMode, GamePicture
    b += str("");                                          // PersonalData
    b += i32(0);                                           // LibraryChoice
    b += i32(1) + i32(1) + i32(1) + i32(1);                 // Wubi check boxes
    b += i32(0) + i32(0) + i32(0);                         // WubiSoundMode, Spare, SharingMode
    return b;
}

} // namespace

class TestShellRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newUserBytesMatchHandWrittenLayout();
    void fieldsRoundTripInTheirOwnSlots();
    void olderLongerRecordIsReadAndItsTailIgnored();
    void shorterRecordReadsMissingFieldsAsEmpty();
    void createLoadSaveUseTheUserListFolder();
    void loadOfMissingRecordCreatesItEmpty();
    void unusableNames_data();
    void unusableNames();
    void newAccountRules_data();
    void newAccountRules();
    void saveRefusesWhatGbkCannotHold_data();
    void saveRefusesWhatGbkCannotHold();
    void failedSaveSaysWhyAndKeepsTheFile();
    void adminSettingsLayoutAndModes_data();
    void adminSettingsLayoutAndModes();
    void adminSettingsMissingFileReadsEmpty();
};

void TestShellRecords::newUserBytesMatchHandWrittenLayout()
{
    const UserRecord r = UserRecord::newUser(u"张三"_s, u"abc"_s);
    QCOMPARE(r.encode(), newUserZhangSan());
    QCOMPARE(UserRecord::decode(newUserZhangSan()), r);
}

void TestShellRecords::fieldsRoundTripInTheirOwnSlots()
{
    // Distinct values everywhere, written out by hand in file order, so a field read or written in
    // another field's slot shows up.
    UserRecord r;
    r.UserName = u"李四"_s;
    r.Password = u"密码123"_s;
    qint32 n = 100;
    for (qint32 *f : {&r.EnglishPosition, &r.DrillSound, &r.DrillFingering, &r.SoundSetting,
                      &r.EnglishFingering, &r.DrillIndex, &r.WubiDrill, &r.WubiZone, &r.WubiSlider1,
                      &r.WubiSlider2, &r.WubiSlider3, &r.WubiSlider4, &r.ArticlePage, &r.CodeDisplay,
                      &r.WubiLabelIndex, &r.QWTextIndex, &r.QWLevelButton, &r.ArticleDone,
                      &r.GameFontSize, &r.GameFontColor, &r.GameLevel, &r.GameMinutes,
                      &r.GameBackColor, &r.GameContentMode, &r.GamePicture, &r.LibraryChoice,
                      &r.WubiShowRadicals, &r.WubiShowCode, &r.WubiShowLetter, &r.WubiShowMnemonic,
                      &r.WubiSoundMode, &r.Spare, &r.SharingMode})
        *f = n++;
    r.GameFontBold = -1;
    r.GameFontItalic = 7;
    r.GameFontUnderline = -3;
    r.LastWindow = u"FomQW"_s;
    r.CustomKeys = u"asdf"_s;
    r.CodeShowOption1 = u"CS1"_s;
    r.CodeShowOption2 = u"CS2x"_s;
    r.CurrentArticle = u"art"_s;
    r.GameFontName = u"font"_s;
    r.PersonalData = u"pd"_s;

    QByteArray b;
    b += str("\xc0\xee\xcb\xc4") + str("\xc3\xdc\xc2\xeb" "123"); // 李四, 密码123
    b += i32(100) + i32(101) + i32(102) + i32(103) + i32(104);       // EnglishPosition .. EnglishFingering
    b += i32(105);                                                  // DrillIndex
    b += str("FomQW") + str("asdf");                                // LastWindow, CustomKeys
    b += i32(106) + i32(107);                                       // WubiDrill, WubiZone
    b += i32(108) + i32(109) + i32(110) + i32(111);                  // WubiSlider1..4
    b += i32(112) + i32(113);                                       // ArticlePage, CodeDisplay
    b += str("CS1") + str("CS2x");                                  // CodeShowOption1, 2
    b += i32(114) + i32(115) + i32(116);                            // WubiLabelIndex, QWTextIndex, QWLevelButton
    b += str("art");                                                // CurrentArticle
    b += i32(117);                                                  // ArticleDone
    b += i32(118);                                                  // GameFontSize
    b += str("font");                                               // GameFontName
    b += i32(119) + i32(120) + i32(121) + i32(122);                  // colour, level, minutes, back colour
    b += i16(-1) + i16(7) + i16(-3);                                // bold, italic, underline
    b += i32(123) + i32(124);                                       // GameContentMode, GamePicture
    b += str("pd");                                                 // PersonalData
    b += i32(125);                                                  // LibraryChoice
    b += i32(126) + i32(127) + i32(128) + i32(129);                  // Wubi check boxes
    b += i32(130) + i32(131) + i32(132);                            // WubiSoundMode, Spare, SharingMode

    QCOMPARE(r.encode(), b);
    QCOMPARE(UserRecord::decode(b), r);
}

void TestShellRecords::olderLongerRecordIsReadAndItsTailIgnored()
{
    const QByteArray older = newUserZhangSan() + QByteArray("\x05\x00stale", 7) + i32(99);
    const UserRecord r = UserRecord::decode(older);
    QCOMPARE(r, UserRecord::newUser(u"张三"_s, u"abc"_s));
}

void TestShellRecords::shorterRecordReadsMissingFieldsAsEmpty()
{
    const QByteArray shorter = str("ann") + str("pw1") + i32(5);
    const UserRecord r = UserRecord::decode(shorter);
    QCOMPARE(r.UserName, u"ann"_s);
    QCOMPARE(r.Password, u"pw1"_s);
    QCOMPARE(r.EnglishPosition, 5);
    QCOMPARE(r.LastWindow, QString());
    QCOMPARE(r.GameFontSize, 0);
    QCOMPARE(r.SharingMode, 0);
}

void TestShellRecords::createLoadSaveUseTheUserListFolder()
{
    TempProgramFolder folder;
    UserRecord current;
    current.ArticlePage = 9; // something of a previous user
    QVERIFY(CreateUserRecord(current, u"张三"_s, u"abc"_s));
    QCOMPARE(current, UserRecord::newUser(u"张三"_s, u"abc"_s));
    QCOMPARE(folder.readBytes(u"MdbSet/UserList/张三"_s), newUserZhangSan());

    current.DrillIndex = 4;
    QVERIFY(SaveUserRecord(current, current.UserName));
    UserRecord other;
    QVERIFY(LoadUserRecord(other, u"张三"_s));
    QCOMPARE(other.DrillIndex, 4);
    QCOMPARE(other, current);
}

void TestShellRecords::loadOfMissingRecordCreatesItEmpty()
{
    TempProgramFolder folder;
    UserRecord current = UserRecord::newUser(u"x"_s, QString());
    QVERIFY(LoadUserRecord(current, u"ghost"_s));
    QCOMPARE(current, UserRecord());
    QVERIFY(folder.exists(u"MdbSet/UserList/ghost"_s));
    QCOMPARE(folder.readBytes(u"MdbSet/UserList/ghost"_s).size(), 0);
}

void TestShellRecords::unusableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::addRow("chinese") << u"王小明"_s << true;
    QTest::addRow("with space") << u"ann lee"_s << true;
    QTest::addRow("dot inside") << u"a.b"_s << true;
    QTest::addRow("empty") << QString() << false;
    QTest::addRow("blanks") << u"   "_s << false;
    QTest::addRow("dot") << u"."_s << false;
    QTest::addRow("dot dot") << u".."_s << false;
    for (const QString &bad : {u"a/b"_s, u"..\\GLY.dat"_s, u"c:x"_s, u"a*"_s, u"a?"_s, u"a\"b"_s,
                               u"<a>"_s, u"a|b"_s, u"a\tb"_s, u"a\nb"_s})
        QTest::addRow("%s", bad.toUtf8().toPercentEncoding().constData()) << bad << false;
}

void TestShellRecords::unusableNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    TempProgramFolder folder;
    QCOMPARE(IsUsableUserName(name), usable);
    UserRecord r;
    QCOMPARE(CreateUserRecord(r, name, u"abc"_s).ok(), usable);
    const int expected = usable ? 1 : 0;
    QCOMPARE(QDir(folder.root() + u"/MdbSet/UserList"_s).entryList(QDir::Files).size(), expected);
    QCOMPARE(QDir(folder.root() + u"/MdbSet"_s).entryList(QDir::Files), QStringList());
}

void TestShellRecords::newAccountRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("problem"); // a part of the message; empty = the account can be made
    QTest::addRow("chinese name") << u"王小明"_s << u"abc"_s << QString();
    QTest::addRow("32 characters") << QString(32, u'a') << QString() << QString();
    QTest::addRow("33 characters") << QString(33, u'a') << QString() << u"不能超过32个字符"_s;
    QTest::addRow("korean name") << u"한글"_s << u"abc"_s << u"无法保存的字符“한글”"_s;
    QTest::addRow("emoji in name") << u"ann😀"_s << u"abc"_s << u"无法保存的字符"_s;
    QTest::addRow("leading dot") << u".x"_s << u"abc"_s << u"不能以“.”开头"_s;
    QTest::addRow("dot dot") << u".."_s << u"abc"_s << u"不能以“.”开头"_s;
    QTest::addRow("separator") << u"a/b"_s << u"abc"_s << u"不能以“.”开头"_s;
    QTest::addRow("korean password") << u"ann"_s << u"비밀번호"_s << u"密码中含有无法保存的字符"_s;
}

// What the login window refuses before it writes anything.
void TestShellRecords::newAccountRules()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, problem);
    std::optional<QString> said = NewUserNameProblem(name);
    if (!said)
        said = NewPasswordProblem(password);
    if (problem.isEmpty()) {
        QVERIFY2(!said, qPrintable(said.value_or(QString())));
        return;
    }
    QVERIFY(said);
    QVERIFY2(said->contains(problem), qPrintable(*said));
    // The password itself is never repeated back.
    QVERIFY(password.isEmpty() || !said->contains(password));
}

void TestShellRecords::saveRefusesWhatGbkCannotHold_data()
{
    QTest::addColumn<QString>("customKeys");
    QTest::addColumn<QString>("personal");
    QTest::addRow("korean keys") << u"한"_s << QString();
    QTest::addRow("emoji in personal data") << QString() << u"我😀"_s;
}

// A field stored as "?" would be lost in silence; the save fails instead and the file stays.
void TestShellRecords::saveRefusesWhatGbkCannotHold()
{
    QFETCH(QString, customKeys);
    QFETCH(QString, personal);
    TempProgramFolder folder;
    UserRecord r;
    QVERIFY(CreateUserRecord(r, u"ann"_s, u"abc"_s).ok());
    const QByteArray before = folder.readBytes(u"MdbSet/UserList/ann"_s);
    r.CustomKeys = customKeys;
    r.PersonalData = personal;
    const SaveResult saved = SaveUserRecord(r, u"ann"_s);
    QVERIFY(!saved.ok());
    QVERIFY2(saved.why.contains(u"无法保存的字符"_s), qPrintable(saved.why));
    QCOMPARE(folder.readBytes(u"MdbSet/UserList/ann"_s), before);
}

void TestShellRecords::failedSaveSaysWhyAndKeepsTheFile()
{
    TempProgramFolder folder;
    UserRecord r = UserRecord::newUser(u"ann"_s, QString());
    // No user list folder: a file stands where it should be.
    QVERIFY(QDir(folder.root() + u"/MdbSet/UserList"_s).removeRecursively());
    folder.writeBytes(u"MdbSet/UserList"_s, "not a folder");
    const SaveResult saved = SaveUserRecord(r, u"ann"_s);
    QVERIFY(!saved.ok());
    QVERIFY2(saved.why.contains(u"UserList"_s), qPrintable(saved.why));
    QCOMPARE(folder.readBytes(u"MdbSet/UserList"_s), QByteArray("not a folder"));

    UserRecord made = UserRecord::newUser(u"kept"_s, QString());
    QVERIFY(!CreateUserRecord(made, u"bo"_s, u"abc"_s).ok());
    QCOMPARE(made.UserName, u"kept"_s);
}

void TestShellRecords::adminSettingsLayoutAndModes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("singleName");
    QTest::addColumn<qint32>("game");
    QTest::addColumn<qint32>("chat");
    QTest::addColumn<qint32>("deleted");
    QTest::addRow("single user")
        << QByteArray(str("") + str("root") + str("1") + str("admin") + str("ann") + i32(1) + i32(0) + i32(1))
        << true << u"ann"_s << 1 << 0 << 1;
    QTest::addRow("multi user zero")
        << QByteArray(str("") + str("") + str("0") + str("") + str("ann") + i32(0) + i32(1) + i32(0))
        << false << u"ann"_s << 0 << 1 << 0;
    QTest::addRow("empty mode") << QByteArray(str("") + str("pw")) << false << QString() << 0 << 0 << 0;
    QTest::addRow("empty file") << QByteArray() << false << QString() << 0 << 0 << 0;
}

void TestShellRecords::adminSettingsLayoutAndModes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, single);
    QFETCH(QString, singleName);
    QFETCH(qint32, game);
    QFETCH(qint32, chat);
    QFETCH(qint32, deleted);
    TempProgramFolder folder;
    folder.writeBytes(u"MdbSet/GLY.dat"_s, bytes);
    const AdminSettings s = AdminSettings::load();
    QCOMPARE(s.singleUser(), single);
    QCOMPARE(s.SingleUserName, singleName);
    QCOMPARE(s.DisableGame, game);
    QCOMPARE(s.DisableChat, chat);
    QCOMPARE(s.ChatDeleted, deleted);
    if (bytes.size() > 30)
        QCOMPARE(s.encode(), bytes);
}

void TestShellRecords::adminSettingsMissingFileReadsEmpty()
{
    TempProgramFolder folder;
    QCOMPARE(AdminSettings::load(), AdminSettings());
    AdminSettings s;
    s.AdminPassword = u"管理"_s;
    s.DisableChat = 1;
    QVERIFY(s.save());
    QCOMPARE(folder.readBytes(u"MdbSet/GLY.dat"_s),
             QByteArray(str("") + str("\xb9\xdc\xc0\xed") + str("") + str("") + str("") + i32(0) + i32(1)
                        + i32(0)));
}

QTEST_GUILESS_MAIN(TestShellRecords)
#include "tst_shell_records.moc"

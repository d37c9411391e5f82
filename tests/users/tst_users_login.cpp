#include "FomLogin.h"
#include "FomPassWord.h"
#include "MDIForm1.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "TempProgramFolder.h"

#include <QAction>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Text as an input method hands it over: one commit, Chinese and all.
void commit(QLineEdit *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

} // namespace

class TestUsersLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newUserFrameOpensAndCloses();
    void newUserRules_data();
    void newUserRules();
    void logInRules_data();
    void logInRules();
    void doubleClickLogsIn();
    void failedLoginLeavesNothingBehindForTheNextUser();
    void deleteNeedsTheUsersOwnPassword();
    void leavingClosesTheMainWindow();
    void userDeletedBeforeLoginStaysDeleted();
    void closeSaysWhenTheRecordCannotBeSaved();
    void recordIsSavedUnderTheLoginName();
    void passwordsShowStars();
    void newUserStartsPractisesAndIsSaved();
    void adminPassword_data();
    void adminPassword();

private:
    void addUser(const QString &name, const QString &password, const QString &lastWindow = u"FomTT"_s);
    QStringList files() const;

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<RecordingSoundPlayer> m_sound;
    std::unique_ptr<RecordingShell> m_shell;
    std::unique_ptr<MDIForm1> m_main;
};

void TestUsersLogin::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_sound = std::make_unique<RecordingSoundPlayer>();
    m_shell = std::make_unique<RecordingShell>();
    m_main = std::make_unique<MDIForm1>(PlatformServices{m_prompter.get(), m_sound.get(), m_shell.get()});
    for (const QString &name : MDIForm1::practiceWindowNames()) {
        m_main->registerWindow(name, [name](MDIForm1 &main) {
            main.currentUser().LastWindow = name;
            auto *w = new QWidget;
            w->setObjectName(name);
            return w;
        });
    }
}

void TestUsersLogin::cleanup()
{
    m_main.reset();
    m_folder.reset();
}

void TestUsersLogin::addUser(const QString &name, const QString &password, const QString &lastWindow)
{
    UserRecord r = UserRecord::newUser(name, password);
    r.LastWindow = lastWindow;
    r.ArticlePage = 77;
    m_folder->writeBytes(u"MdbSet/UserList/"_s + name, r.encode());
}

QStringList TestUsersLogin::files() const
{
    return QDir(m_folder->path(u"MdbSet/UserList"_s)).entryList(QDir::Files, QDir::Name);
}

void TestUsersLogin::newUserFrameOpensAndCloses()
{
    FomLogin login(*m_main);
    QCOMPARE(login.windowTitle(), u"请输入用户名登录"_s);
    QVERIFY(login.Command1[2]->isDefault());
    login.Text1[3]->setText(u"old"_s);
    login.Command1[0]->click();
    QVERIFY(!login.Frame1->isHidden());
    QVERIFY(login.Command1[3]->isDefault());
    QVERIFY(!login.Command1[2]->isDefault());
    QCOMPARE(login.Text1[3]->text(), QString());
    QCOMPARE(login.focusWidget(), login.Text1[0]);
    login.Command1[4]->click();
    QVERIFY(login.Frame1->isHidden());
    QVERIFY(login.Command1[2]->isDefault());
}

void TestUsersLogin::newUserRules_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("again");
    QTest::addColumn<QString>("message"); // empty: no message
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("created");
    const QString badName = u"用户名不能以“.”开头，也不能含有 / \\ : * ? \" < > | 或控制字符！"_s;

    QTest::addRow("plain") << QStringList() << u"王小明"_s << u"abc"_s << u"abc"_s << QString() << QString() << true;
    QTest::addRow("empty password") << QStringList{u"bo"_s} << u"ann"_s << QString() << QString()
                                    << QString() << QString() << true;
    QTest::addRow("two characters") << QStringList() << u"ann"_s << u"ab"_s << u"ab"_s
                                    << u"密码小于三位！"_s << u"错误提示"_s << false;
    QTest::addRow("passwords differ") << QStringList() << u"ann"_s << u"abcd"_s << u"abce"_s
                                      << u"密码错误：两次输入的密码不一致！"_s << u"错误提示："_s << false;
    QTest::addRow("same name") << QStringList{u"ann"_s} << u"ann"_s << u"abc"_s << u"abc"_s
                               << u"与已有用户重名!"_s << u"错误提示"_s << false;
    QTest::addRow("same name other case") << QStringList{u"Ann"_s} << u"aNN"_s << u"abc"_s << u"abc"_s
                                          << u"与已有用户重名!"_s << u"错误提示"_s << false;
    QTest::addRow("empty name") << QStringList() << QString() << u"abc"_s << u"abc"_s << QString()
                                << QString() << false;
    QTest::addRow("blank name") << QStringList() << u"   "_s << QString() << QString() << QString()
                                << QString() << false;
    QTest::addRow("slash") << QStringList() << u"a/b"_s << u"abc"_s << u"abc"_s << badName
                           << u"错误提示"_s << false;
    QTest::addRow("climbs out") << QStringList() << u"..\\GLY.dat"_s << u"abc"_s << u"abc"_s << badName
                                << u"错误提示"_s << false;
    QTest::addRow("dot dot") << QStringList() << u".."_s << QString() << QString() << badName
                             << u"错误提示"_s << false;
    QTest::addRow("control character") << QStringList() << u"a\tb"_s << QString() << QString()
                                       << badName << u"错误提示"_s << false;
    // Hidden from the list, so it could be made again over itself.
    QTest::addRow("leading dot") << QStringList() << u".x"_s << u"abc"_s << u"abc"_s << badName
                                 << u"错误提示"_s << false;
    QTest::addRow("korean name") << QStringList() << u"한글"_s << u"abc"_s << u"abc"_s
                                 << u"用户名中含有无法保存的字符“한글”，请换一个用户名！"_s << u"错误提示"_s
                                 << false;
    QTest::addRow("too long") << QStringList() << QString(33, u'名') << QString() << QString()
                              << u"用户名不能超过32个字符！"_s << u"错误提示"_s << false;
    QTest::addRow("longest") << QStringList() << QString(32, u'名') << QString() << QString()
                             << QString() << QString() << true;
    QTest::addRow("korean password") << QStringList() << u"ann"_s << u"비밀번호"_s << u"비밀번호"_s
                                     << u"密码中含有无法保存的字符，请换一个密码！"_s << u"错误提示"_s
                                     << false;
}

void TestUsersLogin::newUserRules()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, again);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(bool, created);
    for (const QString &e : existing)
        addUser(e, u"old"_s);
    const QStringList before = files();

    FomLogin login(*m_main);
    login.Command1[0]->click();
    commit(login.Text1[0], name);
    QCOMPARE(login.Text1[0]->text(), name);
    commit(login.Text1[1], password);
    commit(login.Text1[2], again);
    login.Command1[3]->click();

    QCOMPARE(m_prompter->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(m_prompter->titles(), QStringList{title});
        QVERIFY(!login.Frame1->isHidden()); // the user can correct the entry
    } else {
        QVERIFY(login.Frame1->isHidden());
    }
    if (created) {
        QStringList after = before + QStringList{name};
        after.sort();
        QCOMPARE(files(), after);
        // Made, not logged in.
        QCOMPARE(m_main->currentUser(), UserRecord());
        QCOMPARE(m_main->currentUserName(), QString());
        QCOMPARE(m_folder->readBytes(u"MdbSet/UserList/"_s + name), UserRecord::newUser(name, password).encode());
        QVERIFY(QFileInfo(m_folder->path(u"MdbSet/UserMdb/"_s + name)).isDir());
        QCOMPARE(login.Text1[4]->text(), name);
        QCOMPARE(login.selectedName(), name);
        QVERIFY(login.Command1[2]->isDefault());
        QCOMPARE(login.focusWidget(), login.Text1[3]);
    } else {
        QCOMPARE(files(), before);
        QCOMPARE(m_main->currentUser(), UserRecord());
        QCOMPARE(QDir(m_folder->path(u"MdbSet/UserMdb"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(QDir(m_folder->path(u"MdbSet"_s)).entryList(QDir::Files), QStringList());
    }
    for (const QString &e : existing) // nobody else's record is touched
        QCOMPARE(UserRecord::decode(m_folder->readBytes(u"MdbSet/UserList/"_s + e)).Password, u"old"_s);
}

void TestUsersLogin::logInRules_data()
{
    QTest::addColumn<QStringList>("users");   // name:password
    QTest::addColumn<QString>("select");      // empty: nothing selected
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("opened");

    QTest::addRow("no users") << QStringList() << QString() << QString() << u"未选定用户，不能登录"_s
                              << u"错误"_s << QString();
    QTest::addRow("none selected") << QStringList{u"ann:abc"_s} << QString() << QString()
                                   << u"未选定用户，不能登录"_s << u"错误"_s << QString();
    QTest::addRow("wrong password") << QStringList{u"ann:abc"_s} << u"ann"_s << u"abd"_s
                                    << u"密码不正确！不能登录。"_s << u"错误提示："_s << QString();
    QTest::addRow("password of someone else") << QStringList{u"ann:abc"_s, u"bo:xyz"_s} << u"ann"_s
                                              << u"xyz"_s << u"密码不正确！不能登录。"_s
                                              << u"错误提示："_s << QString();
    QTest::addRow("right password") << QStringList{u"ann:abc"_s, u"bo:xyz"_s} << u"bo"_s << u"xyz"_s
                                    << QString() << QString() << u"FomWT"_s;
    QTest::addRow("empty password") << QStringList{u"ann:"_s} << u"ann"_s << QString() << QString()
                                    << QString() << u"FomWT"_s;
}

void TestUsersLogin::logInRules()
{
    QFETCH(QStringList, users);
    QFETCH(QString, select);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, opened);
    for (const QString &u : users)
        addUser(u.section(u':', 0, 0), u.section(u':', 1), u"FomWT"_s);

    FomLogin login(*m_main);
    if (!select.isEmpty()) {
        login.File1->setCurrentItem(login.File1->findItems(select, Qt::MatchExactly).first());
        QCOMPARE(login.Text1[4]->text(), select);
    }
    QTest::keyClicks(login.Text1[3], typed);
    login.Command1[2]->click();

    QCOMPARE(m_prompter->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(m_prompter->titles(), QStringList{title});
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QCOMPARE(m_main->currentUser(), UserRecord());
        QVERIFY(!m_main->openPracticeWindow());
        if (!select.isEmpty())
            QCOMPARE(login.focusWidget(), login.Text1[3]);
    } else {
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(m_main->currentUser().UserName, select);
        QCOMPARE(m_main->currentUser().ArticlePage, 77);
        QCOMPARE(m_main->openPracticeWindow()->objectName(), opened);
    }
}

void TestUsersLogin::doubleClickLogsIn()
{
    addUser(u"ann"_s, QString(), u"FomQW"_s);
    FomLogin login(*m_main);
    login.show();
    QListWidgetItem *item = login.File1->item(0);
    const QRect rect = login.File1->visualItemRect(item);
    QTest::mouseClick(login.File1->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(login.File1->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(m_main->currentUser().UserName, u"ann"_s);
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomQW"_s);
}

void TestUsersLogin::failedLoginLeavesNothingBehindForTheNextUser()
{
    addUser(u"ann"_s, u"abc"_s);
    FomLogin login(*m_main);
    login.File1->setCurrentRow(0);
    QTest::keyClicks(login.Text1[3], u"nope"_s);
    login.Command1[2]->click();
    login.Command1[0]->click();
    QTest::keyClicks(login.Text1[0], u"bo"_s);
    login.Command1[3]->click();
    QCOMPARE(m_main->currentUser(), UserRecord());
    QCOMPARE(UserRecord::decode(m_folder->readBytes(u"MdbSet/UserList/bo"_s)),
             UserRecord::newUser(u"bo"_s, QString()));
}

void TestUsersLogin::deleteNeedsTheUsersOwnPassword()
{
    addUser(u"ann"_s, u"abc"_s);
    addUser(u"bo"_s, u"xyz"_s);
    QDir(m_folder->root()).mkpath(u"MdbSet/UserMdb/ann"_s);
    FomLogin login(*m_main);

    login.Command1[1]->click(); // nothing chosen: nothing happens
    QVERIFY(m_prompter->calls().isEmpty());
    QCOMPARE(files(), (QStringList{u"ann"_s, u"bo"_s}));

    login.File1->setCurrentRow(0);
    QTest::keyClicks(login.Text1[3], u"xyz"_s);
    login.Command1[1]->click();
    QCOMPARE(m_prompter->messageTexts(), QStringList{u"密码不正确！不能删除。"_s});
    QCOMPARE(m_prompter->titles(), QStringList{u"错误提示："_s});
    QCOMPARE(files(), (QStringList{u"ann"_s, u"bo"_s}));

    login.Text1[3]->setText(u"abc"_s);
    login.Command1[1]->click();
    QCOMPARE(files(), QStringList{u"bo"_s});
    QCOMPARE(login.File1->count(), 1);
    QVERIFY(QFileInfo(m_folder->path(u"MdbSet/UserMdb/ann"_s)).isDir());
    QCOMPARE(m_main->currentUser(), UserRecord());
}

void TestUsersLogin::leavingClosesTheMainWindow()
{
    m_main->show();
    FomLogin login(*m_main);
    login.show();
    login.Command1[5]->click();
    QVERIFY(!login.isVisible());
    QVERIFY(!m_main->isVisible());
    QCOMPARE(files(), QStringList());
}

void TestUsersLogin::userDeletedBeforeLoginStaysDeleted()
{
    m_main->show();
    FomLogin login(*m_main);
    login.show();
    login.Command1[0]->click();
    QTest::keyClicks(login.Text1[0], u"dave"_s);
    QTest::keyClicks(login.Text1[1], u"pwd"_s);
    QTest::keyClicks(login.Text1[2], u"pwd"_s);
    login.Command1[3]->click();
    QCOMPARE(files(), QStringList{u"dave"_s});
    QTest::keyClicks(login.Text1[3], u"pwd"_s);
    login.Command1[1]->click();
    QCOMPARE(files(), QStringList());
    login.Command1[5]->click();
    QVERIFY(!m_main->isVisible());
    QCOMPARE(files(), QStringList());
    QVERIFY(m_prompter->calls().isEmpty());
}

void TestUsersLogin::closeSaysWhenTheRecordCannotBeSaved()
{
    addUser(u"ann"_s, QString());
    {
        FomLogin login(*m_main);
        login.File1->setCurrentRow(0);
        login.Command1[2]->click();
    }
    QCOMPARE(m_main->currentUserName(), u"ann"_s);
    m_main->show();
    m_main->currentUser().GameFontSize = 40;
    // The record cannot be replaced: a folder stands where its temporary file would go.
    const QByteArray before = m_folder->readBytes(u"MdbSet/UserList/ann"_s);
    QVERIFY(QDir(m_folder->path(u"MdbSet/UserList"_s)).rename(u"ann"_s, u"ann.keep"_s));
    QVERIFY(QDir(m_folder->path(u"MdbSet/UserList"_s)).mkdir(u"ann"_s));

    m_prompter->planAnswer(Prompter::Answer::No);
    m_main->close();
    QVERIFY(m_main->isVisible()); // the user chose to stay
    QCOMPARE(m_prompter->titles(), QStringList{u"错误提示"_s});
    const QString said = m_prompter->messageTexts().value(0);
    QVERIFY2(said.startsWith(u"无法保存用户“ann”的设置"_s), qPrintable(said));
    QVERIFY2(said.contains(u"UserList"_s), qPrintable(said));

    m_prompter->planAnswer(Prompter::Answer::Yes);
    m_main->close();
    QVERIFY(!m_main->isVisible());
    QCOMPARE(m_prompter->calls().size(), 2);
    QCOMPARE(m_folder->readBytes(u"MdbSet/UserList/ann.keep"_s), before);
}

// A record whose name field reads back differently ("??" of an older version) is saved where it
// was read, never as a new user of that name.
void TestUsersLogin::recordIsSavedUnderTheLoginName()
{
    UserRecord r = UserRecord::newUser(u"??"_s, QString());
    m_folder->writeBytes(u"MdbSet/UserList/ann"_s, r.encode());
    FomLogin login(*m_main);
    login.File1->setCurrentRow(0);
    login.Command1[2]->click();
    m_main->currentUser().DrillIndex = 4;
    m_main->close();
    QCOMPARE(files(), QStringList{u"ann"_s});
    QCOMPARE(UserRecord::decode(m_folder->readBytes(u"MdbSet/UserList/ann"_s)).DrillIndex, 4);
}

void TestUsersLogin::passwordsShowStars()
{
    FomLogin login(*m_main);
    login.Command1[0]->click();
    for (int i : {1, 2, 3}) {
        QTest::keyClicks(login.Text1[i], u"abc"_s);
        QCOMPARE(login.Text1[i]->displayText(), u"***"_s);
    }
    QTest::keyClicks(login.Text1[0], u"abc"_s);
    QCOMPARE(login.Text1[0]->displayText(), u"abc"_s);
    FomPassWord prompt(*m_main);
    QTest::keyClicks(prompt.Text1, u"abcd"_s);
    QCOMPARE(prompt.Text1->displayText(), u"****"_s);
}

void TestUsersLogin::newUserStartsPractisesAndIsSaved()
{
    m_main->registerDialog(u"FomLogin"_s, [](MDIForm1 &main) -> QDialog * { return new FomLogin(main); });
    m_main->setModalRunner([](QDialog &d) {
        auto &login = static_cast<FomLogin &>(d);
        login.show();
        login.Command1[0]->click();
        commit(login.Text1[0], u"新手"_s);
        QTest::keyClicks(login.Text1[1], u"abc"_s);
        QTest::keyClicks(login.Text1[2], u"abc"_s);
        QTest::keyClick(login.Text1[2], Qt::Key_Return); // default button: 确认
        QTest::keyClicks(login.Text1[3], u"abc"_s);
        QTest::keyClick(login.Text1[3], Qt::Key_Return); // default button again: 登录
    });
    m_main->start();
    QVERIFY(m_prompter->calls().isEmpty());
    QCOMPARE(m_main->currentUser().UserName, u"新手"_s);
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomTT"_s);

    m_main->entry(u"MmuTT1"_s, 5)->trigger();
    m_main->currentUser().GameFontSize = 33;
    m_main->close();
    UserRecord expected = UserRecord::newUser(u"新手"_s, u"abc"_s);
    expected.DrillIndex = 5;
    expected.GameFontSize = 33;
    QCOMPARE(UserRecord::decode(m_folder->readBytes(u"MdbSet/UserList/新手"_s)), expected);
}

void TestUsersLogin::adminPassword_data()
{
    QTest::addColumn<QString>("adminPassword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("authorised");
    QTest::addRow("right, Enter") << u"管理员"_s << u"管理员"_s << int(Qt::Key_Return) << true;
    QTest::addRow("right, keypad Enter") << u"root"_s << u"root"_s << int(Qt::Key_Enter) << true;
    QTest::addRow("wrong, Enter") << u"root"_s << u"roo"_s << int(Qt::Key_Return) << false;
    QTest::addRow("right, other key") << u"root"_s << u"root"_s << int(Qt::Key_Tab) << false;
    QTest::addRow("empty password, empty box") << QString() << QString() << int(Qt::Key_Return) << true;
}

void TestUsersLogin::adminPassword()
{
    QFETCH(QString, adminPassword);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, authorised);
    m_main->adminSettings().AdminPassword = adminPassword;
    FomPassWord prompt(*m_main);
    QCOMPARE(prompt.windowTitle(), u"请输入管理员密码"_s);
    QCOMPARE(prompt.Text1->echoMode(), QLineEdit::Password);
    prompt.show();
    prompt.Text1->setText(typed);
    QTest::keyClick(prompt.Text1, Qt::Key(key));
    QCOMPARE(m_main->AdminAuthorised(), authorised);
    QCOMPARE(prompt.isVisible(), !authorised);
    QVERIFY(m_prompter->calls().isEmpty());
}

QTEST_MAIN(TestUsersLogin)
#include "tst_users_login.moc"

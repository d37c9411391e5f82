#include "MDIForm1.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "TempProgramFolder.h"
#include "TestPracticeWindow.h"
#include "frmAbout.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <QtEndian>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray adminBytes(const QByteArray &mode, const QByteArray &single, qint32 game, qint32 chat,
                      qint32 deleted)
{
    auto str = [](const QByteArray &s) -> QByteArray {
        QByteArray b(2, '\0');
        qToLittleEndian(quint16(s.size()), b.data());
        return b + s;
    };
    auto i32 = [](qint32 v) -> QByteArray {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    return str("") + str("") + str(mode) + str("") + str(single) + i32(game) + i32(chat) + i32(deleted);
}

} // namespace

class TestShellMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuCaptions_data();
    void menuCaptions();
    void menuBarTitles();
    void menuStatesFromAdminSettings_data();
    void menuStatesFromAdminSettings();
    void missingAdminFileShowsLogin();
    void singleUserStartOpensLastWindow();
    void singleUserWithMissingRecordOpensNothing();
    void plugIns();
    void deletedChatIsRefused();
    void helpTargets_data();
    void helpTargets();
    void aboutBox();
    void aboutBoxSystemInformation();
    void onePracticeWindowAtATime();
    void unregisteredWindowOpensNothing();
    void practiceWindowFillsTheAreaWithoutButtons();
    void drillMenuChecksAndStoresIndex();
    void englishAndFreeInputLeaveDrillChoiceAlone();
    void articleMenuOpensArticleWindowAndHandsOnCaption();
    void adminMenuOpensConsoleOnlyWhenAuthorised();
    void closingWithoutLoginWritesNothing();
    void closingSavesTheCurrentUser();

private:
    void startWith(const QByteArray &admin);
    void registerTestWindows();

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<RecordingSoundPlayer> m_sound;
    std::unique_ptr<RecordingShell> m_shell;
    std::unique_ptr<MDIForm1> m_main;
    QStringList m_shown; // modal windows, in order
};

void TestShellMainWindow::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_sound = std::make_unique<RecordingSoundPlayer>();
    m_shell = std::make_unique<RecordingShell>();
    m_main = std::make_unique<MDIForm1>(PlatformServices{m_prompter.get(), m_sound.get(), m_shell.get()});
    m_shown.clear();
    m_main->setModalRunner([this](QDialog &d) { m_shown << d.objectName(); });
    for (const char *name : {"FomLogin", "FomPassWord", "FomGLY", "FomUserSet"}) {
        const QString n = QString::fromLatin1(name);
        m_main->registerDialog(n, [n](MDIForm1 &main) {
            auto *d = new QDialog(&main);
            d->setObjectName(n);
            return d;
        });
    }
}

void TestShellMainWindow::cleanup()
{
    m_main.reset();
    m_folder.reset();
}

void TestShellMainWindow::startWith(const QByteArray &admin)
{
    if (!admin.isNull())
        m_folder->writeBytes(u"MdbSet/GLY.dat"_s, admin);
    m_main->start();
}

void TestShellMainWindow::registerTestWindows()
{
    for (const QString &name : MDIForm1::practiceWindowNames()) {
        m_main->registerWindow(name, [name](MDIForm1 &main) { return new TestPracticeWindow(main, name); });
    }
}

void TestShellMainWindow::menuCaptions_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<QStringList>("captions"); // "-" separator, "(hidden)" prefix for hidden entries
    QTest::addRow("MmuTT1") << u"MmuTT1"_s
                            << QStringList{u"全键盘练习"_s, u"ASDFJKL；(基本键)"_s, u"EI键练习"_s,
                                           u"GH键练习"_s, u"WQOP键练习"_s, u"VBMN键练习"_s,
                                           u"CXZ?键练习"_s, u"符号键"_s, u"数字键练习"_s, u"自定义"_s,
                                           u"-"_s, u"英文全文打字"_s, u"-"_s, u"自由录入练习"_s};
    QTest::addRow("MmuQW1") << u"MmuQW1"_s
                            << QStringList{u"自选"_s, u"-"_s, u"一级"_s, u"二级"_s, u"三级"_s,
                                           u"四级"_s, u"五级"_s, u"六级"_s, u"-"_s, u"双字词"_s,
                                           u"三字词"_s, u"四字词"_s, u"多字词"_s};
    QTest::addRow("MmuPlug1") << u"MmuPlug1"_s
                              << QStringList{u"(hidden)插件管理"_s, u"glyphdex"_s, u"Lanwren1.0"_s};
    QTest::addRow("MmuSet1") << u"MmuSet1"_s << QStringList{u"用户设置"_s, u"管理员设置"_s};
    QTest::addRow("MmuHelp1") << u"MmuHelp1"_s
                              << QStringList{u"内容"_s, u"给作者写信"_s, u"提供宝贵意见"_s,
                                             u"报告BUG"_s, u"下载Quillmark输入法"_s, u"关于"_s};
    QTest::addRow("MnuQWRight1") << u"MnuQWRight1"_s
                                 << QStringList{u"加入生字本"_s, u"打开生字本"_s, u"复制编码"_s, u"帮助"_s};
    QTest::addRow("MmuWZK1") << u"MmuWZK1"_s
                             << QStringList{u"打开"_s, u"打开文件夹"_s, u"共享"_s, u"资料"_s, u"属性"_s};
}

void TestShellMainWindow::menuCaptions()
{
    QFETCH(QString, array);
    QFETCH(QStringList, captions);
    const QList<QAction *> entries = m_main->entries(array);
    QStringList shown;
    for (int i = 0; i < entries.size(); ++i) {
        QAction *a = entries[i];
        QCOMPARE(a->objectName(), array + u'(' + QString::number(i) + u')');
        shown << (a->isSeparator() ? u"-"_s : (a->isVisible() ? QString() : u"(hidden)"_s) + a->text());
    }
    QCOMPARE(shown, captions);
}

void TestShellMainWindow::menuBarTitles()
{
    QStringList titles;
    for (QAction *a : m_main->menuBar()->actions()) {
        if (a->isVisible())
            titles << a->text();
    }
    QCOMPARE(titles, (QStringList{u"指法练习"_s, u"五笔练习"_s, u"文章和词组"_s, u"游戏"_s, u"成绩库"_s,
                                  u"插件"_s, u"设置"_s, u"帮助"_s}));
    QVERIFY(!m_main->menuAction(u"MnuQWRight"_s)->isVisible());
    QVERIFY(!m_main->menuAction(u"MmuWZK"_s)->isVisible());
    QVERIFY(m_main->entry(u"MmuWZK1"_s, 2)->isChecked());
    QCOMPARE(m_main->windowTitle(), u"Keyloom"_s);
}

void TestShellMainWindow::menuStatesFromAdminSettings_data()
{
    QTest::addColumn<int>("disableGame");
    QTest::addColumn<int>("disableChat");
    QTest::addColumn<int>("chatDeleted");
    QTest::addColumn<bool>("gameEnabled");
    QTest::addColumn<bool>("chatEnabled");
    QTest::addRow("nothing off") << 0 << 0 << 0 << true << true;
    QTest::addRow("game off") << 1 << 0 << 0 << false << true;
    QTest::addRow("chat off") << 0 << 1 << 0 << true << false;
    QTest::addRow("chat off and deleted") << 0 << 1 << 1 << true << true;
    QTest::addRow("other value is not 1") << 2 << -1 << 0 << true << true;
}

void TestShellMainWindow::menuStatesFromAdminSettings()
{
    QFETCH(int, disableGame);
    QFETCH(int, disableChat);
    QFETCH(int, chatDeleted);
    QFETCH(bool, gameEnabled);
    QFETCH(bool, chatEnabled);
    startWith(adminBytes("0", "", disableGame, disableChat, chatDeleted));
    QCOMPARE(m_main->menuAction(u"MmuGame"_s)->isEnabled(), gameEnabled);
    QCOMPARE(m_main->entry(u"MmuPlug1"_s, 2)->isEnabled(), chatEnabled);
    QVERIFY(m_main->entry(u"MmuPlug1"_s, 1)->isEnabled());
    QCOMPARE(m_shown, QStringList{u"FomLogin"_s});
}

void TestShellMainWindow::missingAdminFileShowsLogin()
{
    startWith(QByteArray());
    QCOMPARE(m_shown, QStringList{u"FomLogin"_s});
    QVERIFY(m_main->menuAction(u"MmuGame"_s)->isEnabled());
    QVERIFY(m_main->entry(u"MmuPlug1"_s, 2)->isEnabled());
    QVERIFY(m_main->isVisible());
}

void TestShellMainWindow::singleUserStartOpensLastWindow()
{
    registerTestWindows();
    UserRecord ann = UserRecord::newUser(u"ann"_s, u"secret"_s);
    ann.LastWindow = u"FomWT"_s;
    ann.DrillIndex = 3;
    m_folder->writeBytes(u"MdbSet/UserList/ann"_s, ann.encode());
    startWith(adminBytes("1", "ann", 0, 0, 0));
    QVERIFY(m_shown.isEmpty());
    QCOMPARE(m_main->currentUser(), ann);
    QVERIFY(m_main->openPracticeWindow());
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomWT"_s);
    QVERIFY(m_main->documentArea()->subWindowList().first()->isMaximized());
}

void TestShellMainWindow::singleUserWithMissingRecordOpensNothing()
{
    registerTestWindows();
    startWith(adminBytes("1", "gone", 0, 0, 0));
    QVERIFY(m_shown.isEmpty());
    QVERIFY(!m_main->openPracticeWindow());
    QVERIFY(m_folder->exists(u"MdbSet/UserList/gone"_s));
    QCOMPARE(m_main->currentUser(), UserRecord());
}

void TestShellMainWindow::plugIns()
{
    startWith(QByteArray());
    m_main->entry(u"MmuPlug1"_s, 1)->trigger();
    m_main->entry(u"MmuPlug1"_s, 2)->trigger();
    QVERIFY(m_shell->started().isEmpty()); // neither program is there

    m_folder->writeBytes(u"glyphdex"_s, "x");
    m_folder->writeBytes(u"lanwren"_s, "x");
    m_main->entry(u"MmuPlug1"_s, 1)->trigger();
    m_main->entry(u"MmuPlug1"_s, 2)->trigger();
    QCOMPARE(m_shell->started().size(), 2);
    QCOMPARE(m_shell->started()[0].program, m_folder->root() + u"/glyphdex"_s);
    QCOMPARE(m_shell->started()[1].program, m_folder->root() + u"/lanwren"_s);
    QVERIFY(m_shell->started()[0].minimised && m_shell->started()[1].minimised);
    QVERIFY(m_prompter->calls().isEmpty());
}

void TestShellMainWindow::deletedChatIsRefused()
{
    m_folder->writeBytes(u"lanwren"_s, "x");
    startWith(adminBytes("0", "", 0, 1, 1));
    m_main->entry(u"MmuPlug1"_s, 2)->trigger();
    QVERIFY(m_shell->started().isEmpty());
    QCOMPARE(m_prompter->calls().size(), 1);
    QCOMPARE(m_prompter->calls()[0].text, u"Lanwren已经被管理员删除，不能启动！"_s);
    QCOMPARE(m_prompter->calls()[0].title, u"错误提示！"_s);
    QCOMPARE(m_prompter->calls()[0].buttons, Prompter::Buttons::Ok);
}

void TestShellMainWindow::helpTargets_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("subject");
    QTest::addRow("contents") << 0 << u"file"_s << QString();
    QTest::addRow("letter") << 1 << u"mailto"_s << u"keyloom：给作者写信！"_s;
    QTest::addRow("advice") << 2 << u"mailto"_s << u"keyloom：提供宝贵意见！"_s;
    QTest::addRow("bug") << 3 << u"mailto"_s << u"keyloom：报告BUG！"_s;
    QTest::addRow("input method") << 4 << u"https"_s << QString();
}

void TestShellMainWindow::helpTargets()
{
    QFETCH(int, index);
    QFETCH(QString, scheme);
    QFETCH(QString, subject);
    m_main->entry(u"MmuHelp1"_s, index)->trigger();
    QCOMPARE(m_shell->opened().size(), 1);
    const QUrl url = m_shell->opened().first();
    QCOMPARE(url.scheme(), scheme);
    if (scheme == u"file")
        QCOMPARE(url.toLocalFile(), m_folder->root() + u"/Keyloom帮助.htm"_s);
    if (scheme == u"mailto") {
        QCOMPARE(url.path(), MDIForm1::authorMail());
        QCOMPARE(QUrlQuery(url).queryItemValue(u"subject"_s, QUrl::FullyDecoded), subject);
        QVERIFY(url.toEncoded().startsWith(QByteArray("mailto:" + MDIForm1::authorMail().toLatin1() + "?subject=")));
    }
    if (scheme == u"https")
        QCOMPARE(url, QUrl(MDIForm1::inputMethodPage()));
}

void TestShellMainWindow::aboutBox()
{
    QString title;
    QStringList texts;
    QStringList buttons;
    m_main->setModalRunner([&](QDialog &d) {
        title = d.windowTitle();
        for (QLabel *l : d.findChildren<QLabel *>())
            texts << l->text();
        for (QPushButton *b : d.findChildren<QPushButton *>())
            buttons << b->text();
        QCOMPARE(d.parentWidget(), m_main.get());
    });
    m_main->entry(u"MmuHelp1"_s, 5)->trigger();
    QCOMPARE(title, u"关于 Keyloom"_s);
    QVERIFY(texts.contains(u"Keyloom"_s));
    QVERIFY(texts.contains(u"版本 1.35"_s));
    QVERIFY(buttons.contains(u"系统信息(&S)..."_s));
    QVERIFY(m_shell->opened().isEmpty());
}

void TestShellMainWindow::aboutBoxSystemInformation()
{
    frmAbout about(m_main->services(), m_main.get());
    about.cmdSysInfo->click();
    const QString tool = frmAbout::systemInfoTool();
    if (tool.isEmpty()) {
        QVERIFY(m_shell->started().isEmpty());
        QCOMPARE(m_prompter->messageTexts(), QStringList{u"系统信息程序目前无法使用。"_s});
        QCOMPARE(m_prompter->titles(), QStringList{u"关于 Keyloom"_s});
    } else {
        QCOMPARE(m_shell->started().size(), 1);
        QCOMPARE(m_shell->started()[0].program, tool);
    }
    // A tool that will not start says so too.
    m_shell->setSucceed(false);
    m_prompter->clear();
    about.cmdSysInfo->click();
    QCOMPARE(m_prompter->messageTexts(), QStringList{u"系统信息程序目前无法使用。"_s});
}

void TestShellMainWindow::onePracticeWindowAtATime()
{
    registerTestWindows();
    m_main->setAdminAuthorised(true);
    QWidget *first = m_main->ShowPracticeWindow(u"FomTT"_s);
    QVERIFY(first);
    QVERIFY(!m_main->AdminAuthorised());
    QCOMPARE(TestPracticeWindow::alive, 1);
    QWidget *again = m_main->ShowPracticeWindow(u"FomTT"_s);
    QVERIFY(again);
    QCOMPARE(TestPracticeWindow::alive, 1); // the first one was closed and opened afresh
    m_main->menuAction(u"MmuWT"_s)->trigger();
    QCOMPARE(TestPracticeWindow::alive, 1);
    QCOMPARE(m_main->documentArea()->subWindowList().size(), 1);
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomWT"_s);
    QCOMPARE(m_main->currentUser().LastWindow, u"FomWT"_s);
}

void TestShellMainWindow::practiceWindowFillsTheAreaWithoutButtons()
{
    registerTestWindows();
    m_main->resize(900, 600);
    m_main->show();
    QWidget *w = m_main->ShowPracticeWindow(u"FomTT"_s);
    QVERIFY(w);
    auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
    QVERIFY(sub);
    QVERIFY(sub->isMaximized());
    QCOMPARE(sub->geometry(), m_main->documentArea()->viewport()->rect());
    QCOMPARE(w->geometry(), sub->rect()); // no title bar, no border
    // No minimise, restore or close buttons and no system menu in the menu bar.
    for (Qt::Corner corner : {Qt::TopLeftCorner, Qt::TopRightCorner}) {
        const QWidget *c = m_main->menuBar()->cornerWidget(corner);
        QVERIFY(!c || !c->isVisible());
    }
    QVERIFY(!sub->systemMenu() || sub->systemMenu()->actions().isEmpty());
}

void TestShellMainWindow::unregisteredWindowOpensNothing()
{
    m_main->registerWindow(u"FomTT"_s, [](MDIForm1 &main) { return new TestPracticeWindow(main, u"FomTT"_s); });
    m_main->ShowPracticeWindow(u"FomTT"_s);
    m_main->menuAction(u"MmuGame"_s)->trigger();
    m_main->menuAction(u"MmuResult"_s)->trigger();
    QVERIFY(m_main->openPracticeWindow());
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomTT"_s);
    QVERIFY(!m_main->OpenWindowByName(u"FomSucceed"_s));
}

void TestShellMainWindow::drillMenuChecksAndStoresIndex()
{
    QStringList handled;
    m_main->setMenuHandler(u"MmuTT1"_s, [&handled](MDIForm1 &, const QString &caption, int index) {
        handled << caption + QString::number(index);
    });
    m_main->entry(u"MmuTT1"_s, 2)->trigger();
    m_main->entry(u"MmuTT1"_s, 6)->trigger();
    QCOMPARE(handled, (QStringList{u"EI键练习2"_s, u"CXZ?键练习6"_s}));
    QCOMPARE(m_main->currentUser().DrillIndex, 6);
    QCOMPARE(Mdiform::SelectedIndexOf(m_main->entries(u"MmuTT1"_s)), 6);
    QVERIFY(!m_main->entry(u"MmuTT1"_s, 2)->isChecked());
}

void TestShellMainWindow::englishAndFreeInputLeaveDrillChoiceAlone()
{
    registerTestWindows();
    QStringList handled;
    m_main->setMenuHandler(u"MmuTT1"_s, [&handled](MDIForm1 &, const QString &caption, int) {
        handled << caption;
    });
    m_main->entry(u"MmuTT1"_s, 4)->trigger();
    m_main->entry(u"MmuTT1"_s, 13)->trigger();
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomFreeInput"_s);
    m_main->entry(u"MmuTT1"_s, 11)->trigger();
    QCOMPARE(m_main->openPracticeWindow()->objectName(), u"FomEnglish"_s);
    QCOMPARE(handled, QStringList{u"WQOP键练习"_s});
    QCOMPARE(m_main->currentUser().DrillIndex, 4);
    for (QAction *a : m_main->entries(u"MmuTT1"_s))
        QVERIFY(!a->isChecked());
}

void TestShellMainWindow::articleMenuOpensArticleWindowAndHandsOnCaption()
{
    registerTestWindows();
    QString seen;
    m_main->setMenuHandler(u"MmuQW1"_s, [&seen](MDIForm1 &main, const QString &caption, int index) {
        seen = main.openPracticeWindow()->objectName() + caption + QString::number(index);
    });
    m_main->entry(u"MmuQW1"_s, 0)->trigger();
    m_main->entry(u"MmuQW1"_s, 10)->trigger();
    QCOMPARE(seen, u"FomQW三字词10"_s);
    QCOMPARE(Mdiform::SelectedIndexOf(m_main->entries(u"MmuQW1"_s)), 10);
    QVERIFY(!m_main->entry(u"MmuQW1"_s, 0)->isChecked());
}

void TestShellMainWindow::adminMenuOpensConsoleOnlyWhenAuthorised()
{
    m_main->entry(u"MmuSet1"_s, 1)->trigger();
    QCOMPARE(m_shown, QStringList{u"FomPassWord"_s});
    m_shown.clear();
    m_main->setModalRunner([this](QDialog &d) {
        m_shown << d.objectName();
        if (d.objectName() == u"FomPassWord")
            m_main->setAdminAuthorised(true);
    });
    m_main->entry(u"MmuSet1"_s, 1)->trigger();
    QCOMPARE(m_shown, (QStringList{u"FomPassWord"_s, u"FomGLY"_s}));
    m_shown.clear();
    m_main->entry(u"MmuSet1"_s, 0)->trigger();
    QCOMPARE(m_shown, QStringList{u"FomUserSet"_s});
}

void TestShellMainWindow::closingWithoutLoginWritesNothing()
{
    startWith(QByteArray());
    m_main->close();
    QCOMPARE(QDir(m_folder->path(u"MdbSet/UserList"_s)).entryList(QDir::Files), QStringList());
}

void TestShellMainWindow::closingSavesTheCurrentUser()
{
    registerTestWindows();
    UserRecord ann = UserRecord::newUser(u"ann"_s, QString());
    m_folder->writeBytes(u"MdbSet/UserList/ann"_s, ann.encode() + QByteArray(20, 'z'));
    startWith(adminBytes("1", "ann", 0, 0, 0));
    m_main->entry(u"MmuTT1"_s, 8)->trigger();
    m_main->menuAction(u"MmuWT"_s)->trigger();
    m_main->close();
    ann.DrillIndex = 8;
    ann.LastWindow = u"FomWT"_s;
    QCOMPARE(m_folder->readBytes(u"MdbSet/UserList/ann"_s), ann.encode());
    QCOMPARE(TestPracticeWindow::alive, 0);
}

QTEST_MAIN(TestShellMainWindow)
#include "tst_shell_mainwindow.moc"

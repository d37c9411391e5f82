#include "Glyphdex.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "SysKnot.h"
#include "TempProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestGlyphdex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsInTheSavedMode_data();
    void startsInTheSavedMode();
    void wubiLookups_data();
    void wubiLookups();
    void pinyinLookups_data();
    void pinyinLookups();
    void doublePinyinLooksNothingUp();
    void escapeClearsBothBoxes();
    void clipboardButtons();
    void vocabularyBooks_data();
    void vocabularyBooks();
    void unwritableBookIsReported();
    void openBookUsesTheDesktop();
    void minimiseHidesOnlyWithANotificationArea();
    void trayIconMouse();
    void rightClickMakesTopmostAndOpensMenu();
    void onTopToggleIsSavedAtTheEnd();
    void aboutBoxLeavesTheTopmostBand();
    void closingSavesAndRemovesTheIcon();

private:
    Glyphdex &open();
    void type(const QString &text);

    std::unique_ptr<TempProgramFolder> m_folder;
    ScriptedPrompter m_prompter;
    RecordingSoundPlayer m_sound;
    RecordingShell m_shell;
    std::unique_ptr<Glyphdex> m_window;
};

void TestGlyphdex::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_folder->writeText(QStringLiteral("BM/wbc1.zmd"), s("中khk;中k;国lgyi;工aaaa;人wwww;地fbn;好vbg;"));
    m_folder->writeText(QStringLiteral("BM/py1.zmd"), s("中zhong;国guo;"));
    m_folder->writeText(QStringLiteral("BM/py2.zmd"), s("中国zhongguo;工人gongren;"));
    m_prompter.clear();
    m_shell = RecordingShell();
}

void TestGlyphdex::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

Glyphdex &TestGlyphdex::open()
{
    m_window = std::make_unique<Glyphdex>(PlatformServices{&m_prompter, &m_sound, &m_shell});
    m_window->show();
    (void)QTest::qWaitForWindowExposed(m_window.get());
    return *m_window;
}

// As an input method commits a word, then Enter.
void TestGlyphdex::type(const QString &text)
{
    QLineEdit *input = m_window->rich1(1);
    input->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(input, &commit);
    QTest::keyClick(input, Qt::Key_Return);
}

void TestGlyphdex::startsInTheSavedMode_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("onTop");
    QTest::addRow("pinyin on top") << QByteArray::fromHex("01000000ffff") << 1 << true;
    QTest::addRow("double pinyin") << QByteArray::fromHex("020000000000") << 2 << false;
    QTest::addRow("no settings file") << QByteArray() << 0 << false;
}

void TestGlyphdex::startsInTheSavedMode()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, mode);
    QFETCH(bool, onTop);
    if (!settings.isNull())
        m_folder->writeBytes(QStringLiteral("SaveSet.zmd"), settings);
    Glyphdex &window = open();
    QCOMPARE(window.windowTitle(), s("Glyphdex&rudi"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(window.Option1(i)->isChecked(), i == mode);
    QCOMPARE(window.MmuSet(3)->isChecked(), onTop);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(window.tables().isLoaded(mode));
    QCOMPARE(window.rich1(1)->hasFocus(), true);
    // The option click at start writes the settings back, creating the file.
    QCOMPARE(m_folder->readBytes(QStringLiteral("SaveSet.zmd")),
             settings.isNull() ? QByteArray(6, '\0') : settings);
}

void TestGlyphdex::wubiLookups_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addRow("one-level character") << s("中") << s("k");
    QTest::addRow("character from the table") << s("好") << s("vbg");
    QTest::addRow("word from full codes") << s("中国") << s("khlg");
    QTest::addRow("two full codes") << s("工人") << s("aaww");
    QTest::addRow("character no table holds") << s("甲") << QString();
    QTest::addRow("blanks around pasted text") << s(" 中国 ") << s("khlg");
}

void TestGlyphdex::wubiLookups()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    Glyphdex &window = open();
    window.rich1(2)->setText(QStringLiteral("old"));
    type(input);
    QCOMPARE(window.rich1(2)->text(), result);
    QVERIFY(window.rich1(1)->hasFocus());
    QCOMPARE(window.rich1(1)->selectedText(), input);
}

void TestGlyphdex::pinyinLookups_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addRow("word") << s("中国") << s("zhongguo");
    QTest::addRow("character") << s("国") << s("guo");
    QTest::addRow("word the tables lack") << s("国中") << s("没找到");
    QTest::addRow("empty") << QString() << s("没找到");
}

void TestGlyphdex::pinyinLookups()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    Glyphdex &window = open();
    QTest::mouseClick(window.Option1(1), Qt::LeftButton);
    QCOMPARE(window.DictMode(), 1);
    QCOMPARE(m_folder->readBytes(QStringLiteral("SaveSet.zmd")), QByteArray::fromHex("010000000000"));
    type(input);
    QCOMPARE(window.rich1(2)->text(), result);
}

void TestGlyphdex::doublePinyinLooksNothingUp()
{
    Glyphdex &window = open();
    QTest::mouseClick(window.Option1(2), Qt::LeftButton);
    window.rich1(2)->setText(QStringLiteral("kept"));
    type(s("中国"));
    QTest::mouseClick(window.Command1(0), Qt::LeftButton);
    QCOMPARE(window.rich1(2)->text(), QStringLiteral("kept"));
}

void TestGlyphdex::escapeClearsBothBoxes()
{
    Glyphdex &window = open();
    type(s("中国"));
    QCOMPARE(window.rich1(2)->text(), s("khlg"));
    QTest::keyClick(window.rich1(1), Qt::Key_Escape);
    QCOMPARE(window.rich1(1)->text(), QString());
    QCOMPARE(window.rich1(2)->text(), QString());
}

void TestGlyphdex::clipboardButtons()
{
    Glyphdex &window = open();
    QClipboard *clipboard = QGuiApplication::clipboard();

    clipboard->setText(s("工人"));
    QTest::mouseClick(window.Command1(1), Qt::LeftButton);
    QCOMPARE(window.rich1(1)->text(), s("工人"));
    QCOMPARE(window.rich1(2)->text(), s("aaww"));

    window.rich1(1)->setText(s("中"));
    QTest::mouseClick(window.Command1(2), Qt::LeftButton);
    QCOMPARE(clipboard->text(), s("中："));
    QCOMPARE(window.rich1(1)->text(), s("中"));

    window.rich1(1)->setText(s("国"));
    QTest::mouseClick(window.Command1(3), Qt::LeftButton);
    QCOMPARE(clipboard->text(), s("国："));
    QCOMPARE(window.rich1(1)->text(), QString());
    QCOMPARE(window.rich1(2)->text(), QString());
    QVERIFY(window.rich1(1)->hasFocus());
}

void TestGlyphdex::vocabularyBooks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QByteArray>("bytes");
    // 中 D6D0, 国 B9FA, ： A3BA, 没找到 C3BBD5D2B5BD
    QTest::addRow("wubi") << 0 << s("五笔生字本.txt")
                          << QByteArray("\xD6\xD0\xB9\xFA\xA3\xBAkhlg\r\n\xD6\xD0\xB9\xFA\xA3\xBAkhlg\r\n");
    QTest::addRow("pinyin") << 1 << s("拼音生字本.txt")
                            << QByteArray("\xD6\xD0\xB9\xFA\xA3\xBAzhongguo\r\n\xD6\xD0\xB9\xFA\xA3\xBAzhongguo\r\n");
    QTest::addRow("double pinyin") << 2 << s("双拼生字本.txt")
                                   << QByteArray("\xD6\xD0\xB9\xFA\xA3\xBAx\r\n\xD6\xD0\xB9\xFA\xA3\xBAx\r\n");
}

void TestGlyphdex::vocabularyBooks()
{
    QFETCH(int, mode);
    QFETCH(QString, book);
    QFETCH(QByteArray, bytes);
    Glyphdex &window = open();
    QTest::mouseClick(window.Option1(mode), Qt::LeftButton);
    window.rich1(2)->setText(QStringLiteral("x"));
    type(s("中国"));
    QTest::mouseClick(window.Command1(4), Qt::LeftButton);
    QTest::mouseClick(window.Command1(4), Qt::LeftButton);
    QCOMPARE(m_folder->readBytes(book), bytes);
    QVERIFY(m_prompter.calls().isEmpty());

    // Nothing typed, nothing added.
    QTest::keyClick(window.rich1(1), Qt::Key_Escape);
    QTest::mouseClick(window.Command1(4), Qt::LeftButton);
    QCOMPARE(m_folder->readBytes(book), bytes);
}

void TestGlyphdex::unwritableBookIsReported()
{
    Glyphdex &window = open();
    type(s("😀"));
    QTest::mouseClick(window.Command1(4), Qt::LeftButton);
    QCOMPARE(m_prompter.calls().size(), 1);
    QCOMPARE(m_prompter.titles(), QStringList{s("错误提示")});
    QVERIFY(m_prompter.messageTexts().first().contains(s("😀")));
    QVERIFY(!m_folder->exists(s("五笔生字本.txt")));
}

void TestGlyphdex::openBookUsesTheDesktop()
{
    Glyphdex &window = open();
    QTest::mouseClick(window.Option1(1), Qt::LeftButton);
    QTest::mouseClick(window.Command1(5), Qt::LeftButton);
    QCOMPARE(m_shell.opened().size(), 1);
    QCOMPARE(m_shell.opened().first().toLocalFile(), m_folder->path(s("拼音生字本.txt")));
}

void TestGlyphdex::minimiseHidesOnlyWithANotificationArea()
{
    Glyphdex &window = open();
    window.setNotificationAreaCheck([] { return false; });
    QTest::mouseClick(window.Command1(6), Qt::LeftButton);
    QVERIFY(window.isVisible());
    QVERIFY(window.isMinimized());

    window.showNormal();
    window.setNotificationAreaCheck([] { return true; });
    QTest::mouseClick(window.Command1(6), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void TestGlyphdex::trayIconMouse()
{
    Glyphdex &window = open();
    window.setNotificationAreaCheck([] { return true; });
    QTest::mouseClick(window.Command1(6), Qt::LeftButton);
    QVERIFY(!window.isVisible());

    Q_EMIT window.SysKnot1().MouseDown(2, Glyphdex::IconId);
    QVERIFY(window.MmuSaveSet()->isVisible());
    QVERIFY(!window.isVisible());
    window.MmuSaveSet()->close();

    Q_EMIT window.SysKnot1().MouseDown(1, Glyphdex::IconId);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());

    window.hide();
    window.MmuSet(0)->trigger();
    QVERIFY(window.isVisible());
}

void TestGlyphdex::rightClickMakesTopmostAndOpensMenu()
{
    Glyphdex &window = open();
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window.MmuSet(3)->isChecked());
    QVERIFY(window.MmuSaveSet()->isVisible());
    window.MmuSaveSet()->close();
}

void TestGlyphdex::onTopToggleIsSavedAtTheEnd()
{
    Glyphdex &window = open();
    window.MmuSet(3)->trigger();
    QVERIFY(window.MmuSet(3)->isChecked());
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(m_folder->readBytes(QStringLiteral("SaveSet.zmd")), QByteArray(6, '\0'));
    window.close();
    QCOMPARE(m_folder->readBytes(QStringLiteral("SaveSet.zmd")), QByteArray::fromHex("00000000ffff"));
}

void TestGlyphdex::aboutBoxLeavesTheTopmostBand()
{
    m_folder->writeBytes(QStringLiteral("SaveSet.zmd"), QByteArray::fromHex("00000000ffff"));
    Glyphdex &window = open();
    bool topmostWhileOpen = true;
    QString boxTitle;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        boxTitle = box->windowTitle();
        topmostWhileOpen = window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        box->close();
    });
    window.MmuSet(4)->trigger();
    QVERIFY(boxTitle.contains(QStringLiteral("Glyphdex")));
    QVERIFY(!topmostWhileOpen);
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestGlyphdex::closingSavesAndRemovesTheIcon()
{
    Glyphdex &window = open();
    QTest::mouseClick(window.Option1(1), Qt::LeftButton);
    QSignalSpy ended(&window, &Glyphdex::ended);
    const QSystemTrayIcon *icon = window.SysKnot1().trayIcon(SysKnot::handleOf(&window), Glyphdex::IconId);
    QVERIFY(icon);
    QCOMPARE(icon->toolTip(), QStringLiteral("rudi1.0"));
    m_folder->writeBytes(QStringLiteral("SaveSet.zmd"), QByteArray());
    window.MmuSet(5)->trigger();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_folder->readBytes(QStringLiteral("SaveSet.zmd")), QByteArray::fromHex("010000000000"));
    QVERIFY(!window.SysKnot1().trayIcon(SysKnot::handleOf(&window), Glyphdex::IconId));
    window.close();
    QCOMPARE(ended.size(), 1);
}

QTEST_MAIN(TestGlyphdex)
#include "tst_glyphdex.moc"

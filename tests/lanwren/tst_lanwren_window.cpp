#include "ChatEndpoint.h"
#include "ChatSettings.h"
#include "Form1.h"
#include "Form2.h"
#include "Form4.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "SingleInstance.h"
#include "SysKnotCalls.h"
#include "TempProgramFolder.h"

#include <QGroupBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestLanwrenWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void twoCopiesExchangeAndReplyWithoutPeer();
    void newestMessageStandsFirst();
    void datagramIsShownAsPlainText();
    void transcriptKeepsNewestWithinLimit();

    void standbyAlertsOnArrivalAndGoesOn();
    void standbyFromMenuLeavesStopAndNoAlert();
    void sendingInStandbyAlertsOwnWindow();
    void onlineStopsStandbyButStaysTopmost();
    void onlineWhileAlertIsUpEndsStandby();

    void shortcutKeys_data();
    void shortcutKeys();
    void menusOpenAndClearBoxes();

    void firstStartUsesDefaultsAndCloseWritesRecord();
    void storedColoursWithMissingPicture();
    void chosenPictureAndColoursAreSaved();
    void cancelledDialogsChangeNothing();
    void resetDeletesFileAndRestoresDefaults();

    void clockShowsDateTimeAndDayCount();
    void secondCopyIsRefused();
    void helpWindowNamesTheProgramAndCloses();

private:
    std::unique_ptr<Form1> makeChat(const QDateTime &now = QDateTime());
    static void commitText(QWidget *box, const QString &text);
    void deliver(Form1 &to, const QByteArray &datagram);
    void link(Form1 &a, Form1 &b);

    std::unique_ptr<TempProgramFolder> m_folder;
    ScriptedPrompter m_prompter;
    RecordingSoundPlayer m_sound;
    RecordingShell m_shell;
    std::unique_ptr<ChatEndpoint> m_probe;
};

void TestLanwrenWindow::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_prompter.clear();
    m_sound.clear();
    m_probe = std::make_unique<ChatEndpoint>();
    QVERIFY(m_probe->bind(QHostAddress::LocalHost, 0));
}

void TestLanwrenWindow::cleanup()
{
    m_probe.reset();
    m_folder.reset();
}

std::unique_ptr<Form1> TestLanwrenWindow::makeChat(const QDateTime &now)
{
    ChatOptions options;
    options.bindAddress = QHostAddress::LocalHost;
    options.localPort = 0;
    if (now.isValid())
        options.now = [now] { return now; };
    auto chat = std::make_unique<Form1>(PlatformServices{&m_prompter, &m_sound, &m_shell}, options);
    chat->show();
    return chat;
}

// An input method committing a finished word, as a Chinese IME does.
void TestLanwrenWindow::commitText(QWidget *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

void TestLanwrenWindow::link(Form1 &a, Form1 &b)
{
    a.Winsock1->setRemotePort(b.Winsock1->localPort());
    b.Winsock1->setRemotePort(a.Winsock1->localPort());
}

// A datagram from outside, as another machine would send it.
void TestLanwrenWindow::deliver(Form1 &to, const QByteArray &datagram)
{
    const QString before = to.transcript();
    m_probe->setRemotePort(to.Winsock1->localPort());
    m_probe->send(QStringLiteral("127.0.0.1"), datagram);
    QTRY_VERIFY_WITH_TIMEOUT(to.transcript() != before, 5000);
}

void TestLanwrenWindow::twoCopiesExchangeAndReplyWithoutPeer()
{
    const QDateTime at(QDate(2026, 12, 11), QTime(14, 5, 9));
    auto a = makeChat(at);
    auto b = makeChat(at);
    link(*a, *b);
    const QString machine = SysKnotCalls(*a->SysKnot1).F_WIN9X_获取机器名();

    a->Text2->setText(QStringLiteral(" 127.0.0.1 "));
    a->Text3->setFocus();
    commitText(a->Text3, QStringLiteral("小明"));
    a->Text4->setFocus();
    commitText(a->Text4, QStringLiteral("你好"));
    QTest::mouseClick(a->Command1, Qt::LeftButton);

    const QString sent = QStringLiteral("14:05:09") + machine + QStringLiteral("：小明\r\n你好\r\n");
    QCOMPARE(a->transcript(), sent);
    QVERIFY(a->Text4->toPlainText().isEmpty());
    QCOMPARE(a->focusWidget(), a->Text4);
    QVERIFY(m_prompter.calls().isEmpty()); // the peer box was filled
    QTRY_COMPARE_WITH_TIMEOUT(b->transcript(), sent, 5000);

    // The called side answers with an empty peer box; it is asked for the peer afterwards.
    m_prompter.planInput(std::nullopt);
    b->Text4->setFocus();
    commitText(b->Text4, QStringLiteral("收到"));
    QTest::mouseClick(b->Command1, Qt::LeftButton);
    QCOMPARE(m_prompter.calls().size(), 1);
    const ScriptedPrompter::Call ask = m_prompter.calls().at(0);
    QCOMPARE(ask.kind, ScriptedPrompter::Kind::Input);
    QCOMPARE(ask.text,
             QStringLiteral("请输入对方的电脑名称（如A8等），输入完后再单击一次“发送”按钮"));
    QCOMPARE(ask.title, QStringLiteral("提示：你尚未输入对方的电脑名称或IP地址"));
    QCOMPARE(ask.defaultText, QStringLiteral("A8"));
    QVERIFY(b->Text2->text().isEmpty());

    const QString reply = QStringLiteral("14:05:09") + machine + QStringLiteral("：\r\n收到\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(a->transcript(), reply + sent, 5000);

    // An answer to the prompt becomes the peer.
    m_prompter.planInput(QStringLiteral("C8"));
    QTest::mouseClick(b->Command1, Qt::LeftButton);
    QCOMPARE(b->Text2->text(), QStringLiteral("C8"));
}

void TestLanwrenWindow::newestMessageStandsFirst()
{
    auto chat = makeChat();
    deliver(*chat, QByteArray("first"));
    deliver(*chat, QByteArray("second\r\nline two"));
    deliver(*chat, QByteArray("third"));
    QCOMPARE(chat->transcript(),
             QStringLiteral("third\r\nsecond\r\nline two\r\nfirst\r\n"));
}

void TestLanwrenWindow::datagramIsShownAsPlainText()
{
    auto chat = makeChat();
    deliver(*chat, QByteArray("<b>") + QByteArray::fromHex("b4d6") + QByteArray("</b><img src=x>&amp;")
                       + QByteArray("\xff\xff", 2));
    QCOMPARE(chat->Text1->toPlainText(), QStringLiteral("<b>粗</b><img src=x>&amp;\uFFFD\uFFFD\n"));
}

void TestLanwrenWindow::transcriptKeepsNewestWithinLimit()
{
    auto chat = makeChat();
    const QString line = QString(99, u'x');
    QString body;
    for (int i = 0; i < 600; ++i)
        body += QStringLiteral("\r\n") + line;
    const int count = Form1::TranscriptLimit / body.size() + 3;
    for (int i = 0; i < count; ++i)
        chat->ReceiveChatMessage(QStringLiteral("#%1").arg(i) + body);
    const QString text = chat->Text1->toPlainText();
    QVERIFY(text.size() <= Form1::TranscriptLimit);
    QVERIFY(text.size() > Form1::TranscriptLimit - 2 * body.size());
    QVERIFY(text.startsWith(QStringLiteral("#%1\n").arg(count - 1)));
    QVERIFY(!text.contains(QStringLiteral("#0\n")));
    // The old end is cut between lines, never inside one.
    QVERIFY(text.endsWith(u'\n'));
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &kept : lines)
        QVERIFY(kept == line || kept.startsWith(u'#'));
}

void TestLanwrenWindow::standbyAlertsOnArrivalAndGoesOn()
{
    auto chat = makeChat();
    chat->Text1->setPlainText(QStringLiteral("old"));
    QTest::mouseClick(chat->Command7, Qt::LeftButton);
    QVERIFY(chat->Text1->toPlainText().isEmpty());
    QCOMPARE(chat->Label8->text(), QStringLiteral("待机"));
    QVERIFY(chat->Timer1.isActive());
    QCOMPARE(chat->Timer1.interval(), 10);
    QVERIFY(!chat->alert());
    chat->Timer1_Timer();
    QVERIFY(chat->isTopmost());

    deliver(*chat, QByteArray("hi"));
    QVERIFY(chat->alert());
    QVERIFY(chat->alert()->isVisible());
    QCOMPARE(chat->alert()->windowTitle(), QStringLiteral("呼叫！！！"));
    QCOMPARE(chat->alert()->Label1->text(), QStringLiteral("有人叫你！"));
    QVERIFY(!chat->Timer1.isActive());
    QVERIFY(!chat->isTopmost());
    QCOMPARE(m_sound.played().size(), 1);
    QVERIFY(m_sound.played().at(0).endsWith(QStringLiteral("/right.wav")));

    // More messages while the alert is up open no second alert.
    Form4 *first = chat->alert();
    deliver(*chat, QByteArray("again"));
    QCOMPARE(chat->alert(), first);
    QCOMPARE(m_sound.played().size(), 1);

    // A click on the label sends the alert away; standby goes on.
    QTest::mouseClick(chat->alert()->Label1, Qt::LeftButton);
    QTRY_VERIFY(!chat->alert());
    QVERIFY(chat->Timer1.isActive());
    QCOMPARE(chat->Label8->text(), QStringLiteral("待机"));
    deliver(*chat, QByteArray("third"));
    QVERIFY(chat->alert());
    QCOMPARE(m_sound.played().size(), 2);
}

void TestLanwrenWindow::standbyFromMenuLeavesStopAndNoAlert()
{
    auto chat = makeChat();
    chat->Text1->setPlainText(QStringLiteral("old"));
    chat->diaiji->trigger();
    QCOMPARE(chat->transcript(), QStringLiteral("stop"));
    QCOMPARE(chat->Label8->text(), QStringLiteral("待机"));
    QVERIFY(chat->Timer1.isActive());
    QVERIFY(!chat->alert());

    deliver(*chat, QByteArray("hello"));
    QCOMPARE(chat->transcript(), QStringLiteral("hello\r\nstop"));
    QVERIFY(chat->alert());
}

void TestLanwrenWindow::sendingInStandbyAlertsOwnWindow()
{
    auto chat = makeChat();
    chat->Text2->setText(QStringLiteral("127.0.0.1"));
    chat->Winsock1->setRemotePort(m_probe->localPort());
    chat->EnterStandby();
    commitText(chat->Text4, QStringLiteral("喂"));
    chat->SendChatMessage();
    QVERIFY(chat->alert());
    QVERIFY(!chat->Timer1.isActive());
}

void TestLanwrenWindow::onlineStopsStandbyButStaysTopmost()
{
    auto chat = makeChat();
    chat->EnterStandby();
    chat->Timer1_Timer();
    QVERIFY(chat->isTopmost());
    QTest::mouseClick(chat->Command8, Qt::LeftButton);
    QCOMPARE(chat->Label8->text(), QStringLiteral("在线"));
    QVERIFY(!chat->Timer1.isActive());
    QVERIFY(chat->isTopmost());
    deliver(*chat, QByteArray("no call"));
    QVERIFY(!chat->alert());
    QVERIFY(m_sound.played().isEmpty());
}

void TestLanwrenWindow::onlineWhileAlertIsUpEndsStandby()
{
    auto chat = makeChat();
    chat->EnterStandby();
    deliver(*chat, QByteArray("call"));
    QVERIFY(chat->alert());
    chat->EnterOnline();
    chat->alert()->close();
    QTRY_VERIFY(!chat->alert());
    QVERIFY(!chat->Timer1.isActive());
    QCOMPARE(chat->Label8->text(), QStringLiteral("在线"));
}

void TestLanwrenWindow::shortcutKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("effect");
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    QTest::addRow("Ctrl+K help") << Qt::Key_K << ctrl << QStringLiteral("help");
    QTest::addRow("Ctrl+L clears transcript") << Qt::Key_L << ctrl << QStringLiteral("transcript");
    QTest::addRow("Ctrl+M clears send box") << Qt::Key_M << ctrl << QStringLiteral("sendbox");
    QTest::addRow("Ctrl+D standby from menu") << Qt::Key_D << ctrl << QStringLiteral("stop");
    QTest::addRow("Ctrl+Q online") << Qt::Key_Q << ctrl << QStringLiteral("online");
    QTest::addRow("Ctrl+N sends") << Qt::Key_N << ctrl << QStringLiteral("send");
    QTest::addRow("Ctrl+J settings menu") << Qt::Key_J << ctrl << QStringLiteral("settings");
    QTest::addRow("F4 closes") << Qt::Key_F4 << Qt::KeyboardModifiers() << QStringLiteral("close");
}

void TestLanwrenWindow::shortcutKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, effect);
    auto chat = makeChat();
    chat->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(chat.get()));
    chat->Text2->setText(QStringLiteral("127.0.0.1"));
    chat->Winsock1->setRemotePort(m_probe->localPort());
    chat->Text1->setPlainText(QStringLiteral("kept"));
    if (effect == u"online") {
        chat->EnterStandbyFromMenu();
        QVERIFY(chat->Timer1.isActive());
    }
    chat->Text4->setFocus();
    commitText(chat->Text4, QStringLiteral("abc"));
    // The keys work from inside the send box, whose own bindings must not swallow them.
    QTest::keyClick(chat->Text4, key, modifiers);

    if (effect == u"help") {
        QVERIFY(chat->helpWindow());
        QVERIFY(chat->helpWindow()->isVisible());
        QCOMPARE(chat->Text4->toPlainText(), QStringLiteral("abc"));
    } else if (effect == u"transcript") {
        QVERIFY(chat->Text1->toPlainText().isEmpty());
    } else if (effect == u"sendbox") {
        QVERIFY(chat->Text4->toPlainText().isEmpty());
        QCOMPARE(chat->transcript(), QStringLiteral("kept"));
    } else if (effect == u"stop") {
        QCOMPARE(chat->transcript(), QStringLiteral("stop"));
        QVERIFY(chat->Timer1.isActive());
    } else if (effect == u"online") {
        QCOMPARE(chat->Label8->text(), QStringLiteral("在线"));
        QVERIFY(!chat->Timer1.isActive());
    } else if (effect == u"send") {
        QVERIFY(chat->transcript().contains(QStringLiteral("\r\nabc\r\nkept")));
        QVERIFY(chat->Text4->toPlainText().isEmpty());
    } else if (effect == u"settings") {
        QVERIFY(chat->Mu设置->isVisible());
        chat->Mu设置->close();
    } else if (effect == u"close") {
        QVERIFY(!chat->isVisible());
        QVERIFY(m_folder->exists(QStringLiteral("\\Wren设置保存.txt")));
    }
}

void TestLanwrenWindow::menusOpenAndClearBoxes()
{
    auto chat = makeChat();
    chat->Text1->setPlainText(QStringLiteral("a"));
    chat->Text4->setPlainText(QStringLiteral("b"));
    QTest::mouseClick(chat->Command4, Qt::LeftButton);
    QVERIFY(chat->Text4->toPlainText().isEmpty());
    QCOMPARE(chat->Text1->toPlainText(), QStringLiteral("a"));
    QTest::mouseClick(chat->Command3, Qt::LeftButton);
    QVERIFY(chat->Text1->toPlainText().isEmpty());
    chat->Text1->setPlainText(QStringLiteral("a"));
    chat->Qk1->trigger();
    QVERIFY(chat->Text1->toPlainText().isEmpty());
    QCOMPARE(chat->yj->actions().size(), 7);
    QCOMPARE(chat->Mu设置->actions().size(), 4);

    // Right button on the window's background: the menu at the pointer; the settings button
    // opens its own menu.
    QVERIFY(!chat->yj->isVisible());
    QTest::mousePress(chat.get(), Qt::RightButton, {}, QPoint(3, chat->height() - 3));
    QTRY_VERIFY(chat->yj->isVisible());
    chat->yj->close();
    QTest::mouseClick(chat->Command5, Qt::LeftButton);
    QTRY_VERIFY(chat->Mu设置->isVisible());
    chat->Mu设置->close();
}

void TestLanwrenWindow::firstStartUsesDefaultsAndCloseWritesRecord()
{
    auto chat = makeChat();
    QCOMPARE(chat->windowColor(), QColor(0, 130, 130));
    QCOMPARE(chat->textColor(), QColor(0, 0, 255));
    QCOMPARE(chat->Label3->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(chat->Label8->palette().color(QPalette::Window), QColor(0, 130, 130));
    QTest::mouseClick(chat->Command6, Qt::LeftButton);
    QVERIFY(!chat->isVisible());
    const QByteArray record = m_folder->readBytes(QStringLiteral("\\Wren设置保存.txt"));
    QCOMPARE(record.size(), 116);
    const ChatSettings back = ChatSettings::fromRecord(record);
    QCOMPARE(back.ChatWindowColor, double(0x828200));
    QCOMPARE(back.ChatTextColor, double(0xFF0000));
    QCOMPARE(record.mid(16), QByteArray(100, ' '));
}

void TestLanwrenWindow::storedColoursWithMissingPicture()
{
    ChatSettings stored;
    stored.ChatWindowColor = 0x00FF00;
    stored.ChatTextColor = 0x0000FF;
    stored.ChatPicturePath = m_folder->root() + QStringLiteral("/gone.bmp");
    m_folder->writeBytes(QStringLiteral("\\Wren设置保存.txt"), stored.toRecord());
    auto chat = makeChat();
    QCOMPARE(chat->windowColor(), QColor(0, 255, 0));
    QCOMPARE(chat->textColor(), QColor(255, 0, 0));
    QCOMPARE(chat->Label8->palette().color(QPalette::Window), QColor(0, 130, 130));
    QVERIFY(!chat->hasBackgroundPicture());
    QVERIFY(chat->pictureFileName().isEmpty());
}

void TestLanwrenWindow::chosenPictureAndColoursAreSaved()
{
    const QString picture = m_folder->root() + QStringLiteral("/背景.bmp");
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QVERIFY(image.save(picture));

    auto chat = makeChat();
    m_prompter.planColour(QColor(10, 20, 30));
    chat->Mu窗口颜色设置->trigger();
    m_prompter.planColour(QColor(200, 100, 50));
    chat->Mu文本颜色设置->trigger();
    m_prompter.planFiles({picture});
    chat->Mu用图片背景->trigger();
    QCOMPARE(m_prompter.calls().last().kind, ScriptedPrompter::Kind::OpenFiles);
    QVERIFY(m_prompter.calls().last().filter.contains(QStringLiteral("*.bmp")));
    QVERIFY(chat->hasBackgroundPicture());
    QCOMPARE(chat->Label1->palette().color(QPalette::WindowText), QColor(200, 100, 50));
    QCOMPARE(chat->Label7->palette().color(QPalette::WindowText), QColor(200, 100, 50));
    chat->close();

    const ChatSettings back = ChatSettings::fromRecord(m_folder->readBytes(QStringLiteral("\\Wren设置保存.txt")));
    QCOMPARE(back.ChatWindowColor, double(10 | 20 << 8 | 30 << 16));
    QCOMPARE(back.ChatTextColor, double(200 | 100 << 8 | 50 << 16));
    QCOMPARE(back.ChatPicturePath, picture);

    auto again = makeChat();
    QVERIFY(again->hasBackgroundPicture());
    QCOMPARE(again->pictureFileName(), picture);
    QCOMPARE(again->windowColor(), QColor(10, 20, 30));
    QCOMPARE(again->dialogColor(), QColor(10, 20, 30));
}

void TestLanwrenWindow::cancelledDialogsChangeNothing()
{
    auto chat = makeChat();
    const QColor before = chat->windowColor();
    chat->Mu窗口颜色设置->trigger();
    chat->Mu文本颜色设置->trigger();
    m_prompter.planFiles({m_folder->root() + QStringLiteral("/not-a-picture.bmp")});
    m_folder->writeBytes(QStringLiteral("\\not-a-picture.bmp"), QByteArray("garbage"));
    chat->Mu用图片背景->trigger();
    QCOMPARE(chat->windowColor(), before);
    QCOMPARE(chat->textColor(), QColor(0, 0, 255));
    QVERIFY(!chat->hasBackgroundPicture());
    QVERIFY(chat->pictureFileName().isEmpty());
}

void TestLanwrenWindow::resetDeletesFileAndRestoresDefaults()
{
    ChatSettings stored;
    stored.ChatWindowColor = 0x000000;
    stored.ChatTextColor = 0x00FFFF;
    m_folder->writeBytes(QStringLiteral("\\Wren设置保存.txt"), stored.toRecord());
    auto chat = makeChat();
    QCOMPARE(chat->windowColor(), QColor(0, 0, 0));
    chat->Mu恢复默认设置->trigger();
    QVERIFY(!m_folder->exists(QStringLiteral("\\Wren设置保存.txt")));
    QCOMPARE(chat->windowColor(), QColor(0, 130, 130));
    QCOMPARE(chat->textColor(), QColor(0, 0, 255));
    QCOMPARE(chat->dialogColor(), QColor(0, 0, 255));
    QVERIFY(!chat->hasBackgroundPicture());
}

void TestLanwrenWindow::clockShowsDateTimeAndDayCount()
{
    auto chat = makeChat(QDateTime(QDate(2004, 1, 1), QTime(8, 30, 5)));
    QCOMPARE(chat->Text5->text(), QStringLiteral("2004-1-1"));
    QCOMPARE(chat->Text6->text(), QStringLiteral("08:30:05"));
    QCOMPARE(chat->Text7->text(), QStringLiteral("0天"));
    QCOMPARE(chat->Frame1->title(), QStringLiteral("时钟"));
}

void TestLanwrenWindow::secondCopyIsRefused()
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("chat.lock"));
    SingleInstance running(lock);
    QVERIFY(Form1::claimSingleInstance(running, m_prompter));
    QVERIFY(m_prompter.calls().isEmpty());
    SingleInstance second(lock);
    QVERIFY(!Form1::claimSingleInstance(second, m_prompter));
    QCOMPARE(m_prompter.calls().size(), 1);
    QCOMPARE(m_prompter.calls().at(0).text, QStringLiteral("本程序已经运行!"));
    QCOMPARE(m_prompter.calls().at(0).title, QStringLiteral("提示信息"));
    QCOMPARE(m_prompter.calls().at(0).icon, Prompter::Icon::Warning);
    QVERIFY(running.claim()); // the running copy is left alone
}

void TestLanwrenWindow::helpWindowNamesTheProgramAndCloses()
{
    auto chat = makeChat();
    QTest::mouseClick(chat->Command2, Qt::LeftButton);
    Form2 *help = chat->helpWindow();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("帮助与升级"));
    const QString text = help->Text2->toPlainText();
    for (const QString &part : {QStringLiteral("  A使用方法"), QStringLiteral("B、升级与发展"),
                                QStringLiteral("C、在线与待机"), QStringLiteral("D、")})
        QVERIFY2(text.contains(part), qPrintable(part));
    QVERIFY(text.contains(QStringLiteral("Wrenlink")));
    QVERIFY(Form2::helpText().contains(QStringLiteral("\r\n")));
    QTest::mouseClick(help->Command1, Qt::LeftButton);
    QTRY_VERIFY(!chat->helpWindow());
}

QTEST_MAIN(TestLanwrenWindow)
#include "tst_lanwren_window.moc"

#include "ChatClock.h"
#include "ChatEndpoint.h"
#include "ChatMessage.h"
#include "ChatSettings.h"
#include "SingleInstance.h"
#include "TempProgramFolder.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>

class TestLanwrenLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void messageLayout_data();
    void messageLayout();
    void messageBytesAreGbk();
    void datagramDecoding_data();
    void datagramDecoding();

    void settingsRecordBytes();
    void settingsPathIsCutAtCharacterBoundary();
    void settingsRoundTrip();
    void settingsMissingOrShortFile();
    void settingsCorruptColourFallsBack_data();
    void settingsCorruptColourFallsBack();
    void settingsReset();

    void dayCount_data();
    void dayCount();

    void singleInstance();

    void loopbackExchangeAndReplyToLastSender();
    void emptyHostBeforeAnyArrivalGoesNowhere();
    void hostNameIsResolved();
    void takenPortStillSends();
    void burstArrivesInOrder();
};

void TestLanwrenLogic::messageLayout_data()
{
    QTest::addColumn<QString>("nickname");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::addRow("nickname and text")
        << QStringLiteral("小明") << QStringLiteral("你好")
        << QStringLiteral("14:05:09A8：小明\r\n你好");
    QTest::addRow("empty nickname and text")
        << QString() << QString() << QStringLiteral("14:05:09A8：\r\n");
    QTest::addRow("lines of the send box travel as CR LF")
        << QStringLiteral("x") << QStringLiteral("一\n二\r\n三\r四")
        << QStringLiteral("14:05:09A8：x\r\n一\r\n二\r\n三\r\n四");
}

void TestLanwrenLogic::messageLayout()
{
    QFETCH(QString, nickname);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(ChatMessage::compose(QTime(14, 5, 9), QStringLiteral("A8"), nickname, message), expected);
}

void TestLanwrenLogic::messageBytesAreGbk()
{
    const QString text =
        ChatMessage::compose(QTime(9, 0, 1), QStringLiteral("C8"), QStringLiteral("小明"),
                             QStringLiteral("你好"));
    const QByteArray expected = QByteArray("09:00:01C8") + QByteArray::fromHex("a3ba" "d0a1c3f7")
                                + QByteArray("\r\n") + QByteArray::fromHex("c4e3bac3");
    QCOMPARE(ChatMessage::encode(text), expected);
    QCOMPARE(ChatMessage::decode(expected), text);
}

void TestLanwrenLogic::datagramDecoding_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("expected");
    QTest::addRow("markup stays text") << QByteArray("<b>hi</b><img src=x>")
                                       << QStringLiteral("<b>hi</b><img src=x>");
    QTest::addRow("invalid bytes") << QByteArray("a\xff\xff" "b", 4)
                                   << QStringLiteral("a\uFFFD\uFFFDb");
    QTest::addRow("lead byte cut off at the end") << QByteArray("ok\xc4", 3)
                                                  << QStringLiteral("ok\uFFFD");
}

void TestLanwrenLogic::datagramDecoding()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, expected);
    QCOMPARE(ChatMessage::decode(datagram), expected);
}

static double doubleAt(const QByteArray &bytes, int at)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void TestLanwrenLogic::settingsRecordBytes()
{
    ChatSettings settings;
    settings.ChatWindowColor = 0x828200;
    settings.ChatTextColor = 0xFF0000;
    settings.ChatPicturePath = QStringLiteral("/home/王/图.bmp");
    const QByteArray record = settings.toRecord();
    QCOMPARE(record.size(), 116);
    QCOMPARE(record.left(8), QByteArray::fromHex("0000000040506041"));
    QCOMPARE(doubleAt(record, 0), 8552960.0);
    QCOMPARE(doubleAt(record, 8), 16711680.0);
    const QByteArray path = QByteArray("/home/") + QByteArray::fromHex("cdf5") + QByteArray("/")
                            + QByteArray::fromHex("cdbc") + QByteArray(".bmp");
    QCOMPARE(record.mid(16, path.size()), path);
    QCOMPARE(record.mid(16 + path.size()), QByteArray(100 - path.size(), ' '));
}

void TestLanwrenLogic::settingsPathIsCutAtCharacterBoundary()
{
    ChatSettings settings;
    settings.ChatPicturePath = QString(99, u'a') + QStringLiteral("中文");
    const QByteArray record = settings.toRecord();
    QCOMPARE(record.size(), 116);
    QCOMPARE(record.mid(16), QByteArray(99, 'a') + ' ');
    QCOMPARE(ChatSettings::fromRecord(record).ChatPicturePath, QString(99, u'a'));
}

void TestLanwrenLogic::settingsRoundTrip()
{
    TempProgramFolder folder;
    ChatSettings settings;
    settings.ChatWindowColor = 0x123456;
    settings.ChatTextColor = 255;
    settings.ChatPicturePath = QStringLiteral("/tmp/背景 图.jpg");
    const QString path = folder.path(QStringLiteral("\\Wren设置保存.txt"));
    QVERIFY(settings.save(path));
    QCOMPARE(QFileInfo(path).size(), 116);
    const ChatSettings back = ChatSettings::load(path);
    QVERIFY(back.stored);
    QCOMPARE(back.ChatWindowColor, 0x123456);
    QCOMPARE(back.ChatTextColor, 255);
    QCOMPARE(back.ChatPicturePath, settings.ChatPicturePath);
}

void TestLanwrenLogic::settingsMissingOrShortFile()
{
    TempProgramFolder folder;
    const QString path = folder.path(QStringLiteral("\\Wren设置保存.txt"));
    ChatSettings missing = ChatSettings::load(path);
    QVERIFY(!missing.stored);
    QCOMPARE(missing.ChatWindowColor, 0.0);
    QVERIFY(missing.ChatPicturePath.isEmpty());
    QVERIFY(QFileInfo::exists(path)); // opened as a record file: created empty

    ChatSettings full;
    full.ChatWindowColor = 7;
    folder.writeBytes(QStringLiteral("\\Wren设置保存.txt"), full.toRecord().left(20));
    const ChatSettings cut = ChatSettings::load(path);
    QVERIFY(!cut.stored);
    QCOMPARE(cut.ChatWindowColor, 7.0);
}

void TestLanwrenLogic::settingsCorruptColourFallsBack_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<quint32>("expected");
    QTest::addRow("plain") << 65280.0 << 65280u;
    QTest::addRow("negative") << -1.0 << 0xABCDEFu;
    QTest::addRow("system colour") << 2147483653.0 << 0xABCDEFu;
    QTest::addRow("fraction") << 1.5 << 0xABCDEFu;
    QTest::addRow("nan") << std::nan("") << 0xABCDEFu;
}

void TestLanwrenLogic::settingsCorruptColourFallsBack()
{
    QFETCH(double, stored);
    QFETCH(quint32, expected);
    QCOMPARE(ChatSettings::colorValue(stored, 0xABCDEF), expected);
}

void TestLanwrenLogic::settingsReset()
{
    TempProgramFolder folder;
    const QString path = folder.path(QStringLiteral("\\Wren设置保存.txt"));
    ChatSettings settings;
    settings.ChatWindowColor = 1;
    QVERIFY(settings.save(path));
    QVERIFY(ChatSettings::reset(path));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(ChatSettings::reset(path)); // nothing to delete is no failure
}

void TestLanwrenLogic::dayCount_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("expected");
    QTest::addRow("design day") << QDate(2002, 11, 20) << QStringLiteral("407天");
    QTest::addRow("day before") << QDate(2003, 12, 31) << QStringLiteral("1天");
    QTest::addRow("the day") << QDate(2004, 1, 1) << QStringLiteral("0天");
    QTest::addRow("day after") << QDate(2004, 1, 2) << QStringLiteral("-1天");
    QTest::addRow("years later") << QDate(2026, 12, 11) << QStringLiteral("-8380天");
}

void TestLanwrenLogic::dayCount()
{
    QFETCH(QDate, today);
    QFETCH(QString, expected);
    QCOMPARE(ChatClock::daysLeftText(today), expected);
}

void TestLanwrenLogic::singleInstance()
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("chat.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    QVERIFY(first->claim());
    QVERIFY(first->claim()); // asking again from the same copy keeps it
    SingleInstance second(lock);
    QVERIFY(!second.claim());
    first.reset();
    QVERIFY(second.claim());
}

namespace {

struct Pair
{
    Pair()
    {
        QVERIFY(a.bind(QHostAddress::LocalHost, 0));
        QVERIFY(b.bind(QHostAddress::LocalHost, 0));
        a.setRemotePort(b.localPort());
        b.setRemotePort(a.localPort());
    }
    ChatEndpoint a;
    ChatEndpoint b;
};

} // namespace

void TestLanwrenLogic::loopbackExchangeAndReplyToLastSender()
{
    Pair pair;
    QSignalSpy atA(&pair.a, &ChatEndpoint::received);
    QSignalSpy atB(&pair.b, &ChatEndpoint::received);
    const QString hello = QStringLiteral("12:00:00A8：小明\r\n你好");
    pair.a.send(QStringLiteral("  127.0.0.1 "), ChatMessage::encode(hello));
    QTRY_COMPARE_WITH_TIMEOUT(atB.count(), 1, 5000);
    QCOMPARE(atB.at(0).at(0).toString(), hello);
    QVERIFY(pair.b.hasLastSender());
    QCOMPARE(pair.b.lastSenderPort(), pair.a.localPort());

    // B's remote port points elsewhere: the reply must follow the sender, not the setting.
    pair.b.setRemotePort(1);
    pair.b.send(QString(), ChatMessage::encode(QStringLiteral("回信")));
    QTRY_COMPARE_WITH_TIMEOUT(atA.count(), 1, 5000);
    QCOMPARE(atA.at(0).at(0).toString(), QStringLiteral("回信"));
}

void TestLanwrenLogic::emptyHostBeforeAnyArrivalGoesNowhere()
{
    Pair pair;
    QSignalSpy atA(&pair.a, &ChatEndpoint::received);
    pair.b.send(QString(), QByteArray("lost"));
    pair.b.send(QStringLiteral("127.0.0.1"), QByteArray("kept"));
    QTRY_COMPARE_WITH_TIMEOUT(atA.count(), 1, 5000);
    QCOMPARE(atA.at(0).at(0).toString(), QStringLiteral("kept"));
    QCoreApplication::processEvents();
    QCOMPARE(atA.count(), 1);
}

void TestLanwrenLogic::hostNameIsResolved()
{
    Pair pair;
    QSignalSpy atB(&pair.b, &ChatEndpoint::received);
    pair.a.send(QStringLiteral("localhost"), QByteArray("by name"));
    QTRY_COMPARE_WITH_TIMEOUT(atB.count(), 1, 5000);
    QCOMPARE(atB.at(0).at(0).toString(), QStringLiteral("by name"));
}

void TestLanwrenLogic::takenPortStillSends()
{
    ChatEndpoint holder;
    QVERIFY(holder.bind(QHostAddress::LocalHost, 0));
    QSignalSpy atHolder(&holder, &ChatEndpoint::received);
    ChatEndpoint late;
    QVERIFY(!late.bind(QHostAddress::LocalHost, holder.localPort()));
    QVERIFY(!late.isBound());
    late.setRemotePort(holder.localPort());
    late.send(QStringLiteral("127.0.0.1"), QByteArray("still out"));
    QTRY_COMPARE_WITH_TIMEOUT(atHolder.count(), 1, 5000);
}

void TestLanwrenLogic::burstArrivesInOrder()
{
    Pair pair;
    QStringList got;
    connect(&pair.b, &ChatEndpoint::received, this, [&got](const QString &text) { got << text; });
    const int count = 3 * ChatEndpoint::BatchSize + 5;
    for (int i = 0; i < count; ++i)
        pair.a.send(QStringLiteral("127.0.0.1"), QByteArray::number(i));
    QTRY_COMPARE_WITH_TIMEOUT(got.size(), count, 5000);
    for (int i = 0; i < count; ++i)
        QCOMPARE(got.at(i), QString::number(i));
}

QTEST_GUILESS_MAIN(TestLanwrenLogic)
#include "tst_lanwren_logic.moc"

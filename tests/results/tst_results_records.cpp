#include "ResultRecord.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QTest>
#include <QtEndian>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// One record written byte by byte, independent of the code under test.
QByteArray handRecord(qint32 right, qint32 wrong, qint32 speed, double time, double date, double limit)
{
    QByteArray b(66, '\0');
    qToLittleEndian(right, b.data());
    qToLittleEndian(wrong, b.data() + 4);
    qToLittleEndian(speed, b.data() + 8);
    auto putDouble = [&b](int at, double v) {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        qToLittleEndian(bits, b.data() + at);
    };
    putDouble(12, time);
    putDouble(20, date);
    putDouble(28, limit);
    return b;
}

const QString fileOfAnn = u"MdbSet/UserMdb/ann/ann@FomQW.reu"_s;

} // namespace

class TestResultRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodesTheSixtySixByteLayout();
    void readsThreeRecordsInOrder();
    void readSkipsACutOffTail();
    void readOfMissingFileGivesNone();
    void appendGoesRightAfterTheLastRecord();
    void appendOverwritesACutOffTail();
    void appendCreatesMissingFile();
    void appendCreatesMissingResultsFolder();
    void appendRefusesNamesThatLeaveTheFolder_data();
    void appendRefusesNamesThatLeaveTheFolder();
};

void TestResultRecords::encodesTheSixtySixByteLayout()
{
    ResultRecord r;
    r.RightCount = 300;
    r.WrongTotal = -2;
    r.Speed = 100;
    r.TimeOfDay = 0.5;
    r.SavedDate = 46367;
    r.TimeLimit = 3;
    r.ResultText = "ignored but cut to thirty bytes and more and more";
    QByteArray expected = handRecord(300, -2, 100, 0.5, 46367, 3);
    expected.replace(36, 30, QByteArray("ignored but cut to thirty byte"));
    QCOMPARE(r.encode(), expected);

    ResultRecord fresh;
    QCOMPARE(fresh.encode().mid(36), QByteArray(30, '\0'));
}

void TestResultRecords::readsThreeRecordsInOrder()
{
    TempProgramFolder folder;
    folder.writeBytes(fileOfAnn, handRecord(1, 2, 3, 0.25, 40000, 3) + handRecord(4, 5, 6, 0.75, 40001, 5)
                                     + handRecord(7, 8, 9, 0.125, 40002, 30));
    const QList<ResultRecord> all = ReadResults(u"ann"_s, u"FomQW"_s);
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[0].RightCount, 1);
    QCOMPARE(all[1].WrongTotal, 5);
    QCOMPARE(all[2].Speed, 9);
    QCOMPARE(all[1].TimeOfDay, 0.75);
    QCOMPARE(all[2].SavedDate, 40002.0);
    QCOMPARE(all[2].TimeLimit, 30.0);
}

void TestResultRecords::readSkipsACutOffTail()
{
    TempProgramFolder folder;
    // 66 × 2 + 40: the count rounds to 3, but the third is only partly there.
    folder.writeBytes(fileOfAnn, handRecord(1, 0, 0, 0, 0, 3) + handRecord(2, 0, 0, 0, 0, 3)
                                     + QByteArray(40, '\x7f'));
    const QList<ResultRecord> all = ReadResults(u"ann"_s, u"FomQW"_s);
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[1].RightCount, 2);
}

void TestResultRecords::readOfMissingFileGivesNone()
{
    TempProgramFolder folder;
    QVERIFY(ReadResults(u"nobody"_s, u"FomQW"_s).isEmpty());
    QVERIFY(!folder.exists(u"MdbSet/UserMdb/nobody"_s));
}

void TestResultRecords::appendGoesRightAfterTheLastRecord()
{
    TempProgramFolder folder;
    const QByteArray three = handRecord(1, 1, 1, 0, 0, 3) + handRecord(2, 2, 2, 0, 0, 3)
                             + handRecord(3, 3, 3, 0, 0, 3);
    folder.writeBytes(fileOfAnn, three);
    ResultRecord r;
    r.RightCount = 42;
    r.TimeLimit = 8;
    QVERIFY(AppendResult(u"ann"_s, u"FomQW"_s, r));
    const QByteArray after = folder.readBytes(fileOfAnn);
    QCOMPARE(after.size(), 264);
    QCOMPARE(after.left(198), three);
    QCOMPARE(after.mid(198), handRecord(42, 0, 0, 0, 0, 8));
}

void TestResultRecords::appendOverwritesACutOffTail()
{
    TempProgramFolder folder;
    const QByteArray two = handRecord(1, 0, 0, 0, 0, 3) + handRecord(2, 0, 0, 0, 0, 3);
    folder.writeBytes(fileOfAnn, two + QByteArray(40, '\x7f'));
    ResultRecord r;
    r.RightCount = 3;
    QVERIFY(AppendResult(u"ann"_s, u"FomQW"_s, r));
    QCOMPARE(folder.readBytes(fileOfAnn), two + handRecord(3, 0, 0, 0, 0, 0));
    const QList<ResultRecord> all = ReadResults(u"ann"_s, u"FomQW"_s);
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[2].RightCount, 3);
}

void TestResultRecords::appendCreatesMissingFile()
{
    TempProgramFolder folder;
    QDir(folder.root()).mkpath(u"MdbSet/UserMdb/ann"_s);
    ResultRecord r;
    r.Speed = 77;
    QVERIFY(AppendResult(u"ann"_s, u"FomTT"_s, r));
    QCOMPARE(folder.readBytes(u"MdbSet/UserMdb/ann/ann@FomTT.reu"_s), handRecord(0, 0, 77, 0, 0, 0));
}

void TestResultRecords::appendCreatesMissingResultsFolder()
{
    TempProgramFolder folder;
    ResultRecord r;
    r.RightCount = 5;
    QVERIFY(AppendResult(u"bo"_s, u"FomWT"_s, r));
    const QList<ResultRecord> back = ReadResults(u"bo"_s, u"FomWT"_s);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].RightCount, 5);
}

void TestResultRecords::appendRefusesNamesThatLeaveTheFolder_data()
{
    QTest::addColumn<QString>("user");
    QTest::addRow("parent") << u".."_s;
    QTest::addRow("slash") << u"../x"_s;
    QTest::addRow("empty") << QString();
}

void TestResultRecords::appendRefusesNamesThatLeaveTheFolder()
{
    QFETCH(QString, user);
    TempProgramFolder folder;
    QVERIFY(!AppendResult(user, u"FomQW"_s, ResultRecord()));
    QCOMPARE(QDir(folder.root() + u"/MdbSet/UserMdb"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(QDir(folder.root() + u"/MdbSet"_s).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestResultRecords)
#include "tst_results_records.moc"

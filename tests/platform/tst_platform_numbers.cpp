#include "Random.h"
#include "VbFormat.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestPlatformNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void patterns_data();
    void patterns();
    void roundHalfEven_data();
    void roundHalfEven();
    void leadingNumber_data();
    void leadingNumber();
    void dayNumbers();
    void dayFractions();
    void randomRepeatsFromStartAndStaysInRange();
};

void TestPlatformNumbers::patterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::addRow("accuracy 5.5") << 5.5 << u"00.00"_s << u"05.50"_s;
    QTest::addRow("accuracy 100") << 100.0 << u"00.00"_s << u"100.00"_s;
    QTest::addRow("accuracy 0") << 0.0 << u"00.00"_s << u"00.00"_s;
    QTest::addRow("accuracy rounds") << 66.666666 << u"00.00"_s << u"66.67"_s;
    QTest::addRow("remaining 5") << 5.0 << u" #0.000"_s << u" 5.000"_s;
    QTest::addRow("remaining tick") << 5.0 - 1.0 / 600 << u" #0.000"_s << u" 4.998"_s;
    QTest::addRow("remaining below one") << 0.5 << u" #0.000"_s << u" 0.500"_s;
    QTest::addRow("remaining negative") << -0.0016666 << u" #0.000"_s << u" -0.002"_s;
    QTest::addRow("remaining 10") << 10.0 << u" #0.000"_s << u" 10.000"_s;
    QTest::addRow("game half") << 0.5 << u"###.000"_s << u".500"_s;
    QTest::addRow("game negative") << -0.25 << u"###.000"_s << u"-.250"_s;
    QTest::addRow("game plain") << 2.345 << u"###.000"_s << u"2.345"_s;
    QTest::addRow("game big") << 123.4 << u"###.000"_s << u"123.400"_s;
    QTest::addRow("two places") << 3.14159 << u"#0.00"_s << u"3.14"_s;
    QTest::addRow("two places zero") << 0.0 << u"#0.00"_s << u"0.00"_s;
    QTest::addRow("exact half to even") << 0.125 << u"#0.00"_s << u"0.12"_s;
    QTest::addRow("negative that rounds to zero") << -0.0001 << u"#0.00"_s << u"0.00"_s;
}

void TestPlatformNumbers::patterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(VbFormat::format(value, pattern), text);
}

void TestPlatformNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::addRow("2.5") << 2.5 << qint64(2);
    QTest::addRow("3.5") << 3.5 << qint64(4);
    QTest::addRow("-2.5") << -2.5 << qint64(-2);
    QTest::addRow("2.4999") << 2.4999 << qint64(2);
    QTest::addRow("186.6") << 186.6 << qint64(187);
    QTest::addRow("0.5") << 0.5 << qint64(0);
    QTest::addRow("1.5") << 1.5 << qint64(2);
}

void TestPlatformNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(VbFormat::roundHalfEven(value), rounded);
}

void TestPlatformNumbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addRow("minutes") << u"10分钟"_s << 10.0;
    QTest::addRow("leading space") << u" 4.998"_s << 4.998;
    QTest::addRow("speed box") << u"187个"_s << 187.0;
    QTest::addRow("negative") << u" -0.002"_s << -0.002;
    QTest::addRow("empty") << QString() << 0.0;
    QTest::addRow("letters") << u"abc"_s << 0.0;
    QTest::addRow("blanks inside digits") << u"1 2"_s << 12.0;
    QTest::addRow("second dot stops") << u"1.2.3"_s << 1.2;
}

void TestPlatformNumbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(VbFormat::leadingNumber(text), value);
}

void TestPlatformNumbers::dayNumbers()
{
    QCOMPARE(VbFormat::dayNumber(QDate(1899, 12, 30)), qint64(0));
    QCOMPARE(VbFormat::dayNumber(QDate(1900, 1, 1)), qint64(2));
    QCOMPARE(VbFormat::dayNumber(QDate(2004, 1, 1)), qint64(37987));
    QCOMPARE(VbFormat::dayNumber(QDate(1899, 12, 29)), qint64(-1));
    QCOMPARE(VbFormat::dateFromDayNumber(46000), QDate(2025, 12, 9));
    QCOMPARE(VbFormat::dateFromDayNumber(VbFormat::dayNumber(QDate(2026, 12, 11))), QDate(2026, 12, 11));
}

void TestPlatformNumbers::dayFractions()
{
    QCOMPARE(VbFormat::dayFraction(QTime(12, 0)), 0.5);
    QCOMPARE(VbFormat::dayFraction(QTime(0, 0)), 0.0);
    QCOMPARE(VbFormat::dayFraction(QTime(6, 0)), 0.25);
    QCOMPARE(VbFormat::timeFromDayFraction(0.75), QTime(18, 0));
    QCOMPARE(VbFormat::timeFromDayFraction(VbFormat::dayFraction(QTime(13, 14, 15))), QTime(13, 14, 15));
    QCOMPARE(VbFormat::timeFromDayFraction(std::nan("")), QTime(0, 0));
}

void TestPlatformNumbers::randomRepeatsFromStartAndStaysInRange()
{
    Random::reset();
    QList<double> first;
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double r = Random::next();
        QVERIFY(r >= 0.0 && r < 1.0);
        if (i < 20)
            first << r;
        sum += r;
    }
    QVERIFY(std::abs(sum / 10000 - 0.5) < 0.02);
    Random::reset();
    for (int i = 0; i < 20; ++i)
        QCOMPARE(Random::next(), first.at(i));
    QVERIFY(first.at(0) != first.at(1));
}

QTEST_GUILESS_MAIN(TestPlatformNumbers)
#include "tst_platform_numbers.moc"

#include "CodeTables.h"
#include "DictSettings.h"
#include "DictTables.h"
#include "ProgramFolder.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Full codes come first, as in the shipped table; 乙 has a one-letter code to show doubling.
const char *const kCharCodes =
    "中khk;中k;国lgyi;国l;工aaaa;工a;人wwww;地fbn;民nav;你wqiy;乙n;好vbg;好vb;";

DictTables charTables()
{
    DictTables tables;
    tables.setCharCodes(s(kCharCodes));
    return tables;
}

} // namespace

class TestDictTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void charCode_data();
    void charCode();
    void wordCode_data();
    void wordCode();
    void dictPinyin_data();
    void dictPinyin();
    void lookUpByMode();
    void unreadablePinyinTableLeavesItsOwnElement();
    void shippedTablesGiveRealWubiCodes_data();
    void shippedTablesGiveRealWubiCodes();
    void settingsBytes_data();
    void settingsBytes();
    void settingsKeepTheRestOfTheFile();
};

void TestDictTables::charCode_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("expected");
    QTest::addRow("one-level letter") << s("中") << s("k");
    QTest::addRow("first table entry") << s("好") << s("vbg");
    QTest::addRow("one-letter table code") << s("乙") << s("n");
    QTest::addRow("not in the table") << s("甲") << QString();
    QTest::addRow("letter found inside codes") << s("k") << QString();
    QTest::addRow("semicolon") << s(";") << QString();
}

void TestDictTables::charCode()
{
    QFETCH(QString, character);
    QFETCH(QString, expected);
    QCOMPARE(charTables().CharCode(character), expected);
}

void TestDictTables::wordCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("two one-level characters use table codes") << s("中国") << s("khlg");
    QTest::addRow("two full codes") << s("工人") << s("aaww");
    QTest::addRow("second character's first two letters") << s("工地") << s("aafb");
    QTest::addRow("one-letter code written twice") << s("乙人") << s("nnww");
    QTest::addRow("three characters") << s("中国人") << s("klww");
    QTest::addRow("three, last with one letter") << s("中国乙") << s("klnn");
    QTest::addRow("four characters") << s("中国人民") << s("klwn");
    QTest::addRow("five uses 1, 2, 3 and last") << s("中国人民你") << s("klww");
    QTest::addRow("unknown character adds nothing") << s("甲国") << s("lg");
    QTest::addRow("unknown in a longer word") << s("中甲人民") << s("kwn");
    QTest::addRow("empty") << QString() << QString();
}

void TestDictTables::wordCode()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(charTables().WordCode(text), expected);
}

void TestDictTables::dictPinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("character") << s("中") << s("zhong");
    QTest::addRow("word") << s("中国") << s("zhongguo");
    QTest::addRow("eight characters") << s("一二三四五六七八") << s("yiba");
    QTest::addRow("word the table lacks") << s("国中") << s("没找到");
    QTest::addRow("nine characters have no table") << s("一二三四五六七八九") << s("没找到");
    QTest::addRow("empty") << QString() << s("没找到");
    QTest::addRow("pinyin text") << s("zhong") << s("没找到");
}

void TestDictTables::dictPinyin()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    DictTables tables;
    tables.setPinyinTable(1, s("中zhong;国guo;"));
    tables.setPinyinTable(2, s("中国zhongguo;中国zg;"));
    tables.setPinyinTable(8, s("一二三四五六七八yiba;"));
    QCOMPARE(tables.DictPinyin(text), expected);
}

void TestDictTables::lookUpByMode()
{
    DictTables tables = charTables();
    tables.setPinyinTable(2, s("中国zhongguo;"));
    QCOMPARE(tables.lookUp(DictTables::Wubi, s("中")), s("k"));
    QCOMPARE(tables.lookUp(DictTables::Wubi, s("中国")), s("khlg"));
    QCOMPARE(tables.lookUp(DictTables::Wubi, s("甲")), QString());
    QCOMPARE(tables.lookUp(DictTables::Pinyin, s("中国")), s("zhongguo"));
    QVERIFY(!tables.lookUp(DictTables::DoublePinyin, s("中国")).has_value());
}

void TestDictTables::unreadablePinyinTableLeavesItsOwnElement()
{
    TempProgramFolder folder;
    folder.writeText(QStringLiteral("BM/wbc1.zmd"), s(kCharCodes));
    folder.writeText(QStringLiteral("BM/py1.zmd"), s("中zhong;"));
    folder.writeText(QStringLiteral("BM/py2.zmd"), s("中国zhongguo;"));
    folder.writeText(QStringLiteral("BM/py4.zmd"), s("中国人民zhongguorenmin;"));
    DictTables tables;
    tables.LoadDictTables(DictTables::Wubi);
    QVERIFY(tables.isLoaded(DictTables::Wubi));
    QVERIFY(!tables.isLoaded(DictTables::Pinyin));
    QCOMPARE(tables.CharCode(s("好")), s("vbg"));

    tables.LoadDictTables(DictTables::DoublePinyin);
    QVERIFY(tables.isLoaded(DictTables::Pinyin));
    QCOMPARE(tables.DictPinyin(s("中国")), s("zhongguo"));
    // py3 is missing: its table stays empty instead of taking py2's text, and py4 still loads.
    QCOMPARE(tables.DictPinyin(s("中国人")), s("没找到"));
    QCOMPARE(tables.DictPinyin(s("中国人民")), s("zhongguorenmin"));
}

void TestDictTables::shippedTablesGiveRealWubiCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("one-level character") << s("中") << s("k");
    QTest::addRow("two one-level characters") << s("中国") << s("khlg");
    QTest::addRow("one-level and full code") << s("工地") << s("aafb");
    QTest::addRow("two one-level, four-letter codes") << s("工人") << s("aaww");
}

void TestDictTables::shippedTablesGiveRealWubiCodes()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString built = TempProgramFolder::builtProgramFolder();
    if (built.isEmpty() || !QFile::exists(built + QStringLiteral("/BM/wbc1.zmd")))
        QSKIP("the generated tables are not built");
    ProgramFolder::setRoot(built);
    DictTables dict;
    dict.LoadDictTables(DictTables::Wubi);
    CodeTables tutor;
    tutor.LoadCodeTables(CodeTables::Wubi);
    ProgramFolder::setRoot(QString());
    QCOMPARE(*dict.lookUp(DictTables::Wubi, text), expected);
    // The tutor's own word tables must agree with the computed code.
    QCOMPARE(tutor.LookUpWubiCode(text), expected);
}

void TestDictTables::settingsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QByteArray>("saved");
    QTest::addRow("pinyin, on top") << QByteArray::fromHex("01000000ffff") << 1 << true
                                    << QByteArray::fromHex("01000000ffff");
    QTest::addRow("double pinyin") << QByteArray::fromHex("020000000000") << 2 << false
                                   << QByteArray::fromHex("020000000000");
    QTest::addRow("missing file") << QByteArray() << 0 << false << QByteArray::fromHex("000000000000");
    QTest::addRow("short file") << QByteArray::fromHex("01") << 1 << false
                                << QByteArray::fromHex("010000000000");
    QTest::addRow("mode without a button") << QByteArray::fromHex("07000000ffff") << 0 << true
                                           << QByteArray::fromHex("00000000ffff");
    QTest::addRow("negative mode") << QByteArray::fromHex("ffffffff0000") << 0 << false
                                   << QByteArray::fromHex("000000000000");
    QTest::addRow("any non-zero is on top") << QByteArray::fromHex("000000000100") << 0 << true
                                            << QByteArray::fromHex("00000000ffff");
}

void TestDictTables::settingsBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, mode);
    QFETCH(bool, onTop);
    QFETCH(QByteArray, saved);
    TempProgramFolder folder;
    if (!bytes.isNull())
        folder.writeBytes(QStringLiteral("SaveSet.zmd"), bytes);
    const DictSettings settings = DictSettings::load();
    QCOMPARE(settings.DictMode, mode);
    QCOMPARE(settings.DictOnTop, onTop);
    QCOMPARE(folder.exists(QStringLiteral("SaveSet.zmd")), !bytes.isNull());
    QVERIFY(settings.save());
    QCOMPARE(folder.readBytes(QStringLiteral("SaveSet.zmd")), saved);
}

void TestDictTables::settingsKeepTheRestOfTheFile()
{
    TempProgramFolder folder;
    folder.writeBytes(QStringLiteral("SaveSet.zmd"), QByteArray::fromHex("000000000000abcdef"));
    QVERIFY((DictSettings{2, true}.save()));
    QCOMPARE(folder.readBytes(QStringLiteral("SaveSet.zmd")), QByteArray::fromHex("02000000ffffabcdef"));
}

QTEST_GUILESS_MAIN(TestDictTables)
#include "tst_dicttables.moc"

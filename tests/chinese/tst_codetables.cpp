#include "CodeTables.h"
#include "LinearLookup.h"
#include "TempProgramFolder.h"
#include "VocabularyBook.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Tiny tables with the traps the lookups must get right: one-level characters with longer table
// codes, a word listed twice, words containing shorter words, an eight-character word.
const char *const kWubi[9] = {
    "工aaaa;中khk;中k;国lgyi;人wwww;地fbn;好vbg;好vb;的rqyy;民nav;你wqiy;",
    "中国khlg;工人aaww;工地aafb;人民wwna;国人lwww;",
    "中国人khlw;人民的wnrr;",
    "中国人民khwn;",
    "五个字的词ggpr;",
    "六个字的词语ggpy;",
    "中国人民共和国khwl;",
    "一二三四五六七八abcd;",
    "一二三四五六七八九abce;",
};
const char *const kPinyin[10] = {
    "中zhong;国guo;工gong;",
    "中国zhongguo;人民renmin;人民remin;",
    "中国人zhongguoren;",
    "", "", "", "", "", "",
    "一二三四五六七八九十yiershi;",
};

void writeTables(const TempProgramFolder &folder)
{
    for (int n = 1; n <= 9; ++n)
        folder.writeText(QStringLiteral("BM/wbc%1.zmd").arg(n), s(kWubi[n - 1]));
    for (int n = 1; n <= 10; ++n)
        folder.writeText(QStringLiteral("BM/py%1.zmd").arg(n), s(kPinyin[n - 1]));
}

CodeTables tablesInMemory()
{
    CodeTables tables;
    for (int n = 1; n <= 9; ++n)
        tables.setWubiTable(n, s(kWubi[n - 1]));
    for (int n = 1; n <= 10; ++n)
        tables.setPinyinTable(n, s(kPinyin[n - 1]));
    return tables;
}

} // namespace

class TestCodeTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookUpWubiCode_data();
    void lookUpWubiCode();
    void lookUpPinyin_data();
    void lookUpPinyin();
    void matchLongestWubi_data();
    void matchLongestWubi();
    void matchLongestPinyin_data();
    void matchLongestPinyin();
    void nothingLoaded();
    void loadReadsGbkFilesInOrder();
    void missingTableEndsTheLoad();
    void missingFirstTableLeavesSetUnloaded();
    void indexAgreesWithLinearSearch();
    void vocabularyLinesAreAppendedAsGbk();
    void vocabularyAppendFailures();
};

void TestCodeTables::lookUpWubiCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("one-level beats the table") << s("工") << s("a");
    QTest::addRow("last one-level") << s("主") << s("y");
    QTest::addRow("one-level pair looked up as a word") << s("中国") << s("khlg");
    QTest::addRow("single character from the table") << s("你") << s("wqiy");
    QTest::addRow("first entry wins") << s("好") << s("vbg");
    QTest::addRow("three characters") << s("中国人") << s("khlw");
    QTest::addRow("eight characters") << s("一二三四五六七八") << s("abcd");
    QTest::addRow("nine characters") << s("一二三四五六七八九") << s("abce");
    QTest::addRow("ten characters have no table") << s("一二三四五六七八九十") << s("没找到");
    QTest::addRow("empty") << QString() << s("没找到");
    QTest::addRow("unknown word") << s("国国") << s("没找到");
    QTest::addRow("letters that occur in a code") << s("khl") << s("没找到");
    QTest::addRow("single letter") << s("a") << s("没找到");
    QTest::addRow("semicolon") << s(";") << s("没找到");
    QTest::addRow("word glued to a code letter") << s("国k") << s("没找到");
}

void TestCodeTables::lookUpWubiCode()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tablesInMemory().LookUpWubiCode(text), expected);
}

void TestCodeTables::lookUpPinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("character") << s("中") << s("zhong");
    QTest::addRow("one-level character gets no letter") << s("工") << s("gong");
    QTest::addRow("word") << s("中国") << s("zhongguo");
    QTest::addRow("first entry wins") << s("人民") << s("renmin");
    QTest::addRow("ten characters") << s("一二三四五六七八九十") << s("yiershi");
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("unknown") << s("国国") << QString();
    QTest::addRow("pinyin text") << s("guo") << QString();
}

void TestCodeTables::lookUpPinyin()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tablesInMemory().LookUpPinyin(text), expected);
}

void TestCodeTables::matchLongestWubi_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("four before three and two") << s("中国人民好") << s("中国人民：khwn4");
    QTest::addRow("three before two") << s("中国人好") << s("中国人：khlw3");
    QTest::addRow("two characters") << s("中国") << s("中国：khlg2");
    QTest::addRow("longer word containing the pair is not reported") << s("民的") << s("民：n1");
    QTest::addRow("one-level when no word matches") << s("工好") << s("工：a1");
    QTest::addRow("table code of the first character") << s("好的") << s("好：vbg1");
    QTest::addRow("seven characters") << s("中国人民共和国人") << s("中国人民共和国：khwl7");
    QTest::addRow("eight-character word never matched") << s("一二三四五六七八") << s("一：g1");
    QTest::addRow("not found") << s("甲乙") << s("甲：没找到1");
    QTest::addRow("empty") << QString() << s("：没找到1");
    QTest::addRow("letters") << s("aa") << s("a：没找到1");
}

void TestCodeTables::matchLongestWubi()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString actual = tablesInMemory().MatchLongestWubi(text);
    QCOMPARE(actual, expected);
    QCOMPARE(CodeTables::matchLength(actual), expected.right(1).toInt());
    QCOMPARE(CodeTables::matchDisplay(actual), QStringView(expected).chopped(1));
}

void TestCodeTables::matchLongestPinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("longest first") << s("中国人民") << s("中国人：zhongguoren3");
    QTest::addRow("falls back to one character") << s("工人") << s("工：gong1");
    QTest::addRow("no one-level letters") << s("主") << s("主：没找到1");
    QTest::addRow("first entry wins") << s("人民") << s("人民：renmin2");
    QTest::addRow("ten-character word never matched") << s("一二三四五六七八九十") << s("一：没找到1");
    QTest::addRow("empty") << QString() << s("：没找到1");
}

void TestCodeTables::matchLongestPinyin()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(tablesInMemory().MatchLongestPinyin(text), expected);
}

void TestCodeTables::nothingLoaded()
{
    const CodeTables tables;
    QVERIFY(!tables.isLoaded(CodeTables::Wubi));
    QVERIFY(!tables.isLoaded(CodeTables::Pinyin));
    QCOMPARE(tables.LookUpWubiCode(s("工")), s("a"));
    QCOMPARE(tables.LookUpWubiCode(s("中国")), s("没找到"));
    QCOMPARE(tables.LookUpWubiCode(s("好")), s("没找到"));
    QCOMPARE(tables.LookUpPinyin(s("中")), QString());
    QCOMPARE(tables.MatchLongestWubi(s("中国")), s("中：k1"));
    QCOMPARE(tables.MatchLongestWubi(s("好")), s("好：没找到1"));
    QCOMPARE(tables.MatchLongestPinyin(s("中国")), s("中：没找到1"));
}

void TestCodeTables::loadReadsGbkFilesInOrder()
{
    TempProgramFolder folder;
    writeTables(folder);
    CodeTables tables;
    int steps = 0;
    tables.LoadCodeTables(CodeTables::Wubi, [&] { ++steps; });
    QCOMPARE(steps, 9);
    QVERIFY(tables.isLoaded(CodeTables::Wubi));
    QVERIFY(!tables.isLoaded(CodeTables::Pinyin));
    QCOMPARE(tables.WubiTables(3).text(), s(kWubi[2]));
    QCOMPARE(tables.LookUpWubiCode(s("一二三四五六七八九")), s("abce"));

    steps = 0;
    tables.LoadCodeTables(CodeTables::Pinyin, [&] { ++steps; });
    QCOMPARE(steps, 10);
    QCOMPARE(tables.LookUpPinyin(s("一二三四五六七八九十")), s("yiershi"));
    QCOMPARE(tables.MatchLongestPinyin(s("中国人")), s("中国人：zhongguoren3"));
}

void TestCodeTables::missingTableEndsTheLoad()
{
    TempProgramFolder folder;
    writeTables(folder);
    CodeTables tables;
    tables.LoadCodeTables(CodeTables::Wubi);

    // Second load: 2 changed, 3 gone, 4 changed. Only 1 and 2 may be replaced.
    folder.writeText(QStringLiteral("BM/wbc2.zmd"), s("中国zzzz;"));
    QVERIFY(QFile::remove(folder.path(QStringLiteral("BM/wbc3.zmd"))));
    folder.writeText(QStringLiteral("BM/wbc4.zmd"), s("中国人民zzzz;"));
    int steps = 0;
    tables.LoadCodeTables(CodeTables::Wubi, [&] { ++steps; });
    QCOMPARE(steps, 2);
    QCOMPARE(tables.LookUpWubiCode(s("中国")), s("zzzz"));
    QCOMPARE(tables.LookUpWubiCode(s("中国人")), s("khlw"));
    QCOMPARE(tables.LookUpWubiCode(s("中国人民")), s("khwn"));
}

void TestCodeTables::missingFirstTableLeavesSetUnloaded()
{
    TempProgramFolder folder;
    writeTables(folder);
    QVERIFY(QFile::remove(folder.path(QStringLiteral("BM/py1.zmd"))));
    CodeTables tables;
    tables.LoadCodeTables(CodeTables::Pinyin);
    QVERIFY(!tables.isLoaded(CodeTables::Pinyin));
    QVERIFY(tables.PinyinTables(2).isEmpty());
    QCOMPARE(tables.LookUpPinyin(s("中国")), QString());
}

void TestCodeTables::indexAgreesWithLinearSearch()
{
    // A small alphabet makes random words collide, repeat and nest often.
    const QString alphabet = s("工中国人民地好的和我一二三，");
    QRandomGenerator random(20261211);
    const auto randomText = [&](qsizetype length) {
        QString text;
        for (qsizetype i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        return text;
    };
    const auto randomCode = [&] {
        QString code;
        const int length = 1 + random.bounded(4);
        for (int i = 0; i < length; ++i)
            code += QChar(char16_t(u'a' + random.bounded(26)));
        return code;
    };

    LinearLookup linear;
    CodeTables tables;
    QStringList words;
    for (int n = 1; n <= 10; ++n) {
        QString wubi;
        QString pinyin;
        for (int i = 0; i < 40; ++i) {
            const QString word = randomText(n);
            words << word;
            wubi += word + randomCode() + u';';
            pinyin += word + randomCode() + randomCode() + u';';
        }
        linear.pinyin[n - 1] = pinyin;
        tables.setPinyinTable(n, pinyin);
        if (n <= 9) {
            linear.wubi[n - 1] = wubi;
            tables.setWubiTable(n, wubi);
        }
    }

    int hits = 0;
    for (int i = 0; i < 5000; ++i) {
        // Half the inputs start with a table word so that long matches happen too.
        QString text = i % 2 ? words.at(random.bounded(int(words.size()))) : QString();
        text += randomText(random.bounded(9));
        const QString wubi = tables.MatchLongestWubi(text);
        QCOMPARE(wubi, linear.matchLongestWubi(text));
        QCOMPARE(tables.MatchLongestPinyin(text), linear.matchLongestPinyin(text));
        QCOMPARE(tables.LookUpWubiCode(text), linear.lookUpWubiCode(text));
        if (CodeTables::matchLength(wubi) > 1)
            ++hits;
    }
    QVERIFY2(hits > 500, "the random inputs should exercise word matches");
}

void TestCodeTables::vocabularyLinesAreAppendedAsGbk()
{
    TempProgramFolder folder;
    const QString book = VocabularyBook::wubiBookPath(s("小明"));
    QCOMPARE(book, folder.path(s("File/小明86五笔生字本.txt")));
    QCOMPARE(VocabularyBook::pinyinBookPath(s("小明")), folder.path(s("File/小明全拼生字本.txt")));

    QDir(folder.root()).mkpath(QStringLiteral("File"));
    QVERIFY(VocabularyBook::append(book, s("中"), s("k")).ok);
    QVERIFY(VocabularyBook::append(book, s("中"), s("k")).ok);
    QVERIFY(VocabularyBook::append(book, s("甲\r\n"), s("没找到")).ok);
    // 中 D6D0, ： A3BA, 甲 BCD7, 没找到 C3BB D5D2 B5BD
    QCOMPARE(folder.readBytes(s("File/小明86五笔生字本.txt")),
             QByteArray("\xD6\xD0\xA3\xBAk\r\n\xD6\xD0\xA3\xBAk\r\n"
                        "\xBC\xD7\xA3\xBA\xC3\xBB\xD5\xD2\xB5\xBD\r\n"));
}

void TestCodeTables::vocabularyAppendFailures()
{
    TempProgramFolder folder;
    // No \File folder: the failure is reported, nothing is created.
    const QString book = VocabularyBook::wubiBookPath(s("小明"));
    QVERIFY(!VocabularyBook::append(book, s("中"), s("k")).ok);
    QVERIFY(!QFile::exists(book));

    // A character GBK cannot hold leaves the book as it was.
    QDir(folder.root()).mkpath(QStringLiteral("File"));
    QVERIFY(VocabularyBook::append(book, s("中"), s("k")).ok);
    const TextFile::WriteResult result = VocabularyBook::append(book, s("😀"), s("没找到"));
    QVERIFY(!result.ok);
    QCOMPARE(folder.readBytes(s("File/小明86五笔生字本.txt")), QByteArray("\xD6\xD0\xA3\xBAk\r\n"));
}

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"

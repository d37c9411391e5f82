#include "Gbk.h"
#include "OutputFolder.h"
#include "PinyinData.h"
#include "PracticeTexts.h"
#include "RimeDictionary.h"
#include "WubiData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDataGenerator : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    RimeDictionary dictionary(const QString &name, const QString &body)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
        file.write(QStringLiteral("# fixture\n---\nname: fixture\n...\n\n").toUtf8() + body.toUtf8());
        file.close();
        RimeDictionary d;
        QString error;
        [&] { QVERIFY2(d.load(path, &error), qPrintable(error)); }();
        return d;
    }

    WubiData wubiFixture(Charset &charset)
    {
        const RimeDictionary wubi = dictionary(QStringLiteral("wubi.yaml"), QStringLiteral(
            "工\ta\t100\taa\n工\taaaa\t500\n工\taaa\t500\n"
            "中\tk\t900\n中\tkh\t800\n中\tkhk\t950\n"
            "国\tl\t700\n国\tlg\t600\n国\tlgyi\t650\n#国\tlgy\t9999\n"
            "人\tw\t10\n人\twwww\t400\n人\tww\t300\n"
            "打\trs\t250\n打\trsh\t240\n王\tgggg\t220\n丹\tmyd\t210\n"
            "中国\tkhlg\t1000\n人工\tzzzz\t5\n人国\twwlx\t50\nA中\tkhaa\t99\n"
            "中国人\tklww\t80\n"));
        const RimeDictionary strokes = dictionary(QStringLiteral("stroke.yaml"), QStringLiteral(
            "打\thshszs\n王\thhsh\n丹\tpznh\n"));
        WubiData data;
        data.build(wubi, strokes, charset);
        return data;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void wubiTablesPutTheFullCodeFirstAndFollowTheWordRules()
    {
        Charset charset;
        const WubiData data = wubiFixture(charset);
        // Characters by weight; full code first, then the shorter codes; 1-letter codes left out.
        QCOMPARE(data.table(1), QStringLiteral(
            "中khk;中kh;国lgyi;国lg;工aaaa;工aaa;人wwww;人ww;打rsh;打rs;王gggg;丹myd;"));
        // z codes and words with ASCII are dropped; a word whose only code breaks the rule
        // (人国: ww + lg) gets the rule code in front.
        QCOMPARE(data.table(2), QStringLiteral("中国khlg;人国wwlg;人国wwlx;"));
        QCOMPARE(data.table(3), QStringLiteral("中国人klww;"));
        QCOMPARE(data.ruleCodesAdded(), 1);
        QVERIFY(data.hasWord(QStringLiteral("中国")));
        QVERIFY(!data.hasWord(QStringLiteral("人工")));
    }

    void wordCodesTiedInWeightPutTheRuleCodeFirst()
    {
        Charset charset;
        // Each tied pair lists the rule code second, as the installed dictionary does for some
        // words; 跃人's rule code weighs less than its other code.
        const RimeDictionary wubi = dictionary(QStringLiteral("tie.yaml"), QStringLiteral(
            "踊\tkhce\t300\n跃\tkhtd\t300\n人\twwww\t400\n"
            "踊跃\tkckt\t104\n踊跃\tkhkh\t104\n"
            "跃人\twwkh\t90\n跃人\tkhww\t50\n"
            "踊跃人\tkkkk\t7\n踊跃人\tkkww\t7\n"));
        const RimeDictionary strokes = dictionary(QStringLiteral("tie-stroke.yaml"), QStringLiteral("人\tpn\n"));
        WubiData data;
        data.build(wubi, strokes, charset);
        QCOMPARE(data.table(2), QStringLiteral("踊跃khkh;踊跃kckt;跃人wwkh;跃人khww;"));
        QCOMPARE(data.table(3), QStringLiteral("踊跃人kkww;踊跃人kkkk;"));
        QCOMPARE(data.ruleCodesAdded(), 0);
    }

    void poolsSortCharactersByKeysAndZone()
    {
        Charset charset;
        const WubiData data = wubiFixture(charset);
        // 打 has a two-key code on r (撇), 丹 only a three-key one on m (竖), 王 needs four keys
        // on g (横); the one-level characters stay out of every pool.
        QCOMPARE(data.pool(2, 3), QStringLiteral("打"));
        QCOMPARE(data.pool(3, 2), QStringLiteral("丹"));
        QCOMPARE(data.pool(4, 1), QStringLiteral("王"));
        QCOMPARE(data.pool(2, 2), QString());
        QCOMPARE(data.pool(2, 6), QStringLiteral("打"));
        QCOMPARE(data.pool(4, 6), QStringLiteral("王"));
        // 打 starts with a horizontal stroke but sits on r; 丹 starts with a falling stroke but
        // sits on m; 王 starts and sits in the horizontal zone.
        QCOMPARE(data.hardCharacters(), QStringLiteral("打丹"));
    }

    void pinyinKeepsFrequentReadingsFirstAndOnlySettledLongWords()
    {
        Charset charset;
        const RimeDictionary pinyin = dictionary(QStringLiteral("pinyin.yaml"), QStringLiteral(
            "中\tzhong\t100\n国\tguo\t90\n人\tren\t80\n民\tmin\t70\n长\tzhang\t50\n长\tchang\t60\n"
            "绿\tlu\t1\n绿\tlv\t30\n家\tjia\t20\n好\thao\t40\n"
            "中国\tzhong guo\t500\n人民\tren min\t400\n好人\thao ren\t30\n人家\tren jie\t20\n"));
        PinyinData data;
        data.build(pinyin,
                   {QStringLiteral("中国人民人民"), QStringLiteral("中国人民长"), QStringLiteral("人民好人家")},
                   charset);
        QCOMPARE(data.table(1), QStringLiteral(
            "中zhong;国guo;人ren;民min;长chang;长zhang;好hao;绿lv;绿lu;家jia;"));
        QCOMPARE(data.table(2), QStringLiteral("中国zhongguo;人民renmin;好人haoren;人家renjie;"));
        QCOMPARE(data.table(6), QStringLiteral("中国人民人民zhongguorenminrenmin;"));
        // 长 reads two ways; 好人|家 and 好|人家 disagree.
        QCOMPARE(data.table(5), QString());
        QCOMPARE(data.settledReading(QStringLiteral("人民好人家")), QString());
        QCOMPARE(data.settledReading(QStringLiteral("中国人")), QStringLiteral("zhongguoren"));
        QCOMPARE(data.settledReading(QStringLiteral("中国X")), QString());
        QCOMPARE(data.table(10), QString());
    }

    void textsShipAsGbkWithCrLf()
    {
        QTemporaryDir source;
        QTemporaryDir target;
        QVERIFY(QDir(source.path()).mkpath(QStringLiteral("中文打字资料")));
        const auto put = [&](const QString &relative, const QByteArray &bytes) {
            QFile f(source.filePath(relative));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        put(QStringLiteral("中文打字资料/一级.TXT"), QStringLiteral("\uFEFF第一行\n第二行\n").toUtf8());
        put(QStringLiteral("帮助.htm"), QStringLiteral("<meta charset=\"UTF-8\">\n<p>帮助</p>").toUtf8());
        OutputFolder out(target.path());
        QString error;
        QVERIFY2(PracticeTexts::convertAll(source.path(), out, &error), qPrintable(error));

        QFile article(target.filePath(QStringLiteral("中文打字资料/一级.TXT")));
        QVERIFY(article.open(QIODevice::ReadOnly));
        QCOMPARE(article.readAll(), Gbk::encode(QStringLiteral("第一行\r\n第二行\r\n")).bytes);
        QFile page(target.filePath(QStringLiteral("帮助.htm")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(Gbk::decode(page.readAll()), QStringLiteral("<meta charset=\"gbk\">\r\n<p>帮助</p>"));
    }

    void textsGbkCannotHoldStopTheBuild_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addRow("emoji") << QStringLiteral("好\n坏\U0001F600\n").toUtf8()
                               << QStringLiteral("bad.TXT:2: GBK cannot hold \U0001F600 (U+1F600)");
        QTest::addRow("not utf-8") << QByteArray("\xB5\xDA\xD2\xBB") << QStringLiteral("bad.TXT: not valid UTF-8");
    }

    void textsGbkCannotHoldStopTheBuild()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QTemporaryDir source;
        QTemporaryDir target;
        QFile f(source.filePath(QStringLiteral("bad.TXT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        OutputFolder out(target.path());
        QString error;
        QVERIFY(!PracticeTexts::convertAll(source.path(), out, &error));
        QVERIFY2(error.contains(expected), qPrintable(error));
        QVERIFY(!QFile::exists(target.filePath(QStringLiteral("bad.TXT"))));
    }
};

QTEST_GUILESS_MAIN(TestDataGenerator)
#include "tst_data_generator.moc"

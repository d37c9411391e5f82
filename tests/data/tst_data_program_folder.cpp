#include "DictTables.h"
#include "Gbk.h"
#include "ProgramFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

// Spot checks of the data files the build generated into the program folder.
class TestDataProgramFolder : public QObject
{
    Q_OBJECT

private:
    QString m_root;
    QHash<QString, QString> m_texts;

    QByteArray bytes(const QString &relative)
    {
        QFile file(m_root + u'/' + relative);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    const QString &text(const QString &relative)
    {
        auto found = m_texts.find(relative);
        if (found == m_texts.end())
            found = m_texts.insert(relative, Gbk::decode(bytes(relative)));
        return *found;
    }

    // The code of the first entry of `word`, found the way the tutor finds it.
    QString firstCode(const QString &table, const QString &word)
    {
        const QString &t = text(table);
        const qsizetype at = t.indexOf(word, 0, Qt::CaseInsensitive);
        if (at < 0)
            return {};
        const qsizetype end = t.indexOf(u';', at);
        return t.mid(at + word.size(), end - at - word.size());
    }

    // Every code of every character in the single-character table.
    QHash<QChar, QStringList> characterCodes()
    {
        QHash<QChar, QStringList> codes;
        for (const QString &entry : text(QStringLiteral("BM/wbc1.zmd")).split(u';', Qt::SkipEmptyParts))
            codes[entry.at(0)].append(entry.mid(1));
        return codes;
    }

    // Little-endian fields of a binary header; 0 past the end.
    static quint32 field(const QByteArray &bytes, int at, int width)
    {
        quint32 value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes.size() > at + i ? bytes.at(at + i) : 0);
        return value;
    }

    static QString oneLevel() { return QStringLiteral("工了以在有地一上不是中国同民为这我的要和产发人经主"); }

private Q_SLOTS:
    void initTestCase()
    {
        m_root = qEnvironmentVariable("KEYLOOM_PROGRAM_DIR");
        QVERIFY2(!m_root.isEmpty(), "KEYLOOM_PROGRAM_DIR names the assembled program folder");
        QVERIFY(QFile::exists(m_root + QStringLiteral("/BM/wbc1.zmd")));
    }

    void codes_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("code");
        QTest::addRow("中国 wubi") << "BM/wbc2.zmd" << "中国" << "khlg";
        QTest::addRow("工人 wubi") << "BM/wbc2.zmd" << "工人" << "aaww";
        QTest::addRow("工 full code first") << "BM/wbc1.zmd" << "工" << "aaaa";
        QTest::addRow("经 full code first") << "BM/wbc1.zmd" << "经" << "xcag";
        QTest::addRow("四字词 wubi") << "BM/wbc4.zmd" << "社会主义" << "pwyy";
        QTest::addRow("七字词 wubi") << "BM/wbc7.zmd" << "中华人民共和国" << "kwwl";
        QTest::addRow("五字词 wubi") << "BM/wbc5.zmd" << "中国共产党" << "klai";
        QTest::addRow("中国 pinyin") << "BM/py2.zmd" << "中国" << "zhongguo";
        QTest::addRow("了 frequent reading first") << "BM/py1.zmd" << "了" << "le";
        QTest::addRow("绿 keeps v") << "BM/py1.zmd" << "绿" << "lv";
        QTest::addRow("女 keeps v") << "BM/py1.zmd" << "女" << "nv";
        QTest::addRow("longer word pinyin") << "BM/py5.zmd" << "中国共产党" << "zhongguogongchandang";
    }

    void codes()
    {
        QFETCH(QString, table);
        QFETCH(QString, word);
        QFETCH(QString, code);
        QCOMPARE(firstCode(table, word), code);
    }

    // The tutor's hint is a word's first code; the dictionary builds the code by the word rule.
    void twoCharacterWordsLeadWithTheDictionarysCode()
    {
        ProgramFolder::setRoot(m_root);
        DictTables dict;
        dict.LoadDictTables(DictTables::Wubi);
        ProgramFolder::setRoot(QString());
        QVERIFY(dict.isLoaded(DictTables::Wubi));
        QSet<QString> seen;
        QStringList disagree;
        for (const QString &entry : text(QStringLiteral("BM/wbc2.zmd")).split(u';', Qt::SkipEmptyParts)) {
            const QString word = entry.left(2);
            if (seen.contains(word))
                continue; // only the first code is shown
            seen.insert(word);
            const QString expected = dict.WordCode(word);
            if (entry.mid(2) != expected)
                disagree << word + entry.mid(2) + u'/' + expected;
        }
        qInfo("%lld two-character words checked", qlonglong(seen.size()));
        QVERIFY(seen.size() > 10000);
        QVERIFY2(disagree.isEmpty(), qPrintable(disagree.mid(0, 20).join(u' ')));
    }

    void textFilesAreCleanGbk()
    {
        int checked = 0;
        QDirIterator it(m_root, {QStringLiteral("*.zmd"), QStringLiteral("*.txt"), QStringLiteral("*.TXT"),
                                 QStringLiteral("*.htm")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QStringLiteral("/MdbSet/")))
                continue; // what users write is not shipped data
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QStringDecoder gbk("GBK");
            const QString decoded = gbk.decode(file.readAll());
            QVERIFY2(!gbk.hasError() && !decoded.contains(QChar::ReplacementCharacter), qPrintable(path));
            ++checked;
        }
        QVERIFY2(checked >= 19 + 3 + 19 + 6 + 1, "tables, word lists, pools, articles, English text");
    }

    void tablesHoldOnlyEntries_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("codeLength"); // 0: any
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("wbc%d", n) << QStringLiteral("BM/wbc%1.zmd").arg(n) << n << (n == 1 ? 0 : 4);
        for (int n = 1; n <= 10; ++n)
            QTest::addRow("py%d", n) << QStringLiteral("BM/py%1.zmd").arg(n) << n << 0;
    }

    void tablesHoldOnlyEntries()
    {
        QFETCH(QString, table);
        QFETCH(int, length);
        QFETCH(int, codeLength);
        const QString &t = text(table);
        QVERIFY(!t.contains(u'\r') && !t.contains(u'\n') && !t.contains(u' '));
        const QString code = codeLength == 0 ? QStringLiteral("[a-z]+") : QStringLiteral("[a-z]{%1}").arg(codeLength);
        const QRegularExpression entries(QStringLiteral("^(?:[^\\x00-\\x7f]{%1}%2;)*$").arg(length).arg(code));
        QVERIFY2(entries.match(t).hasMatch(), qPrintable(table));
        // The Wubi tables and the dictionary-backed pinyin tables are never empty.
        if (table.contains(u"wbc") || length <= 4)
            QVERIFY(!t.isEmpty());
    }

    void wordLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::addRow("双字词") << "双字词" << 2;
        QTest::addRow("三字词") << "三字词" << 3;
        QTest::addRow("四字词") << "四字词" << 4;
    }

    void wordLists()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        const QString &list = text(QStringLiteral("File/分类词组/%1.zmd").arg(name));
        QVERIFY(list.size() >= 100 * length);
        QCOMPARE(list.size() % length, 0);
        const QString table = QStringLiteral("BM/wbc%1.zmd").arg(length);
        for (qsizetype i = 0; i < list.size(); i += length) {
            const QString word = list.mid(i, length);
            QCOMPARE(Gbk::encode(word).bytes.size(), 2 * length);
            // Every word can be hinted: the Wubi table knows it.
            QVERIFY2(firstCode(table, word).size() == 4, qPrintable(word));
        }
    }

    void pools_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("keys");
        const QStringList zones = {QStringLiteral("横"), QStringLiteral("竖"), QStringLiteral("撇"), QStringLiteral("捺"), QStringLiteral("折"), QStringLiteral("全部")};
        const QStringList keys = {QStringLiteral("adfgs"), QStringLiteral("hjklm"), QStringLiteral("eqrtw"), QStringLiteral("iopuy"), QStringLiteral("bcnvx"), QStringLiteral("abcdefghijklmnopqrstuvwxy")};
        for (const QString &level : {QStringLiteral("二级"), QStringLiteral("三级"), QStringLiteral("四级")}) {
            for (int z = 0; z < zones.size(); ++z)
                QTest::addRow("%s %s", qPrintable(level), qPrintable(zones.at(z))) << level << zones.at(z) << keys.at(z);
        }
    }

    void pools()
    {
        QFETCH(QString, level);
        QFETCH(QString, zone);
        QFETCH(QString, keys);
        const QString &pool = text(QStringLiteral("File/组合/%1/%2.txt").arg(level, zone));
        QVERIFY(!pool.isEmpty());
        const auto codes = characterCodes();
        for (const QChar c : pool) {
            QVERIFY2(!oneLevel().contains(c), qPrintable(QString(c)));
            const QStringList list = codes.value(c);
            QVERIFY2(!list.isEmpty() && keys.contains(list.first().at(0)), qPrintable(QString(c)));
            int shortest = 4;
            for (const QString &code : list)
                shortest = std::min(shortest, int(code.size()));
            QCOMPARE(shortest, level == u"二级" ? 2 : level == u"三级" ? 3 : 4);
        }
        if (zone == u"全部") {
            QString joined;
            for (const QString &z : {QStringLiteral("横"), QStringLiteral("竖"), QStringLiteral("撇"), QStringLiteral("捺"), QStringLiteral("折")})
                joined += text(QStringLiteral("File/组合/%1/%2.txt").arg(level, z));
            QCOMPARE(pool, joined);
        }
    }

    void hardCharacters()
    {
        const QString &hard = text(QStringLiteral("File/难字.txt"));
        QVERIFY(hard.size() >= 100);
        // 打 and 丹 begin with a stroke of another zone than their first key; 王 does not.
        QVERIFY(hard.contains(u'打'));
        QVERIFY(hard.contains(u'丹'));
        QVERIFY(!hard.contains(u'王'));
        QVERIFY(!hard.contains(u'\r') && !hard.contains(u'\n'));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= 5; ++n)
            QTest::addRow("%d.bmp", n) << n;
    }

    void pictures()
    {
        QFETCH(int, number);
        const QImage image(m_root + QStringLiteral("/Picture/%1.bmp").arg(number));
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 640 && image.width() <= 1024);
        QVERIFY(image.height() >= 480 && image.height() <= 768);
        // A picture, not a flat fill: top and bottom, left and right differ.
        QVERIFY(image.pixel(10, 10) != image.pixel(10, image.height() - 10)
                || image.pixel(10, 10) != image.pixel(image.width() - 10, 10));
    }

    void sounds()
    {
        const QByteArray right = bytes(QStringLiteral("right.wav"));
        const QByteArray wrong = bytes(QStringLiteral("wrong.wav"));
        for (const QByteArray &wave : {right, wrong}) {
            QVERIFY(wave.startsWith("RIFF"));
            QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
            const quint32 rate = field(wave, 24, 4);
            const quint32 data = field(wave, 40, 4);
            QCOMPARE(qsizetype(data + 44), wave.size());
            // Short enough to play on every keystroke.
            const double seconds = double(data) / (rate * 2);
            QVERIFY(seconds > 0.03 && seconds < 0.5);
        }
        QVERIFY(right != wrong);
    }

    void trayIcon()
    {
        const QByteArray ico = bytes(QStringLiteral("plugs1.ico"));
        QVERIFY(ico.size() > 6 + 16);
        QCOMPARE(field(ico, 0, 2), 0u);
        QCOMPARE(field(ico, 2, 2), 1u);
        const int count = int(field(ico, 4, 2));
        QVERIFY(count >= 1);
        for (int i = 0; i < count; ++i) {
            const int entry = 6 + 16 * i;
            const quint32 size = field(ico, entry + 8, 4);
            const quint32 offset = field(ico, entry + 12, 4);
            QVERIFY(offset + size <= quint32(ico.size()));
        }
        if (QImageReader::supportedImageFormats().contains("ico")) {
            const QImage icon(m_root + QStringLiteral("/plugs1.ico"));
            QVERIFY(!icon.isNull());
            QVERIFY(icon.width() == 16 || icon.width() == 32);
            // Transparent corners, an opaque middle.
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
        }
    }

    void desktopIcons_data()
    {
        QTest::addColumn<int>("size");
        QTest::addRow("48") << 48;
        QTest::addRow("256") << 256;
    }

    // What the installed desktop entry shows: square, transparent corners, opaque middle.
    void desktopIcons()
    {
        QFETCH(int, size);
        const QImage icon(m_root + QStringLiteral("/icons/hicolor/%1x%1/apps/keyloom.png").arg(size));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }

    void chineseArticles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &n : {QStringLiteral("一级"), QStringLiteral("二级"), QStringLiteral("三级"), QStringLiteral("四级"), QStringLiteral("五级"), QStringLiteral("六级")})
            QTest::addRow("%s", qPrintable(n)) << n;
    }

    void chineseArticles()
    {
        QFETCH(QString, name);
        const QString &article = text(QStringLiteral("中文打字资料/%1.TXT").arg(name));
        QVERIFY(article.size() >= 2 * 180);
        // Line ends are CR LF only, so the article window joins the lines cleanly.
        QCOMPARE(article.count(u'\n'), article.count(QStringLiteral("\r\n")));
        QCOMPARE(article.count(u'\r'), article.count(QStringLiteral("\r\n")));
    }

    void englishText()
    {
        const QString &english = text(QStringLiteral("英文打字资料/英文打字1.txt"));
        QVERIFY(english.size() >= 20 * 400);
        QVERIFY(!english.contains(u'\r') && !english.contains(u'\n'));
        QVERIFY(!english.contains(QStringLiteral("  ")));
    }

    void licencesShipWithTheTables()
    {
        QVERIFY(text(QStringLiteral("BM/LICENSE-wubi86.txt")).contains(QStringLiteral("LGPL")));
        QVERIFY(text(QStringLiteral("BM/LICENSE-pinyin_simp.txt")).contains(QStringLiteral("Apache")));
        QVERIFY(text(QStringLiteral("File/LICENSE-stroke.txt")).contains(QStringLiteral("LGPL")));
    }
};

QTEST_GUILESS_MAIN(TestDataProgramFolder)
#include "tst_data_program_folder.moc"

#include "DrillSets.h"
#include "FingerTable.h"
#include "KeyboardLayout.h"
#include "Random.h"

#include <QSet>
#include <QTest>

class TstDrillContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Random::reset(); }

    void pools_data();
    void pools();
    void captionsFindTheirSet();
    void linesUseEveryPoolCharacterAndNoOther_data();
    void linesUseEveryPoolCharacterAndNoOther();
    void lineShapes();
    void sameSequenceAfterReset();

    void fingerHint_data();
    void fingerHint();

    void keyboardHasTheStandardKeys();
    void markerSet();
    void markersLieOverTheirKeys();
};

void TstDrillContent::pools_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QString>("labelCaption");
    QTest::addColumn<QString>("menuPool");
    QTest::addColumn<QString>("labelPool");
    QTest::addRow("full") << 0 << QStringLiteral("全键盘练习") << QStringLiteral("全键盘")
                          << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890")
                          << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890");
    QTest::addRow("home") << 1 << QStringLiteral("ASDFJKL；(基本键)") << QStringLiteral("基本键") << QStringLiteral("asdfhjkl;asdfhjkl;")
                          << QStringLiteral("asdfhjkl;asdfhjkl;");
    QTest::addRow("ei") << 2 << QStringLiteral("EI键练习") << QStringLiteral("EI键") << QStringLiteral("eiei") << QStringLiteral("eiieeiie");
    QTest::addRow("gh") << 3 << QStringLiteral("GH键练习") << QStringLiteral("GH键") << QStringLiteral("ghgh") << QStringLiteral("ghhgghhg");
    QTest::addRow("cxz") << 6 << QStringLiteral("CXZ?键练习") << QStringLiteral("CXZ?键") << QStringLiteral("cxz?cxz?") << QStringLiteral("cxz?cxz?");
    QTest::addRow("symbols") << 7 << QStringLiteral("符号键") << QStringLiteral("符号键") << QStringLiteral("`[]';,./!@#$%^*_+<>?{}\"&")
                             << QStringLiteral("`[]';,./!@#$%^*_+<>?{}\"&");
    QTest::addRow("custom") << 9 << QStringLiteral("自定义") << QStringLiteral("自定义") << QString() << QString();
}

void TstDrillContent::pools()
{
    QFETCH(int, index);
    QFETCH(QString, menuCaption);
    QFETCH(QString, labelCaption);
    QFETCH(QString, menuPool);
    QFETCH(QString, labelPool);
    const DrillSet &set = DrillSets::at(index);
    QCOMPARE(set.menuCaption, menuCaption);
    QCOMPARE(set.labelCaption, labelCaption);
    QCOMPARE(set.menuPool, menuPool);
    QCOMPARE(set.labelPool, labelPool);
    if (index == 7)
        QCOMPARE(set.menuPool.size(), 24);
}

void TstDrillContent::captionsFindTheirSet()
{
    for (int i = 0; i < DrillSets::Count; ++i) {
        QCOMPARE(DrillSets::indexOfMenuCaption(DrillSets::at(i).menuCaption), i);
        QCOMPARE(DrillSets::indexOfLabelCaption(DrillSets::at(i).labelCaption), i);
    }
    QCOMPARE(DrillSets::indexOfMenuCaption(QStringLiteral("英文全文打字")), -1);
    QCOMPARE(DrillSets::indexOfLabelCaption(QStringLiteral("全键盘练习")), -1);
}

void TstDrillContent::linesUseEveryPoolCharacterAndNoOther_data()
{
    QTest::addColumn<QString>("pool");
    QTest::addRow("custom abc") << QStringLiteral("abc");
    QTest::addRow("full keyboard, last 0 included") << DrillSets::at(0).menuPool;
    QTest::addRow("symbols from the label") << DrillSets::at(7).labelPool;
}

void TstDrillContent::linesUseEveryPoolCharacterAndNoOther()
{
    QFETCH(QString, pool);
    const QSet<QChar> expected(pool.cbegin(), pool.cend());
    QSet<QChar> seen;
    for (int i = 0; i < 300; ++i) {
        const QString line = DrillSets::drawLine(pool, DrillSets::LabelDrawLimit);
        QCOMPARE(line.size(), DrillSets::LineLength);
        for (QChar c : line)
            seen.insert(c);
    }
    QCOMPARE(seen, expected);
}

void TstDrillContent::lineShapes()
{
    QCOMPARE(DrillSets::drawLine(QStringLiteral("x")), QString(21, u'x'));
    QCOMPARE(DrillSets::drawLine(QString()), QString());
    QCOMPARE(DrillSets::drawLine(QStringLiteral("ab"), 5).size(), 5);
}

void TstDrillContent::sameSequenceAfterReset()
{
    const QString pool = DrillSets::at(0).menuPool;
    const QString first = DrillSets::drawLine(pool);
    const QString second = DrillSets::drawLine(pool);
    QVERIFY(first != second);
    Random::reset();
    QCOMPARE(DrillSets::drawLine(pool), first);
    QCOMPARE(DrillSets::drawLine(pool), second);
}

void TstDrillContent::fingerHint_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("hint");
    QTest::addRow("A keeps its case") << QStringLiteral("A") << QStringLiteral("A左小←");
    QTest::addRow("a") << QStringLiteral("a") << QStringLiteral("a左小←");
    QTest::addRow("tilde") << QStringLiteral("~") << QStringLiteral("~左小←");
    QTest::addRow("2") << QStringLiteral("2") << QStringLiteral("2左无←");
    QTest::addRow("C") << QStringLiteral("C") << QStringLiteral("C左中←");
    QTest::addRow("percent") << QStringLiteral("%") << QStringLiteral("%左食←");
    QTest::addRow("B") << QStringLiteral("B") << QStringLiteral("B左食←");
    QTest::addRow("^") << QStringLiteral("^") << QStringLiteral("^右食→");
    QTest::addRow("*") << QStringLiteral("*") << QStringLiteral("*右中→");
    QTest::addRow("(") << QStringLiteral("(") << QStringLiteral("(右无→");
    QTest::addRow(")") << QStringLiteral(")") << QStringLiteral(")右小→");
    QTest::addRow("colon") << QStringLiteral(":") << QStringLiteral(":右小→");
    QTest::addRow("minus") << QStringLiteral("-") << QString();
    QTest::addRow("plus") << QStringLiteral("+") << QString();
    QTest::addRow("quote") << QStringLiteral("\"") << QString();
    QTest::addRow("ampersand") << QStringLiteral("&") << QString();
    QTest::addRow("backslash") << QStringLiteral("\\") << QString();
    QTest::addRow("space") << QStringLiteral(" ") << QString();
    QTest::addRow("empty cell") << QString() << QString();
}

void TstDrillContent::fingerHint()
{
    QFETCH(QString, character);
    QFETCH(QString, hint);
    QCOMPARE(FingerTable::FingerHintFor(character), hint);
}

void TstDrillContent::keyboardHasTheStandardKeys()
{
    const auto &keys = KeyboardLayout::keys();
    QCOMPARE(keys.size(), 104);
    const QRectF board(0, 0, KeyboardLayout::Width, KeyboardLayout::Height);
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY2(board.contains(keys[i].rect), qPrintable(keys[i].upper));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY2(!keys[i].rect.intersects(keys[j].rect),
                     qPrintable(keys[i].upper + QStringLiteral(" / ") + keys[j].upper));
    }
    // Every character a drill can ask for has a key in the main block.
    for (int i = 0; i < DrillSets::Count - 1; ++i) {
        for (QChar c : DrillSets::at(i).menuPool) {
            const int k = KeyboardLayout::keyOf(c);
            QVERIFY2(k >= 0, qPrintable(QString(c)));
            QVERIFY(keys[k].rect.right() <= KeyboardLayout::MainBlockWidth);
        }
    }
}

void TstDrillContent::markerSet()
{
    const auto &markers = KeyboardLayout::markers();
    QCOMPARE(markers.size(), KeyboardLayout::MarkerCount + 1);
    QSet<QString> captions;
    for (int i = 1; i < markers.size(); ++i) {
        QCOMPARE(markers[i].caption.size(), 1);
        captions.insert(markers[i].caption);
    }
    QCOMPARE(captions.size(), KeyboardLayout::MarkerCount);
    QString typable = QStringLiteral("\"`~!@#$%^-_=+[{]};:',<.>/");
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        typable += QChar(c);
    for (char16_t c = u'0'; c <= u'9'; ++c)
        typable += QChar(c);
    for (QChar c : typable)
        QVERIFY2(captions.contains(QString(c)), qPrintable(QString(c)));
    // No marker answers to these; the first four have full-width stand-ins instead.
    for (QChar c : QStringLiteral("&*()?\\|abc "))
        QVERIFY2(!captions.contains(QString(c)), qPrintable(QString(c)));
    for (QChar c : QStringLiteral("＆＊（）"))
        QVERIFY(captions.contains(QString(c)));
}

void TstDrillContent::markersLieOverTheirKeys()
{
    const auto &markers = KeyboardLayout::markers();
    const auto &keys = KeyboardLayout::keys();
    const QString wide = QStringLiteral("＆＊（）");
    const QString narrow = QStringLiteral("&*()");
    QHash<int, QList<QRectF>> onKey;
    for (int i = 1; i < markers.size(); ++i) {
        QString c = markers[i].caption;
        if (wide.contains(c))
            c = narrow.at(wide.indexOf(c));
        if (c == u"␣")
            c = QStringLiteral(" ");
        const int k = KeyboardLayout::keyOf(c.at(0));
        QCOMPARE(markers[i].key, k);
        const QRectF r = KeyboardLayout::markerRect(i);
        QVERIFY2(keys[k].rect.contains(r), qPrintable(markers[i].caption));
        QCOMPARE(r.width(), KeyboardLayout::ModelWidth / 1.3);
        QCOMPARE(r.height(), KeyboardLayout::ModelHeight);
        // Two markers on one key must not hide each other.
        for (const QRectF &other : onKey.value(k))
            QVERIFY2(!r.intersects(other), qPrintable(markers[i].caption));
        onKey[k] << r;
    }
    // The shifted character sits above the unshifted one.
    auto rectOf = [&](const QString &caption) {
        for (int i = 1; i < markers.size(); ++i) {
            if (markers[i].caption == caption)
                return KeyboardLayout::markerRect(i);
        }
        return QRectF();
    };
    QVERIFY(rectOf(QStringLiteral("!")).bottom() <= rectOf(QStringLiteral("1")).top());
    QVERIFY(rectOf(QStringLiteral("\"")).bottom() <= rectOf(QStringLiteral("'")).top());
}

QTEST_GUILESS_MAIN(TstDrillContent)
#include "tst_drill_content.moc"

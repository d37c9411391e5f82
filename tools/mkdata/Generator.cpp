#include "Generator.h"

#include "Artwork.h"
#include "PinyinData.h"
#include "PracticeTexts.h"
#include "Sounds.h"
#include "WubiData.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

QString entryCount(const QString &table)
{
    return QStringLiteral("%1 entries").arg(table.count(u';'));
}

} // namespace

Generator::Generator(const Sources &sources, const QString &programFolder)
    : m_sources(sources)
    , m_out(programFolder)
{
}

bool Generator::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool Generator::loadDictionary(RimeDictionary &dictionary, const QString &name)
{
    QString error;
    if (!dictionary.load(m_sources.rimeFolder + u'/' + name, &error))
        return fail(error);
    return true;
}

bool Generator::run()
{
    if (!writeTables())
        return false;
    if (!writeMedia())
        return false;
    QString error;
    if (!PracticeTexts::convertAll(m_sources.textFolder, m_out, &error))
        return fail(error);
    return true;
}

bool Generator::writeTables()
{
    RimeDictionary wubiDict;
    RimeDictionary pinyinDict;
    RimeDictionary strokeDict;
    if (!loadDictionary(wubiDict, QStringLiteral("wubi86.dict.yaml"))
        || !loadDictionary(pinyinDict, QStringLiteral("pinyin_simp.dict.yaml"))
        || !loadDictionary(strokeDict, QStringLiteral("stroke.dict.yaml")))
        return false;

    WubiData wubi;
    wubi.build(wubiDict, strokeDict, m_charset);
    for (int n = 1; n <= WubiData::MaxWordLength; ++n) {
        const QString &table = wubi.table(n);
        if (!m_out.writeGbk(QStringLiteral("BM/wbc%1.zmd").arg(n), table, entryCount(table)))
            return fail(m_out.error());
    }
    m_notes += QStringLiteral("%1 words got the rule code in front of their dictionary code\n")
                   .arg(wubi.ruleCodesAdded());

    QList<QString> longWords;
    for (int n = PinyinData::DictionaryWordLength + 1; n <= PinyinData::MaxWordLength; ++n)
        longWords += wubi.wordsOfLength(n);
    PinyinData pinyin;
    pinyin.build(pinyinDict, longWords, m_charset);
    int settled = 0;
    for (int n = 1; n <= PinyinData::MaxWordLength; ++n) {
        const QString &table = pinyin.table(n);
        if (n > PinyinData::DictionaryWordLength)
            settled += int(table.count(u';'));
        if (!m_out.writeGbk(QStringLiteral("BM/py%1.zmd").arg(n), table, entryCount(table)))
            return fail(m_out.error());
    }
    m_notes += QStringLiteral("%1 of %2 longer words have a settled pinyin reading\n")
                   .arg(settled)
                   .arg(longWords.size());

    // Common words: frequent in the pinyin corpus, typeable from the Wubi tables, all GB2312.
    const QStringList listNames = {QStringLiteral("双字词"), QStringLiteral("三字词"),
                                   QStringLiteral("四字词")};
    for (int n = 2; n <= 4; ++n) {
        QString list;
        int words = 0;
        for (const QString &word : pinyin.wordsOfLength(n)) {
            if (words == CommonWords[n - 2])
                break;
            if (!wubi.hasWord(word) || !m_charset.isGb2312Hanzi(word))
                continue;
            list += word;
            ++words;
        }
        if (!m_out.writeGbk(QStringLiteral("File/分类词组/%1.zmd").arg(listNames.at(n - 2)), list,
                            QStringLiteral("%1 words").arg(words)))
            return fail(m_out.error());
    }

    const QStringList levels = {QStringLiteral("二级"), QStringLiteral("三级"), QStringLiteral("四级")};
    for (int level = 2; level <= 4; ++level) {
        for (int zone = 1; zone <= WubiData::Zones; ++zone) {
            const QString &pool = wubi.pool(level, zone);
            const QString path = QStringLiteral("File/组合/%1/%2.txt")
                                     .arg(levels.at(level - 2), WubiData::zoneWord(zone));
            if (!m_out.writeGbk(path, pool, QStringLiteral("%1 characters").arg(pool.size())))
                return fail(m_out.error());
        }
    }
    const QString &hard = wubi.hardCharacters();
    if (!m_out.writeGbk(QStringLiteral("File/难字.txt"), hard,
                        QStringLiteral("%1 characters").arg(hard.size())))
        return fail(m_out.error());

    return writeLicence(QStringLiteral("BM/LICENSE-wubi86.txt"), QStringLiteral("wubi86.dict.yaml"),
                        QStringLiteral("rime-data-wubi"), wubiDict)
        && writeLicence(QStringLiteral("BM/LICENSE-pinyin_simp.txt"),
                        QStringLiteral("pinyin_simp.dict.yaml"), QStringLiteral("rime-data-pinyin-simp"),
                        pinyinDict)
        && writeLicence(QStringLiteral("File/LICENSE-stroke.txt"), QStringLiteral("stroke.dict.yaml"),
                        QStringLiteral("rime-data-stroke"), strokeDict);
}

bool Generator::writeLicence(const QString &relative, const QString &dictionaryName,
                             const QString &package, const RimeDictionary &dictionary)
{
    QFile copyright(m_sources.docFolder + u'/' + package + QStringLiteral("/copyright"));
    if (!copyright.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(copyright.fileName(), copyright.errorString()));
    const QString notice = QString::fromUtf8(copyright.readAll());

    QString text = QStringLiteral("The tables in this folder are derived from %1 of the Debian package %2.\n\n")
                       .arg(dictionaryName, package);
    text += dictionary.header() + u'\n' + notice;

    // Append the full text of every licence the notice names, as the licences ask.
    static const QRegularExpression licenceLine(QStringLiteral("^License:\\s*(\\S+)"),
                                                QRegularExpression::MultilineOption);
    QStringList names;
    for (auto it = licenceLine.globalMatch(notice); it.hasNext();) {
        QString name = it.next().captured(1);
        if (name == u"LGPL-3.0")
            name = QStringLiteral("LGPL-3");
        if (!names.contains(name))
            names.append(name);
    }
    if (names.contains(QStringLiteral("LGPL-3")) && !names.contains(QStringLiteral("GPL-3")))
        names.append(QStringLiteral("GPL-3"));
    for (const QString &name : std::as_const(names)) {
        QFile licence(m_sources.licenceFolder + u'/' + name);
        if (!licence.open(QIODevice::ReadOnly))
            continue; // named in the notice but not installed; the notice says where it lives
        text += QStringLiteral("\n\n==== %1 ====\n\n").arg(name) + QString::fromUtf8(licence.readAll());
    }
    text.replace(u'\n', QStringLiteral("\r\n"));
    if (!m_out.writeGbk(relative, text, QStringLiteral("licence notice")))
        return fail(m_out.error());
    return true;
}

bool Generator::writeMedia()
{
    if (!m_out.writeBytes(QStringLiteral("right.wav"), Sounds::right(), QStringLiteral("wave"))
        || !m_out.writeBytes(QStringLiteral("wrong.wav"), Sounds::wrong(), QStringLiteral("wave"))
        || !m_out.writeBytes(QStringLiteral("plugs1.ico"), Artwork::trayIcon(),
                             QStringLiteral("icon 32 and 16 px")))
        return fail(m_out.error());
    // The desktop entry's icon, in the sizes the icon theme looks for first.
    for (int size : {48, 256}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!Artwork::iconImage(size).save(&buffer, "PNG"))
            return fail(QStringLiteral("cannot encode the %1 px icon").arg(size));
        if (!m_out.writeBytes(QStringLiteral("icons/hicolor/%1x%1/apps/keyloom.png").arg(size), bytes,
                              QStringLiteral("desktop icon %1 px").arg(size)))
            return fail(m_out.error());
    }
    for (int n = 1; n <= 5; ++n) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!Artwork::picture(n).save(&buffer, "BMP"))
            return fail(QStringLiteral("cannot encode picture %1").arg(n));
        if (!m_out.writeBytes(QStringLiteral("Picture/%1.bmp").arg(n), bytes,
                              QStringLiteral("%1x%2 %3").arg(Artwork::Width).arg(Artwork::Height)
                                  .arg(Artwork::pictureTitle(n))))
            return fail(m_out.error());
    }
    return true;
}

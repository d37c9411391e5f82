#include "WubiData.h"

#include <algorithm>

namespace {

bool isWubiCode(QStringView code)
{
    if (code.isEmpty() || code.size() > 4 || code.front() == u'z')
        return false;
    return std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

// Stroke dictionary letters h s p n z are the five stroke kinds, in zone order.
int zoneOfStroke(QChar stroke)
{
    static const QString kinds = QStringLiteral("hspnz");
    return int(kinds.indexOf(stroke)) + 1;
}

} // namespace

QString WubiData::zoneWord(int zone)
{
    static const QStringList words = {QStringLiteral("横"), QStringLiteral("竖"),
                                      QStringLiteral("撇"), QStringLiteral("捺"),
                                      QStringLiteral("折"), QStringLiteral("全部")};
    return words.value(zone - 1);
}

int WubiData::zoneOfKey(QChar key)
{
    static const QStringList keys = {QStringLiteral("adfgs"), QStringLiteral("hjklm"),
                                     QStringLiteral("eqrtw"), QStringLiteral("iopuy"),
                                     QStringLiteral("bcnvx")};
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i).contains(key))
            return i + 1;
    }
    return 0;
}

QString WubiData::oneLevelCharacters()
{
    return QStringLiteral("工了以在有地一上不是中国同民为这我的要和产发人经主");
}

QString WubiData::ruleCode(const QString &word) const
{
    QList<QString> codes;
    for (const QChar c : word) {
        const QString code = m_fullCodes.value(c.unicode());
        if (code.isEmpty())
            return {};
        codes.append(code);
    }
    // Word rules: 2 chars AaAbBaBb, 3 chars AaBaCaCb, 4+ AaBaCaZa.
    if (codes.size() == 2) {
        if (codes.at(0).size() < 2 || codes.at(1).size() < 2)
            return {};
        return codes.at(0).left(2) + codes.at(1).left(2);
    }
    if (codes.size() == 3) {
        if (codes.at(2).size() < 2)
            return {};
        return codes.at(0).left(1) + codes.at(1).left(1) + codes.at(2).left(2);
    }
    return codes.at(0).left(1) + codes.at(1).left(1) + codes.at(2).left(1) + codes.last().left(1);
}

void WubiData::build(const RimeDictionary &wubi, const RimeDictionary &strokes, Charset &charset)
{
    // Gather each text's distinct codes, keeping the highest weight of a repeated code.
    QHash<QString, int> groupIndex;
    QList<Group> groups;
    int order = 0;
    for (const RimeDictionary::Entry &e : wubi.entries()) {
        ++order;
        if (!isWubiCode(e.code) || e.text.size() > MaxWordLength || Charset::hasAscii(e.text))
            continue;
        if (e.text.size() == 1 && e.code.size() < 2)
            continue; // one-level letters are the program's own business
        if (e.text.size() > 1 && e.code.size() != 4)
            continue;
        auto found = groupIndex.constFind(e.text);
        if (found == groupIndex.constEnd()) {
            found = groupIndex.insert(e.text, int(groups.size()));
            groups.append(Group{e.text, {}, e.weight, order});
        }
        Group &g = groups[*found];
        g.weight = std::max(g.weight, e.weight);
        auto same = std::find_if(g.codes.begin(), g.codes.end(),
                                 [&](const Code &c) { return c.code == e.code; });
        if (same == g.codes.end())
            g.codes.append(Code{e.code, e.weight, order});
        else
            same->weight = std::max(same->weight, e.weight);
    }

    // A character's full code is its longest; equal lengths go by weight, then file order.
    const auto byLengthThenWeight = [](const Code &a, const Code &b) {
        if (a.code.size() != b.code.size())
            return a.code.size() > b.code.size();
        if (a.weight != b.weight)
            return a.weight > b.weight;
        return a.order < b.order;
    };
    QHash<QString, int> shortestCode;
    for (Group &g : groups) {
        if (g.text.size() != 1)
            continue;
        std::sort(g.codes.begin(), g.codes.end(), byLengthThenWeight);
        const Code full = g.codes.first();
        QList<Code> shorts;
        for (const Code &c : std::as_const(g.codes)) {
            if (c.code.size() < 4 && c.code != full.code)
                shorts.append(c);
        }
        std::sort(shorts.begin(), shorts.end(), [](const Code &a, const Code &b) {
            if (a.code.size() != b.code.size())
                return a.code.size() < b.code.size();
            if (a.weight != b.weight)
                return a.weight > b.weight;
            return a.order < b.order;
        });
        g.codes = QList<Code>{full} + shorts;
        m_fullCodes.insert(g.text.at(0).unicode(), full.code);
        int shortest = int(full.code.size());
        for (const Code &c : std::as_const(shorts))
            shortest = std::min(shortest, int(c.code.size()));
        shortestCode.insert(g.text, shortest);
    }

    // Words: most frequent code first, with the rule code in front where the dictionary lacks it.
    // Equal weights would leave file order to choose; the rule code wins such a tie, so the hint
    // shows the code the word rules give.
    m_ruleCodesAdded = 0;
    for (Group &g : groups) {
        if (g.text.size() == 1)
            continue;
        const QString rule = ruleCode(g.text);
        std::stable_sort(g.codes.begin(), g.codes.end(), [&](const Code &a, const Code &b) {
            if (a.weight != b.weight)
                return a.weight > b.weight;
            return a.code == rule && b.code != rule;
        });
        const bool hasRule = std::any_of(g.codes.begin(), g.codes.end(),
                                         [&](const Code &c) { return c.code == rule; });
        if (!rule.isEmpty() && !hasRule) {
            g.codes.prepend(Code{rule, g.weight, g.order});
            ++m_ruleCodesAdded;
        }
    }

    // Only now drop what GBK cannot hold: such characters still count for word rules above.
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [&](const Group &g) { return !charset.isGbk(g.text); }),
                 groups.end());
    std::stable_sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) {
        if (a.weight != b.weight)
            return a.weight > b.weight;
        return a.order < b.order;
    });

    for (QString &t : m_tables)
        t.clear();
    m_words.clear();
    for (const Group &g : std::as_const(groups)) {
        QString &table = m_tables[g.text.size() - 1];
        for (const Code &c : g.codes)
            table += g.text + c.code + u';';
        if (g.text.size() > 1)
            m_words.insert(g.text, g.weight);
    }
    m_groups = groups;

    // Pools and hard characters: GB2312 characters, one-level characters left out.
    QHash<char16_t, QString> firstStrokes;
    for (const RimeDictionary::Entry &e : strokes.entries()) {
        if (e.text.size() == 1)
            firstStrokes[e.text.at(0).unicode()] += e.code.at(0);
    }
    for (auto &level : m_pools) {
        for (QString &pool : level)
            pool.clear();
    }
    m_hard.clear();
    const QString oneLevel = oneLevelCharacters();
    for (const Group &g : std::as_const(groups)) {
        if (g.text.size() != 1 || oneLevel.contains(g.text) || !charset.isGb2312Hanzi(g.text))
            continue;
        const QString &full = g.codes.first().code;
        const int zone = zoneOfKey(full.at(0));
        const int level = shortestCode.value(g.text);
        if (zone == 0 || level < 2 || level > 4)
            continue;
        m_pools[level - 2][zone - 1] += g.text;
        // Hard: the first key lies in another zone than any first stroke the character is
        // written with, so the stroke order misleads the typist.
        const QString first = firstStrokes.value(g.text.at(0).unicode());
        if (!first.isEmpty()
            && std::none_of(first.begin(), first.end(),
                            [&](QChar s) { return zoneOfStroke(s) == zone; }))
            m_hard += g.text;
    }
    for (auto &level : m_pools) {
        for (int zone = 0; zone < Zones - 1; ++zone)
            level[Zones - 1] += level[zone];
    }
}

QList<QString> WubiData::wordsOfLength(int length) const
{
    QList<QString> words;
    for (const Group &g : m_groups) {
        if (g.text.size() == length)
            words.append(g.text);
    }
    return words;
}

#include "PinyinData.h"

#include <algorithm>
#include <limits>

namespace {

// Syllables joined: "zhong guo" -> "zhongguo"; nothing but lower-case letters survives.
QString joinedCode(const QString &code)
{
    QString joined = code;
    joined.remove(u' ');
    if (joined.isEmpty())
        return {};
    for (const QChar c : joined) {
        if (c < u'a' || c > u'z')
            return {};
    }
    return joined;
}

} // namespace

void PinyinData::build(const RimeDictionary &pinyin, const QList<QString> &longWords,
                       Charset &charset)
{
    m_groups.clear();
    m_index.clear();
    int order = 0;
    for (const RimeDictionary::Entry &e : pinyin.entries()) {
        ++order;
        const QString code = joinedCode(e.code);
        if (code.isEmpty() || e.text.size() > DictionaryWordLength || Charset::hasAscii(e.text)
            || !charset.isGbk(e.text))
            continue;
        auto found = m_index.constFind(e.text);
        if (found == m_index.constEnd()) {
            found = m_index.insert(e.text, int(m_groups.size()));
            m_groups.append(Group{e.text, {}, e.weight, order});
        }
        Group &g = m_groups[*found];
        g.weight = std::max(g.weight, e.weight);
        auto same = std::find_if(g.readings.begin(), g.readings.end(),
                                 [&](const Reading &r) { return r.code == code; });
        if (same == g.readings.end())
            g.readings.append(Reading{code, e.weight});
        else
            same->weight = std::max(same->weight, e.weight);
    }
    for (Group &g : m_groups) {
        std::stable_sort(g.readings.begin(), g.readings.end(),
                         [](const Reading &a, const Reading &b) { return a.weight > b.weight; });
    }

    // Long words are placed after the dictionary's own, in the order given.
    for (const QString &word : longWords) {
        if (word.size() <= DictionaryWordLength || word.size() > MaxWordLength
            || m_index.contains(word))
            continue;
        const QString reading = settledReading(word);
        if (reading.isEmpty())
            continue;
        m_index.insert(word, int(m_groups.size()));
        m_groups.append(Group{word, {Reading{reading, 0}}, 0, ++order});
    }

    QList<const Group *> sorted;
    for (const Group &g : std::as_const(m_groups))
        sorted.append(&g);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Group *a, const Group *b) {
        const bool longA = a->text.size() > DictionaryWordLength;
        const bool longB = b->text.size() > DictionaryWordLength;
        if (longA != longB)
            return longB;
        if (longA)
            return a->order < b->order;
        if (a->weight != b->weight)
            return a->weight > b->weight;
        return a->order < b->order;
    });
    for (QString &t : m_tables)
        t.clear();
    for (const Group *g : std::as_const(sorted)) {
        QString &table = m_tables[g->text.size() - 1];
        for (const Reading &r : g->readings)
            table += g->text + r.code + u';';
    }
}

qint64 PinyinData::weightOf(const QString &word) const
{
    const auto found = m_index.constFind(word);
    return found == m_index.constEnd() ? 0 : m_groups.at(*found).weight;
}

QList<QString> PinyinData::wordsOfLength(int length) const
{
    QList<const Group *> matching;
    for (const Group &g : m_groups) {
        if (g.text.size() == length)
            matching.append(&g);
    }
    std::stable_sort(matching.begin(), matching.end(), [](const Group *a, const Group *b) {
        if (a->weight != b->weight)
            return a->weight > b->weight;
        return a->order < b->order;
    });
    QList<QString> words;
    for (const Group *g : std::as_const(matching))
        words.append(g->text);
    return words;
}

QString PinyinData::settledReading(const QString &word) const
{
    // pieces[i]: fewest dictionary words covering the first i characters; readings[i]: what
    // those coverings read as, at most two kept since two already means "not settled".
    const int n = int(word.size());
    constexpr int Unreached = std::numeric_limits<int>::max();
    QList<int> pieces(n + 1, Unreached);
    QList<QStringList> readings(n + 1);
    pieces[0] = 0;
    readings[0] = QStringList{QString()};
    for (int end = 1; end <= n; ++end) {
        for (int len = 1; len <= DictionaryWordLength && len <= end; ++len) {
            const int start = end - len;
            if (pieces[start] == Unreached)
                continue;
            const auto found = m_index.constFind(word.mid(start, len));
            if (found == m_index.constEnd())
                continue;
            const Group &g = m_groups.at(*found);
            if (g.text.size() > DictionaryWordLength)
                continue;
            const int count = pieces[start] + 1;
            if (count > pieces[end])
                continue;
            if (count < pieces[end]) {
                pieces[end] = count;
                readings[end].clear();
            }
            for (const QString &before : std::as_const(readings[start])) {
                for (const Reading &r : g.readings) {
                    const QString joined = before + r.code;
                    if (!readings[end].contains(joined) && readings[end].size() < 2)
                        readings[end].append(joined);
                }
            }
        }
    }
    if (pieces[n] == Unreached || readings[n].size() != 1)
        return {};
    return readings[n].first();
}

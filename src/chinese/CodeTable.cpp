#include "CodeTable.h"

namespace {

bool needsFolding(QStringView text)
{
    for (QChar c : text) {
        if (c.toCaseFolded() != c)
            return true;
    }
    return false;
}

} // namespace

CodeTable::CodeTable(QString text, int wordLength) : m_text(std::move(text)), m_wordLength(wordLength)
{
    buildIndex();
}

bool CodeTable::isCodeCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= 65 && u <= 122) || u == u';';
}

void CodeTable::buildIndex()
{
    if (m_wordLength <= 0)
        return;
    const QStringView all(m_text);
    m_index.reserve(all.count(u';') + 1);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(u';', start);
        if (end < 0)
            break; // an entry without its ";" is not an entry: the search would not end its code
        const QStringView entry = all.sliced(start, end - start);
        start = end + 1;
        if (entry.size() < m_wordLength)
            continue;
        QStringView word = entry.first(m_wordLength);
        bool wordOk = true;
        for (QChar c : word) {
            if (isCodeCharacter(c)) {
                wordOk = false;
                break;
            }
        }
        if (!wordOk)
            continue;
        if (needsFolding(word)) {
            m_foldedKeys.push_back(word.toString().toCaseFolded());
            word = m_foldedKeys.back();
        }
        // First entry wins, as the search from the start of the text finds it first.
        if (!m_index.contains(word))
            m_index.insert(word, entry.sliced(m_wordLength));
    }
}

std::optional<QStringView> CodeTable::find(QStringView word) const
{
    if (word.size() != m_wordLength || m_index.isEmpty())
        return std::nullopt;
    for (QChar c : word) {
        if (isCodeCharacter(c))
            return std::nullopt;
    }
    QString folded;
    if (needsFolding(word)) {
        folded = word.toString().toCaseFolded();
        word = folded;
    }
    const auto it = m_index.constFind(word);
    if (it == m_index.constEnd())
        return std::nullopt;
    return it.value();
}

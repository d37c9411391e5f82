#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <deque>
#include <optional>

// One code table: the whole text of a .zmd file ("word code;" entries back to back, the words all
// of one length) and an index from word to code. The index answers exactly what a first-occurrence
// search of the text would for any word of the table's length, in constant time.
class CodeTable
{
public:
    CodeTable() = default;
    CodeTable(QString text, int wordLength);

    const QString &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    int wordLength() const { return m_wordLength; }
    qsizetype entryCount() const { return m_index.size(); }

    // The code of the word's first entry (possibly empty); nothing when the word has no entry.
    std::optional<QStringView> find(QStringView word) const;

    // Whether a character could belong to a code or separate entries; such text is never a word.
    static bool isCodeCharacter(QChar c);

private:
    void buildIndex();

    QString m_text;
    int m_wordLength = 0;
    // Views into m_text (or into m_foldedKeys), which never change once built.
    QHash<QStringView, QStringView> m_index;
    // Words whose letters have case; the search ignores case, so they are keyed folded.
    std::deque<QString> m_foldedKeys;
};

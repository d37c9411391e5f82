#pragma once

#include "Charset.h"
#include "RimeDictionary.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

// The pinyin tables. The dictionary stops at four characters; longer words get a reading only
// where the dictionary's own shorter words settle it.
class PinyinData
{
public:
    static constexpr int MaxWordLength = 10;
    static constexpr int DictionaryWordLength = 4;

    // `longWords`: candidates of 5 to 10 characters, most frequent first.
    void build(const RimeDictionary &pinyin, const QList<QString> &longWords, Charset &charset);

    const QString &table(int length) const { return m_tables.at(length - 1); }

    // Highest weight the dictionary gives a word, 0 when it has none.
    qint64 weightOf(const QString &word) const;
    // Dictionary words of `length` characters, most frequent first.
    QList<QString> wordsOfLength(int length) const;

    // The one reading of a word under its segmentations into the fewest dictionary words, or
    // nothing when those segmentations disagree, a piece has several readings, or none exists.
    QString settledReading(const QString &word) const;

private:
    struct Reading
    {
        QString code;
        qint64 weight = 0;
    };
    struct Group
    {
        QString text;
        QList<Reading> readings; // most frequent first
        qint64 weight = 0;
        int order = 0;
    };

    std::array<QString, MaxWordLength> m_tables;
    QList<Group> m_groups;
    QHash<QString, int> m_index;
};

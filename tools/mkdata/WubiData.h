#pragma once

#include "Charset.h"
#include "RimeDictionary.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

// The Wubi 86 tables, level pools and hard characters, built from the rime dictionary.
class WubiData
{
public:
    static constexpr int MaxWordLength = 9;
    static constexpr int Levels = 3; // pools of 2-, 3- and 4-key characters
    static constexpr int Zones = 6;  // five key zones and all of them

    void build(const RimeDictionary &wubi, const RimeDictionary &strokes, Charset &charset);

    // The .zmd text of words of `length` characters (1..9).
    const QString &table(int length) const { return m_tables.at(length - 1); }
    // level 2..4, zone 1..6
    const QString &pool(int level, int zone) const { return m_pools.at(level - 2).at(zone - 1); }
    const QString &hardCharacters() const { return m_hard; }

    bool hasWord(const QString &word) const { return m_words.contains(word); }
    // Words of `length` characters, most frequent first.
    QList<QString> wordsOfLength(int length) const;

    // Words whose dictionary codes all broke the word rules and got the rule code in front.
    int ruleCodesAdded() const { return m_ruleCodesAdded; }

    static QString zoneWord(int zone);
    static int zoneOfKey(QChar key);
    static QString oneLevelCharacters();

private:
    struct Code
    {
        QString code;
        qint64 weight = 0;
        int order = 0;
    };
    struct Group
    {
        QString text;
        QList<Code> codes; // in table order
        qint64 weight = 0;
        int order = 0;
    };

    QString ruleCode(const QString &word) const;

    std::array<QString, MaxWordLength> m_tables;
    std::array<std::array<QString, Zones>, Levels> m_pools;
    QString m_hard;
    QHash<QString, qint64> m_words;
    QList<Group> m_groups; // every word and character, most frequent first
    QHash<char16_t, QString> m_fullCodes;
    int m_ruleCodesAdded = 0;
};

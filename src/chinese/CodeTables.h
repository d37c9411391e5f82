#pragma once

#include "CodeTable.h"

#include <QString>
#include <QStringView>

#include <array>
#include <functional>

// The Wubi 86 and pinyin tables and the tutor's code lookups over them. One program-wide set lives
// in shared(); tests build their own.
class CodeTables
{
public:
    enum Kind { Wubi = 0, Pinyin = 1 };
    static constexpr int WubiTableCount = 9;
    static constexpr int PinyinTableCount = 10;
    static constexpr int LongestMatch = 7;

    // The 25 first-level simple codes: the k-th character is typed with the k-th key.
    static constexpr QStringView OneLevelChars = u"工了以在有地一上不是中国同民为这我的要和产发人经主";
    static constexpr QStringView OneLevelKeys = u"abcdefghijklmnopqrstuvwxy";
    static constexpr QStringView NotFound = u"没找到";
    static constexpr QChar Colon = u'\uFF1A';

    static CodeTables &shared();

    // Reads \BM\wbc1..9.zmd or \BM\py1..10.zmd in ascending order; a file that cannot be read ends
    // the load there and leaves that table and the higher ones as they were. `betweenFiles` runs
    // after each file so the caller can keep its windows alive during a long load.
    void LoadCodeTables(int kind, const std::function<void()> &betweenFiles = {});
    bool isLoaded(int kind) const;

    // Element n (1-based); an empty table outside the range.
    const CodeTable &WubiTables(int n) const;
    const CodeTable &PinyinTables(int n) const;
    void setWubiTable(int n, QString text);
    void setPinyinTable(int n, QString text);

    // The key letter of a one-level character; empty for any other text.
    static QString oneLevelLetter(QStringView text);

    QString LookUpWubiCode(QStringView text) const;
    QString LookUpPinyin(QStringView text) const;
    // Word, "：", code and the matched length as one digit; see the callers for how it is split.
    QString MatchLongestWubi(QStringView text) const;
    QString MatchLongestPinyin(QStringView text) const;

    // Splits a longest-match result into its display text and its length digit.
    static QStringView matchDisplay(QStringView result);
    static int matchLength(QStringView result);

private:
    static QString joinResult(QStringView word, QStringView code, qsizetype length);

    std::array<CodeTable, WubiTableCount> m_wubi;
    std::array<CodeTable, PinyinTableCount> m_pinyin;
};

#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The straightforward lookups: the first occurrence of the word anywhere in a table's whole text,
// ignoring case, and the code up to the next ";". The indexed tables must answer the same.
class LinearLookup
{
public:
    // Element n - 1 is the text of the table of n-character words.
    std::array<QString, 10> wubi;
    std::array<QString, 10> pinyin;

    static bool findCode(const QString &table, QStringView word, QString *code);
    QString matchLongestWubi(QStringView text) const;
    QString matchLongestPinyin(QStringView text) const;
    QString lookUpWubiCode(QStringView text) const;
};

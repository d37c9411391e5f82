#pragma once

#include "CodeTable.h"

#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <optional>

// The dictionary's own tables and lookups: character codes from the Wubi table of single
// characters, word codes built from them, pinyin from the pinyin tables of up to eight characters.
class DictTables
{
public:
    enum Mode { Wubi = 0, Pinyin = 1, DoublePinyin = 2 };
    static constexpr int PinyinTableCount = 8;

    // Mode 0 reads \BM\WbC1.zmd; modes 1 and 2 read \BM\py1..8.zmd. A file that cannot be read
    // leaves its table as it was.
    void LoadDictTables(int mode, const std::function<void()> &betweenFiles = {});
    bool isLoaded(int mode) const;

    void setCharCodes(QString text);
    void setPinyinTable(int n, QString text);

    static QString OneLevelLetter(QStringView character);
    // The one-level letter, else the code of the character's first table entry, else empty.
    QString CharCode(QStringView character) const;
    // Built from the full table codes of the characters, never from one-level letters, so that
    // the result is the real Wubi 86 word code.
    QString WordCode(QStringView text) const;
    // "没找到" when no table holds the text (also for empty text and more than eight characters).
    QString DictPinyin(QStringView text) const;

    // What "查询" shows for the text in the given mode; nothing for double pinyin.
    std::optional<QString> lookUp(int mode, QStringView text) const;

private:
    QStringView tableCode(QChar character) const;

    CodeTable m_charCodes;
    std::array<CodeTable, PinyinTableCount> m_pinyin;
};

#include "DictTables.h"

#include "CodeTables.h"
#include "ProgramFolder.h"
#include "TextFile.h"

void DictTables::LoadDictTables(int mode, const std::function<void()> &betweenFiles)
{
    if (mode == Wubi) {
        if (std::optional<QString> text = TextFile::read(ProgramFolder::path(QStringLiteral("\\BM\\WbC1.zmd"))))
            setCharCodes(std::move(*text));
        if (betweenFiles)
            betweenFiles();
        return;
    }
    if (mode != Pinyin && mode != DoublePinyin)
        return;
    // Tables 9 and 10 exist but the dictionary never looks up words that long.
    for (int n = 1; n <= PinyinTableCount; ++n) {
        const QString relative = QStringLiteral("\\BM\\py") + QString::number(n) + QStringLiteral(".zmd");
        if (std::optional<QString> text = TextFile::read(ProgramFolder::path(relative)))
            setPinyinTable(n, std::move(*text));
        if (betweenFiles)
            betweenFiles();
    }
}

bool DictTables::isLoaded(int mode) const
{
    return mode == Wubi ? !m_charCodes.isEmpty() : !m_pinyin[0].isEmpty();
}

void DictTables::setCharCodes(QString text)
{
    m_charCodes = CodeTable(std::move(text), 1);
}

void DictTables::setPinyinTable(int n, QString text)
{
    if (n >= 1 && n <= PinyinTableCount)
        m_pinyin[n - 1] = CodeTable(std::move(text), n);
}

QString DictTables::OneLevelLetter(QStringView character)
{
    return CodeTables::oneLevelLetter(character);
}

QStringView DictTables::tableCode(QChar character) const
{
    return m_charCodes.find(QStringView(&character, 1)).value_or(QStringView());
}

QString DictTables::CharCode(QStringView character) const
{
    const QString letter = OneLevelLetter(character);
    if (!letter.isEmpty() || character.size() != 1)
        return letter;
    return tableCode(character.front()).toString();
}

QString DictTables::WordCode(QStringView text) const
{
    // The first k letters of a character's code; a single letter stands for both of a pair.
    const auto part = [this](QChar c, qsizetype k) {
        const QStringView code = tableCode(c);
        QString taken = code.first(qMin(k, code.size())).toString();
        if (k == 2 && taken.size() == 1)
            taken += taken;
        return taken;
    };
    const qsizetype n = text.size();
    if (n == 0)
        return {};
    if (n == 1)
        return part(text[0], 4);
    if (n == 2)
        return part(text[0], 2) + part(text[1], 2);
    if (n == 3)
        return part(text[0], 1) + part(text[1], 1) + part(text[2], 2);
    return part(text[0], 1) + part(text[1], 1) + part(text[2], 1) + part(text[n - 1], 1);
}

QString DictTables::DictPinyin(QStringView text) const
{
    if (text.size() >= 1 && text.size() <= PinyinTableCount) {
        if (const auto code = m_pinyin[text.size() - 1].find(text))
            return code->toString();
    }
    return CodeTables::NotFound.toString();
}

std::optional<QString> DictTables::lookUp(int mode, QStringView text) const
{
    if (mode == Wubi)
        return text.size() == 1 ? CharCode(text) : WordCode(text);
    if (mode == Pinyin)
        return DictPinyin(text);
    return std::nullopt;
}

#include "CodeTables.h"

#include "ProgramFolder.h"
#include "TextFile.h"

namespace {

const CodeTable &emptyTable()
{
    static const CodeTable empty;
    return empty;
}

} // namespace

CodeTables &CodeTables::shared()
{
    static CodeTables tables;
    return tables;
}

void CodeTables::LoadCodeTables(int kind, const std::function<void()> &betweenFiles)
{
    const bool wubi = kind == Wubi;
    if (!wubi && kind != Pinyin)
        return;
    const int count = wubi ? WubiTableCount : PinyinTableCount;
    for (int n = 1; n <= count; ++n) {
        const QString relative = (wubi ? QStringLiteral("\\BM\\wbc") : QStringLiteral("\\BM\\py"))
            + QString::number(n) + QStringLiteral(".zmd");
        std::optional<QString> text = TextFile::read(ProgramFolder::path(relative));
        if (!text)
            return;
        if (wubi)
            setWubiTable(n, std::move(*text));
        else
            setPinyinTable(n, std::move(*text));
        if (betweenFiles)
            betweenFiles();
    }
}

bool CodeTables::isLoaded(int kind) const
{
    return !(kind == Wubi ? m_wubi[0] : m_pinyin[0]).isEmpty();
}

const CodeTable &CodeTables::WubiTables(int n) const
{
    return n >= 1 && n <= WubiTableCount ? m_wubi[n - 1] : emptyTable();
}

const CodeTable &CodeTables::PinyinTables(int n) const
{
    return n >= 1 && n <= PinyinTableCount ? m_pinyin[n - 1] : emptyTable();
}

void CodeTables::setWubiTable(int n, QString text)
{
    if (n >= 1 && n <= WubiTableCount)
        m_wubi[n - 1] = CodeTable(std::move(text), n);
}

void CodeTables::setPinyinTable(int n, QString text)
{
    if (n >= 1 && n <= PinyinTableCount)
        m_pinyin[n - 1] = CodeTable(std::move(text), n);
}

QString CodeTables::oneLevelLetter(QStringView text)
{
    if (text.size() != 1)
        return {};
    const qsizetype k = OneLevelChars.indexOf(text.front());
    return k < 0 ? QString() : OneLevelKeys.sliced(k, 1).toString();
}

QString CodeTables::joinResult(QStringView word, QStringView code, qsizetype length)
{
    QString result;
    result.reserve(word.size() + code.size() + 2);
    result.append(word).append(Colon).append(code).append(QChar(char16_t(u'0' + length)));
    return result;
}

QString CodeTables::LookUpWubiCode(QStringView text) const
{
    const QString letter = oneLevelLetter(text);
    if (!letter.isEmpty())
        return letter;
    if (const auto code = WubiTables(int(qMin<qsizetype>(text.size(), 100))).find(text))
        return code->toString();
    return NotFound.toString();
}

QString CodeTables::LookUpPinyin(QStringView text) const
{
    if (const auto code = PinyinTables(int(qMin<qsizetype>(text.size(), 100))).find(text))
        return code->toString();
    return {};
}

QString CodeTables::MatchLongestWubi(QStringView text) const
{
    for (qsizetype n = qMin<qsizetype>(LongestMatch, text.size()); n >= 2; --n) {
        const QStringView word = text.first(n);
        if (const auto code = m_wubi[n - 1].find(word))
            return joinResult(word, *code, n);
    }
    const QStringView first = text.first(qMin<qsizetype>(1, text.size()));
    const QString letter = oneLevelLetter(first);
    if (!letter.isEmpty())
        return joinResult(first, letter, 1);
    if (const auto code = m_wubi[0].find(first))
        return joinResult(first, *code, 1);
    return joinResult(first, NotFound, 1);
}

QString CodeTables::MatchLongestPinyin(QStringView text) const
{
    for (qsizetype n = qMin<qsizetype>(LongestMatch, text.size()); n >= 1; --n) {
        const QStringView word = text.first(n);
        if (const auto code = m_pinyin[n - 1].find(word))
            return joinResult(word, *code, n);
    }
    return joinResult(text.first(qMin<qsizetype>(1, text.size())), NotFound, 1);
}

QStringView CodeTables::matchDisplay(QStringView result)
{
    return result.isEmpty() ? result : result.chopped(1);
}

int CodeTables::matchLength(QStringView result)
{
    return result.isEmpty() ? 0 : result.back().digitValue();
}

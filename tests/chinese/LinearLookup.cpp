#include "LinearLookup.h"

namespace {

const QString kChars = QStringLiteral("工了以在有地一上不是中国同民为这我的要和产发人经主");
const QString kKeys = QStringLiteral("abcdefghijklmnopqrstuvwxy");

QString result(QStringView word, const QString &code, qsizetype n)
{
    return word.toString() + QStringLiteral("：") + code + QString::number(n);
}

} // namespace

bool LinearLookup::findCode(const QString &table, QStringView word, QString *code)
{
    if (word.isEmpty())
        return false;
    const qsizetype p = table.indexOf(word, 0, Qt::CaseInsensitive);
    if (p < 0)
        return false;
    const qsizetype q = table.indexOf(u';', p);
    const qsizetype start = p + word.size();
    *code = table.mid(start, q < 0 ? -1 : q - start);
    return true;
}

QString LinearLookup::lookUpWubiCode(QStringView text) const
{
    if (text.size() == 1 && kChars.contains(text.front()))
        return kKeys.at(kChars.indexOf(text.front()));
    QString code;
    if (text.size() >= 1 && text.size() <= 9 && findCode(wubi[text.size() - 1], text, &code))
        return code;
    return QStringLiteral("没找到");
}

QString LinearLookup::matchLongestWubi(QStringView text) const
{
    QString code;
    for (qsizetype n = qMin<qsizetype>(7, text.size()); n >= 2; --n) {
        if (findCode(wubi[n - 1], text.first(n), &code))
            return result(text.first(n), code, n);
    }
    const QStringView c = text.first(qMin<qsizetype>(1, text.size()));
    if (c.size() == 1 && kChars.contains(c.front()))
        return result(c, kKeys.at(kChars.indexOf(c.front())), 1);
    if (findCode(wubi[0], c, &code))
        return result(c, code, 1);
    return result(c, QStringLiteral("没找到"), 1);
}

QString LinearLookup::matchLongestPinyin(QStringView text) const
{
    QString code;
    for (qsizetype n = qMin<qsizetype>(7, text.size()); n >= 1; --n) {
        if (findCode(pinyin[n - 1], text.first(n), &code))
            return result(text.first(n), code, n);
    }
    return result(text.first(qMin<qsizetype>(1, text.size())), QStringLiteral("没找到"), 1);
}

#include "FingerTable.h"

#include <QHash>

namespace {

const QHash<QChar, FingerTable::Finger> &table()
{
    static const QHash<QChar, FingerTable::Finger> t = [] {
        QHash<QChar, FingerTable::Finger> h;
        const QString left = QStringLiteral("←");
        const QString right = QStringLiteral("→");
        const struct
        {
            const char16_t *finger;
            bool leftHand;
            const char16_t *keys;
        } rows[] = {
            {u"左小", true, u"1qaz!`~"},
            {u"左无", true, u"2wsx@"},
            {u"左中", true, u"3edc#"},
            {u"左食", true, u"4rfv5tgb$%"},
            {u"右食", false, u"6yhn7ujm^"},
            {u"右中", false, u"8ik,<*"},
            {u"右无", false, u"9ol.>("},
            {u"右小", false, u"0p;:/?'[{]})"},
        };
        for (const auto &row : rows) {
            const FingerTable::Finger f{QString::fromUtf16(row.finger), row.leftHand ? left : right};
            for (QChar c : QString::fromUtf16(row.keys))
                h.insert(c, f);
        }
        return h;
    }();
    return t;
}

} // namespace

const FingerTable::Finger *FingerTable::lookup(QChar c)
{
    const auto &t = table();
    const auto it = t.constFind(c.toLower());
    return it == t.constEnd() ? nullptr : &it.value();
}

QString FingerTable::FingerHintFor(const QString &character)
{
    if (character.size() != 1)
        return QString();
    const Finger *f = lookup(character.at(0));
    return f ? character + f->finger + f->arrow : QString();
}

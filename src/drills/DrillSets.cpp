#include "DrillSets.h"

#include "Random.h"

#include <cmath>

const std::array<DrillSet, DrillSets::Count> &DrillSets::all()
{
    static const std::array<DrillSet, Count> sets = [] {
        const QString symbols = QStringLiteral("`[]';,./!@#$%^*_+<>?{}\"&");
        std::array<DrillSet, Count> s = {{
            {QStringLiteral("全键盘练习"), QStringLiteral("全键盘"),
             QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890"), QString()},
            {QStringLiteral("ASDFJKL；(基本键)"), QStringLiteral("基本键"),
             QStringLiteral("asdfhjkl;asdfhjkl;"), QString()},
            {QStringLiteral("EI键练习"), QStringLiteral("EI键"), QStringLiteral("eiei"),
             QStringLiteral("eiieeiie")},
            {QStringLiteral("GH键练习"), QStringLiteral("GH键"), QStringLiteral("ghgh"),
             QStringLiteral("ghhgghhg")},
            {QStringLiteral("WQOP键练习"), QStringLiteral("WQOP键"), QStringLiteral("wqopwqop"), QString()},
            {QStringLiteral("VBMN键练习"), QStringLiteral("VBMN键"), QStringLiteral("vbmnvbmn"), QString()},
            {QStringLiteral("CXZ?键练习"), QStringLiteral("CXZ?键"), QStringLiteral("cxz?cxz?"), QString()},
            {QStringLiteral("符号键"), QStringLiteral("符号键"), symbols, QString()},
            {QStringLiteral("数字键练习"), QStringLiteral("数字键"),
             QStringLiteral("12345678901234567890"), QString()},
            {QStringLiteral("自定义"), QStringLiteral("自定义"), QString(), QString()},
        }};
        for (DrillSet &set : s) {
            if (set.labelPool.isEmpty())
                set.labelPool = set.menuPool;
        }
        return s;
    }();
    return sets;
}

const DrillSet &DrillSets::at(int index)
{
    return all().at(static_cast<std::size_t>(qBound(0, index, Count - 1)));
}

int DrillSets::indexOfMenuCaption(const QString &caption)
{
    for (int i = 0; i < Count; ++i) {
        if (at(i).menuCaption == caption)
            return i;
    }
    return -1;
}

int DrillSets::indexOfLabelCaption(const QString &caption)
{
    for (int i = 0; i < Count; ++i) {
        if (at(i).labelCaption == caption)
            return i;
    }
    return -1;
}

QString DrillSets::drawLine(const QString &pool, std::optional<int> drawLimit)
{
    QString line;
    if (pool.isEmpty())
        return line;
    const int n = int(pool.size());
    int draws = 0;
    while (line.size() < LineLength) {
        if (drawLimit && draws >= *drawLimit)
            break;
        // The source never reaches 1, but guard the last index all the same.
        const int i = qMin(n - 1, int(std::floor(Random::next() * n)));
        line += pool.at(i);
        ++draws;
    }
    return line;
}

QString DrillSets::customKeysPrompt()
{
    return QStringLiteral("请输入你要练习的键名，如“abc”");
}

QString DrillSets::customKeysTitle()
{
    return QStringLiteral("自定义键练习");
}

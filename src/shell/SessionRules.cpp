#include "SessionRules.h"

#include "VbFormat.h"

#include <array>
#include <cmath>

namespace SessionRules {

const QStringList &timeLimits()
{
    static const QStringList limits = {
        QStringLiteral("3分钟"),  QStringLiteral("5分钟"),  QStringLiteral("8分钟"),
        QStringLiteral("10分钟"), QStringLiteral("15分钟"), QStringLiteral("20分钟"),
        QStringLiteral("25分钟"), QStringLiteral("30分钟")};
    return limits;
}

Tick tick(qint32 r, qint32 w, const QString &limitText, qint64 elapsedMs)
{
    Tick t;
    const double limitMs = VbFormat::leadingNumber(limitText) * 60000;
    t.right = QString::number(r) + u'个';
    t.wrong = QString::number(w) + u'个';
    const double total = static_cast<double>(r) + static_cast<double>(w);
    if (total != 0)
        t.accuracy = VbFormat::format(r / total * 100, QStringLiteral("00.00")) + u'%';
    if (elapsedMs > 0) {
        const double speed = r / (static_cast<double>(elapsedMs) / 60000);
        if (std::isfinite(speed))
            t.speed = QString::number(VbFormat::roundHalfEven(speed)) + u'个';
    }
    const double leftMs = limitMs - static_cast<double>(elapsedMs);
    t.remaining = VbFormat::format(leftMs / 60000, QStringLiteral(" #0.000"));
    t.timeUp = leftMs < 0;
    return t;
}

std::optional<QString> gradeMessage(const QString &windowName, double speed)
{
    struct Row
    {
        double threshold;
        const char16_t *message;
    };
    constexpr const char16_t *excellent = u"优秀，你已经达到的专业打字员水平!";
    constexpr const char16_t *master = u"优良，你已经是一个打字高手了!";
    constexpr const char16_t *good = u"良好，离优秀只有一步之遥!";
    constexpr const char16_t *pass = u"及格，祝你更上一层楼!";
    constexpr const char16_t *fail = u"不及格，加把劲呀，老兄!";

    static const std::array<Row, 3> keys = {
        {{220, u"优秀，你已经是一个打字高手了!"}, {187, good}, {132, pass}}};
    static const std::array<Row, 4> wubi = {{{80, excellent}, {65, master}, {50, good}, {40, pass}}};
    static const std::array<Row, 4> text = {{{100, excellent}, {85, master}, {70, good}, {60, pass}}};

    auto pick = [speed, fail](const auto &rows) -> QString {
        for (const Row &row : rows) {
            if (speed >= row.threshold)
                return QString::fromUtf16(row.message);
        }
        return QString::fromUtf16(fail);
    };
    if (windowName == u"FomTT" || windowName == u"FomEnglish")
        return pick(keys);
    if (windowName == u"FomWT")
        return pick(wubi);
    if (windowName == u"FomQW" || windowName == u"FomFreeInput")
        return pick(text);
    return std::nullopt;
}

} // namespace SessionRules

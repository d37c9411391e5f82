#include "VbFormat.h"

#include <cmath>
#include <cstdio>

namespace VbFormat {

QString format(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    qsizetype firstDigit = 0;
    while (firstDigit < pattern.size() && pattern.at(firstDigit) != u'0'
           && pattern.at(firstDigit) != u'#' && pattern.at(firstDigit) != u'.')
        ++firstDigit;
    const QString prefix = pattern.left(firstDigit);
    const QString body = pattern.mid(firstDigit);
    const qsizetype dot = body.indexOf(u'.');
    const QString intPart = dot < 0 ? body : body.left(dot);
    const QString fracPart = dot < 0 ? QString() : body.mid(dot + 1);
    const int minIntDigits = static_cast<int>(intPart.count(u'0'));
    const int fracDigits = static_cast<int>(fracPart.count(u'0') + fracPart.count(u'#'));
    const int minFracDigits = static_cast<int>(fracPart.count(u'0'));

    // printf rounds the exact binary value, exact halves to even.
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", fracDigits, std::fabs(value));
    QString digits = QString::fromLatin1(buf);
    QString whole = digits;
    QString frac;
    const qsizetype p = digits.indexOf(u'.');
    if (p >= 0) {
        whole = digits.left(p);
        frac = digits.mid(p + 1);
    }
    while (frac.size() > minFracDigits && frac.endsWith(u'0'))
        frac.chop(1);
    if (whole == u"0" && minIntDigits == 0)
        whole.clear();
    while (whole.size() < minIntDigits)
        whole.prepend(u'0');
    const bool negative = value < 0 && (whole.count(u'0') != whole.size() || frac.count(u'0') != frac.size());
    QString out = prefix;
    if (negative)
        out += u'-';
    out += whole;
    if (dot >= 0 && (!frac.isEmpty() || minFracDigits > 0 || fracDigits == 0))
        out += u'.' + frac;
    return out;
}

qint64 roundHalfEven(double value)
{
    return static_cast<qint64>(std::nearbyint(value));
}

double leadingNumber(const QString &text)
{
    QByteArray digits;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        digits += static_cast<char>(text.at(i++).unicode());
    bool seenDot = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9') {
            digits += static_cast<char>(c.unicode());
            seenDigit = true;
        } else if (c == u'.' && !seenDot) {
            digits += '.';
            seenDot = true;
        } else if (c == u' ' || c == u'\t') {
            continue;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    bool ok = false;
    const double v = digits.toDouble(&ok);
    return ok ? v : 0.0;
}

static const QDate &epoch()
{
    static const QDate e(1899, 12, 30);
    return e;
}

qint64 dayNumber(const QDate &date)
{
    return epoch().daysTo(date);
}

QDate dateFromDayNumber(qint64 days)
{
    return epoch().addDays(days);
}

double dayFraction(const QTime &time)
{
    return time.msecsSinceStartOfDay() / 86400000.0;
}

QTime timeFromDayFraction(double fraction)
{
    if (!std::isfinite(fraction))
        return QTime(0, 0);
    double f = fraction - std::floor(fraction);
    const int ms = static_cast<int>(std::llround(f * 86400000.0)) % 86400000;
    return QTime::fromMSecsSinceStartOfDay(ms);
}

} // namespace VbFormat

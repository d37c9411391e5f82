#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Number patterns and date numbers as the stored files and status boxes use them.
namespace VbFormat {

// Digit patterns: '0' is a digit always shown, '#' a digit shown only when significant, one '.'
// splits integer and fraction, anything else before the digits is literal text. Supports the
// patterns the programs use ("00.00", " #0.000", "###.000", "#0.00"). Exact halves go to even.
QString format(double value, const QString &pattern);

// Nearest whole number, halves to the even number (2.5 -> 2, 3.5 -> 4).
qint64 roundHalfEven(double value);

// The number at the start of a text, leading blanks skipped ("10分钟" -> 10, " 4.998" -> 4.998,
// "abc" -> 0). Blanks inside the digits are ignored as the classic BASIC Val does.
double leadingNumber(const QString &text);

// Whole days since 30 December 1899 (day 0).
qint64 dayNumber(const QDate &date);
QDate dateFromDayNumber(qint64 days);

// The time of day as a fraction of a day (0.5 = noon).
double dayFraction(const QTime &time);
QTime timeFromDayFraction(double fraction);

} // namespace VbFormat

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Reads the arguments of a late-bound call as their declared types, the way a variant-based
// dispatch converts them. The first failure is kept; later reads then give their fallbacks.
class DispatchArgs
{
public:
    explicit DispatchArgs(const QVariantList &args) : m_args(args) {}

    // Fails unless between `required` and `total` arguments were given.
    bool expect(qsizetype required, qsizetype total);

    // Whole numbers: doubles round to nearest (halves to even), Booleans give -1/0, strings
    // holding a number are read as it, empty gives 0. Out of range is an overflow.
    qint32 int32(qsizetype index, qint32 fallback = 0);
    qint64 int64(qsizetype index, qint64 fallback = 0);
    // -1 for any non-zero number or "True", 0 otherwise.
    qint16 boolean(qsizetype index, qint16 fallback = 0);
    QString string(qsizetype index, const QString &fallback = QString());

    // The argument itself, or nothing when it was left out.
    QVariant raw(qsizetype index) const;
    bool given(qsizetype index) const;

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    void fail(qsizetype index, const QString &why);

    static constexpr const char *TypeMismatch = "类型不匹配";
    static constexpr const char *Overflow = "溢出";

private:
    qint64 integer(qsizetype index, qint64 low, qint64 high, qint64 fallback);

    QVariantList m_args;
    QString m_error;
};

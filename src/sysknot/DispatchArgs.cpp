#include "DispatchArgs.h"

#include "VbFormat.h"

#include <cmath>
#include <limits>

bool DispatchArgs::expect(qsizetype required, qsizetype total)
{
    if (m_args.size() < required)
        m_error = QStringLiteral("参数不是可选的 (需要 %1 个，给了 %2 个)").arg(required).arg(m_args.size());
    else if (m_args.size() > total)
        m_error = QStringLiteral("参数个数错误 (最多 %1 个，给了 %2 个)").arg(total).arg(m_args.size());
    return ok();
}

bool DispatchArgs::given(qsizetype index) const
{
    return index < m_args.size();
}

QVariant DispatchArgs::raw(qsizetype index) const
{
    return given(index) ? m_args.at(index) : QVariant();
}

void DispatchArgs::fail(qsizetype index, const QString &why)
{
    if (ok())
        m_error = QStringLiteral("参数 %1: %2").arg(index + 1).arg(why);
}

qint32 DispatchArgs::int32(qsizetype index, qint32 fallback)
{
    return static_cast<qint32>(integer(index, std::numeric_limits<qint32>::min(),
                                       std::numeric_limits<qint32>::max(), fallback));
}

qint64 DispatchArgs::int64(qsizetype index, qint64 fallback)
{
    return integer(index, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(),
                   fallback);
}

qint64 DispatchArgs::integer(qsizetype index, qint64 low, qint64 high, qint64 fallback)
{
    if (!ok() || !given(index))
        return fallback;
    const QVariant value = m_args.at(index);
    if (!value.isValid() || value.isNull())
        return 0;

    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qint64 whole = value.toLongLong();
        if (whole < low || whole > high) {
            fail(index, QString::fromUtf8(Overflow));
            return fallback;
        }
        return whole;
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 whole = value.toULongLong();
        if (whole > static_cast<quint64>(high)) {
            fail(index, QString::fromUtf8(Overflow));
            return fallback;
        }
        return static_cast<qint64>(whole);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        number = value.toDouble();
        break;
    case QMetaType::QString: {
        bool parsed = false;
        number = value.toString().trimmed().toDouble(&parsed);
        if (!parsed) {
            fail(index, QString::fromUtf8(TypeMismatch));
            return fallback;
        }
        break;
    }
    default:
        fail(index, QString::fromUtf8(TypeMismatch));
        return fallback;
    }

    // The bounds are exact in double only up to 2^53; compare before rounding so no cast overflows.
    if (!std::isfinite(number) || number < static_cast<double>(low) - 0.5
        || number >= static_cast<double>(high) + 0.5) {
        fail(index, QString::fromUtf8(Overflow));
        return fallback;
    }
    const qint64 rounded = VbFormat::roundHalfEven(number);
    if (rounded < low || rounded > high) {
        fail(index, QString::fromUtf8(Overflow));
        return fallback;
    }
    return rounded;
}

qint16 DispatchArgs::boolean(qsizetype index, qint16 fallback)
{
    if (!ok() || !given(index))
        return fallback;
    const QVariant value = m_args.at(index);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"True", Qt::CaseInsensitive) == 0)
            return -1;
        if (text.compare(u"False", Qt::CaseInsensitive) == 0)
            return 0;
    }
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const double number = value.toDouble();
        if (std::isnan(number)) {
            fail(index, QString::fromUtf8(TypeMismatch));
            return fallback;
        }
        return number != 0 ? -1 : 0;
    }
    const qint64 whole = int64(index, fallback);
    return ok() && whole != 0 ? -1 : 0;
}

QString DispatchArgs::string(qsizetype index, const QString &fallback)
{
    if (!ok() || !given(index))
        return fallback;
    const QVariant value = m_args.at(index);
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        if (value.canConvert<QString>())
            return value.toString();
        fail(index, QString::fromUtf8(TypeMismatch));
        return fallback;
    }
}

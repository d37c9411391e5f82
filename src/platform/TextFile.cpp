#include "TextFile.h"

#include "Gbk.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

std::optional<QString> read(const QString &path, qint64 sizeCap)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > sizeCap)
        return std::nullopt;
    return Gbk::decode(file.readAll());
}

QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    QChar previous;
    for (const QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            out += u'\r';
        out += c;
        previous = c;
    }
    return out;
}

static std::optional<QByteArray> encodeOrReport(const QString &text, WriteResult &result)
{
    Gbk::Encoded e = Gbk::encode(withCrLf(text));
    if (!e.ok()) {
        result.unencodable = e.unencodable;
        result.error = QStringLiteral("GBK cannot hold: ") + e.unencodable;
        return std::nullopt;
    }
    return e.bytes;
}

WriteResult write(const QString &path, const QString &text)
{
    WriteResult result;
    const auto bytes = encodeOrReport(text, result);
    if (!bytes)
        return result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.flush()
        || !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult append(const QString &path, const QString &text)
{
    WriteResult result;
    const auto bytes = encodeOrReport(text, result);
    if (!bytes)
        return result;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(*bytes) != bytes->size()
        || !file.flush()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace TextFile

#include "OutputFolder.h"

#include "Gbk.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

OutputFolder::OutputFolder(const QString &root)
    : m_root(root)
{
}

bool OutputFolder::writeBytes(const QString &relative, const QByteArray &bytes, const QString &count)
{
    const QString path = m_root + u'/' + relative;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    m_written.append(Written{relative, bytes.size(), count});
    return true;
}

bool OutputFolder::writeGbk(const QString &relative, const QString &text, const QString &count)
{
    const Gbk::Encoded encoded = Gbk::encode(text);
    if (!encoded.ok()) {
        QStringList shown;
        for (const char32_t c : encoded.unencodable.toUcs4().mid(0, 10))
            shown.append(QStringLiteral("%1 (U+%2)")
                             .arg(QString::fromUcs4(&c, 1))
                             .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0')));
        m_error = QStringLiteral("%1: GBK cannot hold %2").arg(relative, shown.join(u", "));
        return false;
    }
    return writeBytes(relative, encoded.bytes, count);
}

QString OutputFolder::summary() const
{
    int width = 0;
    for (const Written &w : m_written)
        width = std::max(width, int(w.path.size()));
    QString out;
    for (const Written &w : m_written) {
        out += QStringLiteral("  %1 %2 bytes  %3\n")
                   .arg(w.path, -width)
                   .arg(w.size, 9)
                   .arg(w.count);
    }
    return out;
}

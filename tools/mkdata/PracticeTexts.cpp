#include "PracticeTexts.h"

#include "Gbk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

QString PracticeTexts::shippedText(const QString &relative, const QString &text)
{
    QString shipped = text;
    if (shipped.startsWith(QChar(0xFEFF)))
        shipped.remove(0, 1);
    shipped.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shipped.replace(u'\n', QStringLiteral("\r\n"));
    const QString lower = relative.toLower();
    if (lower.endsWith(u".htm") || lower.endsWith(u".html")) {
        static const QRegularExpression charset(QStringLiteral("(charset\\s*=\\s*[\"']?)utf-?8"),
                                                QRegularExpression::CaseInsensitiveOption);
        shipped.replace(charset, QStringLiteral("\\1gbk"));
    }
    return shipped;
}

QString PracticeTexts::unencodableReport(const QString &relative, const QString &text)
{
    QString report;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const Gbk::Encoded e = Gbk::encode(lines.at(i));
        for (const char32_t c : e.unencodable.toUcs4()) {
            report += QStringLiteral("%1:%2: GBK cannot hold %3 (U+%4)\n")
                          .arg(relative)
                          .arg(i + 1)
                          .arg(QString::fromUcs4(&c, 1))
                          .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        }
    }
    return report;
}

bool PracticeTexts::convertAll(const QString &sourceRoot, OutputFolder &out, QString *error)
{
    const QDir root(QDir(sourceRoot).absolutePath());
    if (!root.exists()) {
        *error = QStringLiteral("no text folder at %1").arg(sourceRoot);
        return false;
    }
    QStringList files;
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();

    QString report;
    for (const QString &relative : std::as_const(files)) {
        QFile file(root.filePath(relative));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(file.readAll());
        if (utf8.hasError()) {
            report += QStringLiteral("%1: not valid UTF-8\n").arg(relative);
            continue;
        }
        const QString problems = unencodableReport(relative, text);
        if (!problems.isEmpty()) {
            report += problems;
            continue;
        }
        const QString shipped = shippedText(relative, text);
        QString plain = shipped;
        plain.remove(u'\r').remove(u'\n');
        if (!out.writeGbk(relative, shipped, QStringLiteral("%1 characters").arg(plain.size()))) {
            *error = out.error();
            return false;
        }
    }
    if (!report.isEmpty()) {
        *error = QStringLiteral("these texts cannot be shipped in GBK:\n") + report;
        return false;
    }
    return true;
}

#include "RichText.h"

#include "TextFile.h"

#include <QTextDocument>

namespace RichText {

bool loadPlain(QTextDocument *document, const QString &path)
{
    const auto text = TextFile::read(path);
    if (!text)
        return false;
    QString t = *text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document->setPlainText(t);
    return true;
}

bool savePlain(const QTextDocument *document, const QString &path)
{
    return TextFile::write(path, document->toPlainText()).ok;
}

} // namespace RichText

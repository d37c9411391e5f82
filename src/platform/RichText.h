#pragma once

#include <QString>

class QTextDocument;

// Loading and saving the documents of the rich-text boxes.
namespace RichText {

// Plain GBK text. False when the file cannot be read or written (or holds characters GBK lacks,
// for saving).
bool loadPlain(QTextDocument *document, const QString &path);
bool savePlain(const QTextDocument *document, const QString &path);

} // namespace RichText

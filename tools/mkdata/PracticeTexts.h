#pragma once

#include "OutputFolder.h"

#include <QString>

// Our own texts (articles, the English text, the help page) are kept in UTF-8 with LF in the
// source tree and shipped as GBK with CR LF, mirrored into the program folder.
class PracticeTexts
{
public:
    // False with a message naming file, line and character when a text cannot be shipped.
    static bool convertAll(const QString &sourceRoot, OutputFolder &out, QString *error);

    // The shipped form of one file: CR LF line ends, no byte-order mark, and a web page's
    // declared charset changed to match its new encoding.
    static QString shippedText(const QString &relative, const QString &text);

    // "file:line: ..." for every character GBK cannot hold; empty when all can be shipped.
    static QString unencodableReport(const QString &relative, const QString &text);
};

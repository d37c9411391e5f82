#pragma once

#include <QString>

// The path up to and including its first three-letter extension that starts with ".T", else ".R",
// else ".t", searched from the last folder separator; text after that extension is cut off.
// "" when there is no separator or no such extension. Both "\" and "/" separate folders, since
// paths here come from the program's own backslash form and from Linux file dialogs alike.
QString CutPathAfterExtension(const QString &path);

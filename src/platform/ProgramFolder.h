#pragma once

#include <QString>

// Data paths are written as "program folder + \relative\path". On a case-sensitive file system each
// component is matched without regard to letter case against what exists, so \File and \file name
// one folder.
class ProgramFolder
{
public:
    // The folder of the running executable unless a test has set another.
    static QString root();
    static void setRoot(const QString &folder);

    // "\BM\Wbc5.zmd" -> "<root>/BM/wbc5.zmd" when that file exists.
    static QString path(const QString &relative);
    static QString resolve(const QString &root, const QString &relative);

private:
    static QString &overrideRoot();
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder with the installation's empty user folders, set as the program folder for
// as long as it lives.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString root() const { return m_dir.path(); }
    // Real path of "\relative\path" spelled with forward or back slashes.
    QString path(const QString &relative) const;

    // Writes text as GBK (lone LF become CR LF), creating folders on the way.
    void writeText(const QString &relative, const QString &text) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &relative) const;
    bool exists(const QString &relative) const;

    // The generated program folder of the build (tables, pools, pictures), for spot checks.
    static QString builtProgramFolder();

private:
    QTemporaryDir m_dir;
};

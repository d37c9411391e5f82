#include "TempProgramFolder.h"

#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProgramFolder::TempProgramFolder()
{
    QDir(root()).mkpath(QStringLiteral("MdbSet/UserList"));
    QDir(root()).mkpath(QStringLiteral("MdbSet/UserMdb"));
    ProgramFolder::setRoot(root());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::setRoot(QString());
}

QString TempProgramFolder::path(const QString &relative) const
{
    QString rel = relative;
    rel.replace(u'/', u'\\');
    if (!rel.startsWith(u'\\'))
        rel.prepend(u'\\');
    return ProgramFolder::resolve(root(), rel);
}

void TempProgramFolder::writeText(const QString &relative, const QString &text) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    const TextFile::WriteResult written = TextFile::write(p, text);
    // A fixture that did not land would make every assertion after it meaningless.
    if (!written.ok)
        qFatal("fixture %s not written: %s", qPrintable(p), qPrintable(written.error));
}

void TempProgramFolder::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
        qFatal("fixture %s not written: %s", qPrintable(p), qPrintable(f.errorString()));
}

QByteArray TempProgramFolder::readBytes(const QString &relative) const
{
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TempProgramFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

QString TempProgramFolder::builtProgramFolder()
{
    return qEnvironmentVariable("KEYLOOM_PROGRAM_DIR");
}

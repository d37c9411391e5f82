#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

bool DesktopShell::open(const QUrl &target)
{
    if (target.isLocalFile() && !QFileInfo::exists(target.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(target);
}

bool DesktopShell::startDetached(const QString &program, const QStringList &arguments, bool minimised)
{
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QProcess process;
    process.setProgram(program);
    // The window system decides the first state of another program's window; `minimised` is a
    // wish we cannot pass on without inventing a command-line option.
    Q_UNUSED(minimised)
    process.setArguments(arguments);
    process.setWorkingDirectory(info.absolutePath());
    return process.startDetached();
}

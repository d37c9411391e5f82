#include "DesktopShell.h"

#include "StartState.h"

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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    StartState::pass(environment, minimised);
    process.setProcessEnvironment(environment);
    process.setArguments(arguments);
    process.setWorkingDirectory(info.absolutePath());
    return process.startDetached();
}

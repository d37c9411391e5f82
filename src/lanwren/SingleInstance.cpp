#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::defaultLockPath()
{
    // The runtime folder is per user; the shared temporary folder needs the user in the name.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return runtime + QStringLiteral("/lanwren.lock");
    }
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QStringLiteral("user");
    return QDir::tempPath() + QStringLiteral("/lanwren-") + user + QStringLiteral(".lock");
}

bool SingleInstance::claim()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

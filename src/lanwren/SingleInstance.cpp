#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/lanwren.lock");
}

bool SingleInstance::claim()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

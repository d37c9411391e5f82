#pragma once

#include <QLockFile>
#include <QString>

// One running copy per user session. The lock is released when the holder ends, also by a crash,
// so a stale lock never keeps the program from starting.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath);
    static QString defaultLockPath();

    // False when another copy holds the lock.
    bool claim();

private:
    QLockFile m_lock;
};

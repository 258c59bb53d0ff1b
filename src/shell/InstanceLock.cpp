#include "shell/InstanceLock.h"

#include <QString>

namespace tessaron {

bool AnotherInstanceRuns(QLockFile& lock)
{
    if (lock.tryLock(0)) return false;
    if (lock.error() != QLockFile::LockFailedError) return false;
    // LockFailedError only says something is in the lock's place; a running instance has
    // written its process there (a dead one's lock was already taken over by tryLock).
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application);
}

} // namespace tessaron

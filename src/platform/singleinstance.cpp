#include "platform/singleinstance.h"

#include <QDir>
#include <QLockFile>

SingleInstance::SingleInstance(const QString &name)
    : m_lock(std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock"))))
{
    // A live owner keeps the lock however long it runs; a lock whose owner
    // process no longer exists is taken over (QLockFile checks the pid).
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}

#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of the program from running. The lock is a file
// holding the owner's process id; a lock left by a copy that crashed is
// recognised as stale and taken over.
class SingleInstance final
{
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();

    // True when this process now holds the lock (until it ends).
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

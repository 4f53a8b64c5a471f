#pragma once

// A descriptor that a waiting select() loop can watch so that another
// thread can wake it at once: wake() from any thread makes readFd()
// readable until drain() is called by the loop.
class WakeupPipe final
{
public:
    WakeupPipe();
    ~WakeupPipe();
    WakeupPipe(const WakeupPipe &) = delete;
    WakeupPipe &operator=(const WakeupPipe &) = delete;

    bool ok() const { return m_readFd >= 0; }
    int readFd() const { return m_readFd; }
    void wake();
    void drain();

private:
    int m_readFd = -1;
    int m_writeFd = -1;
};

#include "platform/wakeuppipe.h"

#include <fcntl.h>
#include <unistd.h>

WakeupPipe::WakeupPipe()
{
    int fds[2];
    if (::pipe(fds) != 0)
        return;
    for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
}

WakeupPipe::~WakeupPipe()
{
    if (m_readFd >= 0)
        ::close(m_readFd);
    if (m_writeFd >= 0)
        ::close(m_writeFd);
}

void WakeupPipe::wake()
{
    const char byte = 1;
    // A full pipe already guarantees a wake-up; nothing else can go wrong.
    [[maybe_unused]] const ssize_t written = ::write(m_writeFd, &byte, 1);
}

void WakeupPipe::drain()
{
    char buffer[64];
    while (::read(m_readFd, buffer, sizeof buffer) > 0) {
    }
}

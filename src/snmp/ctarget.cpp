#include "snmp/ctarget.h"

#include <atomic>

static std::atomic<unsigned long> s_defaultTimeout{100};

void CTarget::setDefaultTimeout(unsigned long hundredths)
{
    s_defaultTimeout = hundredths;
}

unsigned long CTarget::defaultTimeout()
{
    return s_defaultTimeout;
}

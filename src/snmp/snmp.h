#pragma once

#include "snmp/ctarget.h"
#include "snmp/pdu.h"
#include "snmp/snmpstatus.h"

// One worker's SNMP session. Requests block the calling thread until the
// answer, a time-out after the target's retries, or a failure; the status
// is returned (0 on success) and, on success, the PDU holds the response
// bindings. A failed request leaves the PDU as it was.
class Snmp final
{
public:
    // status receives 0 on success. The session uses a free local UDP port
    // (localPort 0) over IPv4.
    explicit Snmp(int &status, unsigned short localPort = 0, bool ipv6 = false);
    ~Snmp();
    Snmp(const Snmp &) = delete;
    Snmp &operator=(const Snmp &) = delete;

    int get(Pdu &pdu, const CTarget &target);
    int get_next(Pdu &pdu, const CTarget &target);
    int set(Pdu &pdu, const CTarget &target);

    // Socket start-up and clean-up; nothing to do on this platform.
    static void socket_startup() {}
    static void socket_cleanup() {}

    int channel() const { return m_channel; }

private:
    int m_channel = 0;
};

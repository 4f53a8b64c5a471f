#include "snmp/snmp.h"

#include "snmp/snmpengine.h"

Snmp::Snmp(int &status, unsigned short localPort, bool ipv6)
{
    if (localPort != 0 || ipv6) {
        status = SNMP_CLASS_UNSUPPORTED;
        return;
    }
    m_channel = SnmpEngine::instance().openChannel();
    status = SNMP_CLASS_SUCCESS;
}

Snmp::~Snmp()
{
    if (m_channel)
        SnmpEngine::instance().closeChannel(m_channel);
}

int Snmp::get(Pdu &pdu, const CTarget &target)
{
    if (!m_channel)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    return SnmpEngine::instance().request(m_channel, target, SnmpRequestType::Get, pdu);
}

int Snmp::get_next(Pdu &pdu, const CTarget &target)
{
    if (!m_channel)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    return SnmpEngine::instance().request(m_channel, target, SnmpRequestType::GetNext, pdu);
}

int Snmp::set(Pdu &pdu, const CTarget &target)
{
    if (!m_channel)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    return SnmpEngine::instance().request(m_channel, target, SnmpRequestType::Set, pdu);
}

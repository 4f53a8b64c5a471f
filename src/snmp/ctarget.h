#pragma once

#include "snmp/udpaddress.h"

#include <string>

enum snmp_version { version1 = 0, version2c = 1 };

// A community-based SNMP target: peer address, protocol version, retries,
// time-out and the read and write communities.
class CTarget final
{
public:
    CTarget() = default;

    // Back to the library defaults: version 1, 1 retry, 1 s time-out, no
    // communities, no address.
    void clear() { *this = CTarget(); }

    void set_address(const UdpAddress &address) { m_address = address; }
    const UdpAddress &get_address() const { return m_address; }
    void set_version(snmp_version version) { m_version = version; }
    snmp_version get_version() const { return m_version; }
    void set_retry(int retries) { m_retries = retries; }
    int get_retry() const { return m_retries; }
    // Time-out of one try, in hundredths of a second.
    void set_timeout(unsigned long hundredths) { m_timeout = hundredths; }
    unsigned long get_timeout() const { return m_timeout; }
    void set_readcommunity(const std::string &community) { m_readCommunity = community; }
    void set_writecommunity(const std::string &community) { m_writeCommunity = community; }
    const std::string &get_readcommunity() const { return m_readCommunity; }
    const std::string &get_writecommunity() const { return m_writeCommunity; }

    bool valid() const { return m_address.valid() && m_address.get_port() != 0; }

    // The time-out every new target starts with. The product keeps the
    // library default of 100 (1 s); tests shorten it.
    static void setDefaultTimeout(unsigned long hundredths);
    static unsigned long defaultTimeout();

private:
    UdpAddress m_address;
    snmp_version m_version = version1;
    int m_retries = 1;
    unsigned long m_timeout = defaultTimeout();
    std::string m_readCommunity;
    std::string m_writeCommunity;
};

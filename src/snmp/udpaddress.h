#pragma once

#include <cstdint>
#include <string>

// An IPv4 address, parsed from dotted text or resolved from a host name.
class IpAddress
{
public:
    IpAddress() = default;
    // Dotted IPv4 text is parsed at once. Any other text is taken as a host
    // name and resolved to its first IPv4 address, which may block for a
    // DNS lookup: never construct one from a name on the GUI thread.
    explicit IpAddress(const std::string &text);

    bool valid() const { return m_valid; }
    uint32_t toIPv4() const { return m_ip; }
    std::string get_printable() const;

    // Strict dotted IPv4 parse ("a.b.c.d", each 0..255); no name lookup.
    static bool parseDotted(const std::string &text, uint32_t &ip);
    // True when text has the form of an address rather than a host name
    // (digits and dots only): such text is never looked up.
    static bool looksNumeric(const std::string &text);

protected:
    bool m_valid = false;
    uint32_t m_ip = 0;
};

// An IPv4 address with a UDP port; "a.b.c.d:port" and "a.b.c.d/port" are
// accepted too.
class UdpAddress final : public IpAddress
{
public:
    UdpAddress() = default;
    explicit UdpAddress(const std::string &text);

    void set_port(uint16_t port) { m_port = port; }
    uint16_t get_port() const { return m_port; }
    // "udp:a.b.c.d:port", the peer form of the SNMP library.
    std::string peerName() const;

    friend bool operator==(const UdpAddress &a, const UdpAddress &b)
    {
        return a.m_valid == b.m_valid && a.m_ip == b.m_ip && a.m_port == b.m_port;
    }

private:
    uint16_t m_port = 0;
};

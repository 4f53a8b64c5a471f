#include "snmp/udpaddress.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QString>

bool IpAddress::parseDotted(const std::string &text, uint32_t &ip)
{
    uint32_t result = 0;
    int parts = 0;
    size_t i = 0;
    while (parts < 4) {
        uint32_t value = 0;
        size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            value = value * 10 + uint32_t(text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        result = (result << 8) | value;
        ++parts;
        if (parts < 4) {
            if (i >= text.size() || text[i] != '.')
                return false;
            ++i;
        }
    }
    if (i != text.size())
        return false;
    ip = result;
    return true;
}

bool IpAddress::looksNumeric(const std::string &text)
{
    for (char c : text) {
        if ((c < '0' || c > '9') && c != '.')
            return false;
    }
    return true;
}

IpAddress::IpAddress(const std::string &text)
{
    if (text.empty())
        return;
    if (parseDotted(text, m_ip)) {
        m_valid = true;
        return;
    }
    if (looksNumeric(text) || text.size() > 253)
        return;
    const QHostInfo info = QHostInfo::fromName(QString::fromStdString(text));
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            m_ip = address.toIPv4Address();
            m_valid = true;
            return;
        }
    }
}

std::string IpAddress::get_printable() const
{
    if (!m_valid)
        return {};
    return std::to_string(m_ip >> 24) + '.' + std::to_string((m_ip >> 16) & 0xFF) + '.'
        + std::to_string((m_ip >> 8) & 0xFF) + '.' + std::to_string(m_ip & 0xFF);
}

static std::string withoutPort(const std::string &text, uint16_t &port, bool &hasPort)
{
    hasPort = false;
    const size_t sep = text.find_last_of(":/");
    if (sep == std::string::npos)
        return text;
    const std::string tail = text.substr(sep + 1);
    if (tail.empty() || tail.size() > 5 || tail.find_first_not_of("0123456789") != std::string::npos)
        return text;
    const unsigned long value = std::stoul(tail);
    if (value > 65535)
        return text;
    port = uint16_t(value);
    hasPort = true;
    return text.substr(0, sep);
}

UdpAddress::UdpAddress(const std::string &text)
{
    bool hasPort = false;
    uint16_t port = 0;
    const std::string host = withoutPort(text, port, hasPort);
    static_cast<IpAddress &>(*this) = IpAddress(host);
    if (hasPort)
        m_port = port;
}

std::string UdpAddress::peerName() const
{
    return "udp:" + get_printable() + ':' + std::to_string(m_port);
}

#include "snmp/vb.h"

#include <cstdio>

void Vb::set_null()
{
    m_syntax = SnmpSyntax::Null;
    m_number = 0;
    m_bytes.clear();
    m_oidValue = Oid();
}

void Vb::set_value(const OctetStr &value)
{
    set_value(SnmpSyntax::OctetString, value.data);
}

void Vb::set_value(const SnmpInt32 &value)
{
    set_null();
    m_syntax = SnmpSyntax::Integer;
    m_number = value.value;
}

void Vb::set_value(SnmpSyntax syntax, uint64_t number)
{
    set_null();
    m_syntax = syntax;
    m_number = syntax == SnmpSyntax::Integer ? int64_t(int32_t(uint32_t(number))) : int64_t(number);
}

void Vb::set_value(SnmpSyntax syntax, std::string bytes)
{
    set_null();
    m_syntax = syntax;
    m_bytes = std::move(bytes);
}

void Vb::set_value(const Oid &value)
{
    set_null();
    m_syntax = SnmpSyntax::ObjectId;
    m_oidValue = value;
}

bool Vb::isException() const
{
    return m_syntax == SnmpSyntax::NoSuchObject || m_syntax == SnmpSyntax::NoSuchInstance
        || m_syntax == SnmpSyntax::EndOfMibView;
}

static bool isPrintableText(const std::string &bytes)
{
    for (unsigned char c : bytes) {
        if ((c < 0x20 || c > 0x7E) && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

static std::string hexDump(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (i)
            text += ' ';
        text += digits[c >> 4];
        text += digits[c & 0x0F];
    }
    return text;
}

std::string Vb::get_printable_value() const
{
    switch (m_syntax) {
    case SnmpSyntax::Integer:
    case SnmpSyntax::Counter32:
    case SnmpSyntax::Gauge32:
    case SnmpSyntax::TimeTicks:
        return std::to_string(m_number);
    case SnmpSyntax::Counter64:
        return std::to_string(uint64_t(m_number));
    case SnmpSyntax::IpAddress:
        if (m_bytes.size() == 4) {
            char text[16];
            std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(uint8_t(m_bytes[0])),
                          unsigned(uint8_t(m_bytes[1])), unsigned(uint8_t(m_bytes[2])),
                          unsigned(uint8_t(m_bytes[3])));
            return text;
        }
        return hexDump(m_bytes);
    case SnmpSyntax::OctetString:
        return isPrintableText(m_bytes) ? m_bytes : hexDump(m_bytes);
    case SnmpSyntax::Opaque:
        return hexDump(m_bytes);
    case SnmpSyntax::ObjectId:
        return m_oidValue.get_printable();
    case SnmpSyntax::Null:
    case SnmpSyntax::NoSuchObject:
    case SnmpSyntax::NoSuchInstance:
    case SnmpSyntax::EndOfMibView:
        break;
    }
    return {};
}

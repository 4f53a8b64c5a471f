#pragma once

#include "snmp/oid.h"

#include <cstdint>
#include <string>

// Value types of an SNMP binding (the ASN.1 tags of the protocol).
enum class SnmpSyntax : uint8_t {
    Null = 0x05,
    Integer = 0x02,
    OctetString = 0x04,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

// An octet string value for a SET.
struct OctetStr final
{
    explicit OctetStr(std::string bytes) : data(std::move(bytes)) {}
    std::string data;
};

// A signed 32-bit integer value for a SET.
struct SnmpInt32 final
{
    explicit SnmpInt32(int32_t v) : value(v) {}
    int32_t value;
};

// One variable binding: an OID and its typed value.
class Vb final
{
public:
    Vb() = default;
    explicit Vb(const Oid &oid) : m_oid(oid) {}

    void set_oid(const Oid &oid) { m_oid = oid; }
    void get_oid(Oid &oid) const { oid = m_oid; }
    const Oid &oid() const { return m_oid; }

    void set_null();
    void set_value(const OctetStr &value);
    void set_value(const SnmpInt32 &value);
    void set_value(SnmpSyntax syntax, uint64_t number);
    void set_value(SnmpSyntax syntax, std::string bytes);
    void set_value(const Oid &value);
    void clear() { *this = Vb(); }

    SnmpSyntax get_syntax() const { return m_syntax; }
    // True for noSuchObject, noSuchInstance and endOfMibView.
    bool isException() const;

    // The value as text: numbers in decimal, IP addresses dotted, octet
    // strings as text when every byte is printable (CR and LF included),
    // otherwise as a hexadecimal dump ("00 1A 2B"); empty without a value.
    std::string get_printable_value() const;

    // Raw value octets of an octet string, IP address or opaque value.
    const std::string &octets() const { return m_bytes; }
    // Numeric value of an integer, counter, gauge or time-ticks value.
    int64_t number() const { return m_number; }
    const Oid &oidValue() const { return m_oidValue; }

private:
    Oid m_oid;
    SnmpSyntax m_syntax = SnmpSyntax::Null;
    int64_t m_number = 0;
    std::string m_bytes;
    Oid m_oidValue;
};

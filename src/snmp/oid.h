#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An SNMP object identifier: a sequence of sub-identifiers, built from and
// printed as dotted decimal text ("1.3.6.1.2.1.1.5.0").
class Oid final
{
public:
    Oid() = default;
    explicit Oid(const char *dotted);
    explicit Oid(const std::string &dotted);
    explicit Oid(std::vector<uint32_t> ids) : m_ids(std::move(ids)) {}

    bool valid() const { return !m_ids.empty(); }
    size_t len() const { return m_ids.size(); }
    uint32_t operator[](size_t i) const { return m_ids[i]; }
    const std::vector<uint32_t> &ids() const { return m_ids; }

    // Compares the first n sub-identifiers with those of other: 0 when they
    // are equal (so this OID lies in other's subtree when n is other's
    // length), negative or positive otherwise, as a lexical comparison.
    int nCompare(size_t n, const Oid &other) const;

    // True when this OID lies strictly below prefix (prefix.a.b...).
    bool isBelow(const Oid &prefix) const;

    // The sub-identifiers after prefix, when this OID lies below it.
    std::vector<uint32_t> suffixAfter(const Oid &prefix) const;

    uint32_t last() const { return m_ids.empty() ? 0 : m_ids.back(); }
    std::string get_printable() const;

    friend bool operator==(const Oid &a, const Oid &b) { return a.m_ids == b.m_ids; }
    friend bool operator<(const Oid &a, const Oid &b) { return a.m_ids < b.m_ids; }

private:
    std::vector<uint32_t> m_ids;
};

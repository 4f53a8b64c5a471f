#include "snmp/oid.h"

#include <algorithm>

Oid::Oid(const char *dotted) : Oid(std::string(dotted ? dotted : "")) {}

Oid::Oid(const std::string &dotted)
{
    // Strict parse: digits separated by single dots, an optional leading dot.
    // Anything else gives an invalid (empty) OID.
    size_t i = (!dotted.empty() && dotted[0] == '.') ? 1 : 0;
    if (i >= dotted.size())
        return;
    std::vector<uint32_t> ids;
    uint64_t value = 0;
    bool digits = false;
    for (; i <= dotted.size(); ++i) {
        const char c = i < dotted.size() ? dotted[i] : '.';
        if (c >= '0' && c <= '9') {
            value = value * 10 + uint64_t(c - '0');
            if (value > 0xFFFFFFFFull)
                return;
            digits = true;
        } else if (c == '.' && digits) {
            ids.push_back(uint32_t(value));
            value = 0;
            digits = false;
        } else {
            return;
        }
    }
    m_ids = std::move(ids);
}

int Oid::nCompare(size_t n, const Oid &other) const
{
    for (size_t i = 0; i < n; ++i) {
        const bool mineEnds = i >= m_ids.size();
        const bool otherEnds = i >= other.m_ids.size();
        if (mineEnds || otherEnds)
            return mineEnds == otherEnds ? 0 : (mineEnds ? -1 : 1);
        if (m_ids[i] != other.m_ids[i])
            return m_ids[i] < other.m_ids[i] ? -1 : 1;
    }
    return 0;
}

bool Oid::isBelow(const Oid &prefix) const
{
    return m_ids.size() > prefix.m_ids.size()
        && std::equal(prefix.m_ids.begin(), prefix.m_ids.end(), m_ids.begin());
}

std::vector<uint32_t> Oid::suffixAfter(const Oid &prefix) const
{
    if (!isBelow(prefix))
        return {};
    return std::vector<uint32_t>(m_ids.begin() + long(prefix.m_ids.size()), m_ids.end());
}

std::string Oid::get_printable() const
{
    std::string text;
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(m_ids[i]);
    }
    return text;
}

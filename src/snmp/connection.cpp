#include "snmp/connection.h"

int Connection::rowOfIfIndex(int ifIndex) const
{
    const auto it = m_rowByIfIndex.find(ifIndex);
    return it == m_rowByIfIndex.end() ? -1 : it->second;
}

void Connection::indexRows()
{
    m_rowByIfIndex.clear();
    for (int row = 0; row < ifCount; ++row)
        m_rowByIfIndex.emplace(ifIndexList[size_t(row)], row);
}

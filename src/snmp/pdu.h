#pragma once

#include "snmp/vb.h"

#include <vector>

// A protocol data unit as the workers use it: an ordered list of bindings.
class Pdu final
{
public:
    Pdu &operator+=(const Vb &vb)
    {
        m_vbs.push_back(vb);
        return *this;
    }
    int get_vb_count() const { return int(m_vbs.size()); }
    // Copies binding i into vb; false (vb untouched) when there is none.
    bool get_vb(Vb &vb, int i) const
    {
        if (i < 0 || i >= int(m_vbs.size()))
            return false;
        vb = m_vbs[size_t(i)];
        return true;
    }
    void set_vb(const Vb &vb, int i)
    {
        if (i >= 0 && i < int(m_vbs.size()))
            m_vbs[size_t(i)] = vb;
    }
    const std::vector<Vb> &vbs() const { return m_vbs; }
    std::vector<Vb> &vbs() { return m_vbs; }
    void clear() { m_vbs.clear(); }

private:
    std::vector<Vb> m_vbs;
};

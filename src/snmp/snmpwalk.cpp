#include "snmp/snmpwalk.h"

int toInt(const std::string &text)
{
    size_t i = 0;
    size_t end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end)
        throw NumberFormatError("'" + text + "' is not a valid integer value");
    long long value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw NumberFormatError("'" + text + "' is not a valid integer value");
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            throw NumberFormatError("'" + text + "' is not a valid integer value");
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        throw NumberFormatError("'" + text + "' is not a valid integer value");
    return int(value);
}

void preparePdu(Pdu &pdu, const Oid &oid)
{
    pdu.clear();
    Vb vb;
    vb.set_oid(oid);
    pdu += vb;
}

std::string getText(Snmp &snmp, const CTarget &target, const Oid &oid, int *status)
{
    Pdu pdu;
    preparePdu(pdu, oid);
    const int result = snmp.get(pdu, target);
    if (status)
        *status = result;
    Vb vb;
    pdu.get_vb(vb, 0);
    return vb.get_printable_value();
}

int walkSubtree(Snmp &snmp, const CTarget &target, const Oid &start,
                const std::function<bool(const Vb &)> &row)
{
    Pdu pdu;
    preparePdu(pdu, start);
    Oid previous = start;
    for (;;) {
        const int status = snmp.get_next(pdu, target);
        if (status != SNMP_CLASS_SUCCESS)
            return status;
        Vb vb;
        pdu.get_vb(vb, 0);
        if (vb.oid().nCompare(start.len(), start) != 0 || !vb.oid().isBelow(start))
            return SNMP_CLASS_SUCCESS;
        // An agent that answers with an OID that does not increase would
        // keep the walk going for ever.
        if (!(previous < vb.oid()))
            return SNMP_CLASS_SUCCESS;
        previous = vb.oid();
        if (!row(vb))
            return SNMP_CLASS_SUCCESS;
    }
}

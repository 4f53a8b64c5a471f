#include "snmp/snmpwalk.h"

#include "snmp/snmpengine.h"

#include <algorithm>
#include <deque>
#include <future>
#include <memory>

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

int getNextEach(Snmp &snmp, const CTarget &target, const std::vector<Oid> &starts, size_t window,
                const std::function<bool(size_t index, const Vb &)> &answer)
{
    using Outcome = std::pair<int, Pdu>;
    SnmpEngine &engine = SnmpEngine::instance();
    window = std::max<size_t>(window, 1);
    std::deque<std::future<Outcome>> inFlight;
    size_t sent = 0;
    auto sendNext = [&] {
        Pdu pdu;
        preparePdu(pdu, starts[sent++]);
        // The promise lives with the handler: answers that arrive after we
        // stopped waiting are set on a state nobody reads any more.
        auto promise = std::make_shared<std::promise<Outcome>>();
        inFlight.push_back(promise->get_future());
        engine.submit(snmp.channel(), target, SnmpRequestType::GetNext, pdu,
                      [promise](int status, Pdu &&response) { promise->set_value({status, std::move(response)}); });
    };
    for (size_t done = 0; done < starts.size(); ++done) {
        while (sent < starts.size() && inFlight.size() < window)
            sendNext();
        auto [status, response] = inFlight.front().get();
        inFlight.pop_front();
        if (status != SNMP_CLASS_SUCCESS)
            return status;
        Vb vb;
        response.get_vb(vb, 0);
        if (!answer(done, vb))
            return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_SUCCESS;
}

#pragma once

#include "snmp/snmp.h"

#include <functional>
#include <stdexcept>
#include <string>

// The value text of a binding was needed as a number and is none.
class NumberFormatError final : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Converts decimal text (optional sign, surrounding blanks allowed) to an
// int; throws NumberFormatError for anything else, the empty text included.
int toInt(const std::string &text);

// Puts one binding for oid into a cleared PDU, the way every request starts.
void preparePdu(Pdu &pdu, const Oid &oid);

// Reads one object with a GET; the printable value of the answer (empty
// after a failure). status receives the request's status.
std::string getText(Snmp &snmp, const CTarget &target, const Oid &oid, int *status = nullptr);

// Walks the subtree below start with GETNEXT, calling row for every binding
// inside it; row returns false to stop. The walk also ends at the first
// OID outside the subtree and at the first failed request, so a device that
// stops answering cannot keep it going. Returns the status of the last
// request (0 when the walk left the subtree normally or was stopped).
int walkSubtree(Snmp &snmp, const CTarget &target, const Oid &start,
                const std::function<bool(const Vb &)> &row);

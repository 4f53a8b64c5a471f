#pragma once

#include "snmp/snmp.h"

#include <cstddef>
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

// Sends one GETNEXT from each of starts, keeping up to window of them in
// flight at once, and calls answer for each binding in the order of starts.
// Stops at the first failed request (its status is returned, the answers
// after it are dropped) or when answer returns false; 0 otherwise. Used
// where the next start is known without waiting for the previous answer,
// which turns a chain of round trips into a pipeline.
int getNextEach(Snmp &snmp, const CTarget &target, const std::vector<Oid> &starts, size_t window,
                const std::function<bool(size_t index, const Vb &)> &answer);

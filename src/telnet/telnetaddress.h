#pragma once

#include <QString>

// What the telnet dialog and window make of an address typed by the user or
// taken from a drawing: a dotted IPv4 address or a host name, optionally
// followed by ":port" or "/port" (port 23 otherwise). Parsing never looks a
// name up; a name is valid only once a lookup has found an IPv4 address.
struct TelnetAddress final
{
    enum class Kind { Invalid, Address, HostName };

    static constexpr quint16 DefaultPort = 23;

    Kind kind = Kind::Invalid;
    QString host; // the address or name without its port
    quint16 port = DefaultPort;

    // Dotted addresses are checked with the SNMP layer's address parsing.
    static TelnetAddress parse(const QString &text);
};

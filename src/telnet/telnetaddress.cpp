#include "telnet/telnetaddress.h"

#include "snmp/udpaddress.h"

#include <algorithm>
#include <string>

TelnetAddress TelnetAddress::parse(const QString &text)
{
    TelnetAddress result;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return result;

    // The SNMP layer splits off a port and takes dotted text at once; it is
    // asked only about text that cannot send it to a name lookup.
    QString host = trimmed;
    const qsizetype sep = std::max(trimmed.lastIndexOf(QLatin1Char(':')), trimmed.lastIndexOf(QLatin1Char('/')));
    if (sep >= 0) {
        const QString tail = trimmed.mid(sep + 1);
        const bool digits = !tail.isEmpty() && tail.size() <= 5
            && std::all_of(tail.begin(), tail.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        const uint port = digits ? tail.toUInt() : 0;
        if (port == 0 || port > 65535)
            return result;
        host = trimmed.left(sep);
        result.port = quint16(port);
    }
    const std::string hostText = host.toStdString();
    if (host.isEmpty())
        return result;

    uint32_t ip = 0;
    if (IpAddress::parseDotted(hostText, ip)) {
        if (!UdpAddress(trimmed.toStdString()).valid())
            return result;
        result.kind = Kind::Address;
    } else if (IpAddress::looksNumeric(hostText) || hostText.size() > 253) {
        return result;
    } else {
        result.kind = Kind::HostName;
    }
    result.host = host;
    return result;
}

#include "connect/connectaction.h"

#include "core/session.h"
#include "snmp/connection.h"
#include "snmp/snmpthread.h"

namespace ConnectAction {

ConnectCheck begin(const ConnectRequest &request)
{
    Session &s = session();
    s.devVendor = request.generalVendor ? QStringLiteral("General") : QStringLiteral("Cisco");
    s.snmpVer = request.versionOne ? 1 : 2;
    if (!request.address.isEmpty())
        s.mgmtIp = request.address;
    s.showNbr = request.showNeighbours;

    s.resetForConnection();

    if (request.communities.isEmpty())
        return ConnectCheck::EmptyCommunityList;
    if (request.address.isEmpty())
        return ConnectCheck::EmptyAddress;
    return ConnectCheck::Ready;
}

bool needsLookup(const QString &text)
{
    uint32_t ip = 0;
    const std::string host = text.section(QLatin1Char(':'), 0, 0).toStdString();
    return !IpAddress::parseDotted(host, ip) && !IpAddress::looksNumeric(host);
}

UdpAddress parseAddress(const QString &text)
{
    return UdpAddress(text.trimmed().toStdString());
}

ConnectOutcome launch(const UdpAddress &address, const QStringList &communities)
{
    Session &s = session();
    s.mgmtAddr = address;
    if (!address.valid()) {
        s.snmpErr = InvalidAddressError;
        return ConnectOutcome::InvalidAddress;
    }
    s.communityList = communities;

    auto connection = std::make_shared<Connection>();
    connection->snmpVer = s.snmpVer;
    connection->mgmtAddr = address;
    connection->communityList = communities;
    connection->devVendor = s.devVendor;
    s.connection = connection;
    SnmpThread::start(connection);
    return ConnectOutcome::Started;
}

} // namespace ConnectAction

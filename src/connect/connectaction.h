#pragma once

#include "snmp/udpaddress.h"

#include <QString>
#include <QStringList>

// What the connect dialog holds when the user presses Connect.
struct ConnectRequest
{
    bool generalVendor = true; // first vendor item selected
    bool versionOne = true;    // first version item selected
    QString address;           // the address field as typed
    bool showNeighbours = false;
    QStringList communities;   // the community list, in order
};

enum class ConnectCheck { EmptyCommunityList, EmptyAddress, Ready };
enum class ConnectOutcome { InvalidAddress, Started };

// The headless half of the Connect action, shared by the connect dialog
// and the command-line tool.
namespace ConnectAction {

// Copies the request into the session, resets the session for a new
// connection and validates the input.
ConnectCheck begin(const ConnectRequest &request);

// Parses the session's management address. A dotted address is parsed at
// once; a host name is looked up, which may block: the dialog runs this
// off the GUI thread when needsLookup() says so.
UdpAddress parseAddress(const QString &text);
bool needsLookup(const QString &text);

// Takes the parsed address: an invalid one sets snmpErr to 100; a valid one
// fills the community list and starts the probe of a new connection.
ConnectOutcome launch(const UdpAddress &address, const QStringList &communities);

// The status stored for an address that does not parse.
inline constexpr int InvalidAddressError = 100;

} // namespace ConnectAction

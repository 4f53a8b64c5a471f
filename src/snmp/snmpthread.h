#pragma once

#include <QThread>

#include <memory>

class Connection;
class Snmp;

// The device probe, first worker of a connection: finds the community the
// device answers, lists its interfaces, reads its name and description,
// decides vendor, operating-system family and device class, shapes the
// empty interface table and starts the seven column fillers. Failures are
// reported only through the connection's snmpErr. Frees itself when done;
// its termination notice runs on the GUI thread.
class SnmpThread final : public QThread
{
    Q_OBJECT

public:
    // Creates the probe and starts it at once.
    static SnmpThread *start(std::shared_ptr<Connection> connection);

protected:
    void run() override;

private:
    explicit SnmpThread(std::shared_ptr<Connection> connection);
    bool trialCommunities(Snmp &snmp);
    void listInterfaces(Snmp &snmp);
    void classify(Snmp &snmp);
    void startFillers();

    std::shared_ptr<Connection> m_connection;
};


#include "snmp/connectionnotices.h"

#include "core/session.h"
#include "snmp/connection.h"
#include "snmp/connectionevents.h"
#include "snmp/snmpstatus.h"

static bool isCurrent(const std::shared_ptr<Connection> &connection)
{
    return session().connection == connection;
}

static void publishDeviceValues(const Connection &c)
{
    Session &s = session();
    s.mgmtTarget = c.mgmtTarget;
    s.devSysName = c.devSysName;
    s.devVendor = c.devVendor;
    s.devOsType = c.devOsType;
    s.devClass = c.devClass;
    s.ifCount = c.ifCount;
    s.ifIndexList = c.ifIndexList;
}

void ProbeTerminated(const std::shared_ptr<Connection> &connection)
{
    if (!isCurrent(connection))
        return;
    Connection &c = *connection;
    if (!c.fillersStarted) {
        // A probe that neither failed visibly nor started the fillers would
        // leave the workflow waiting for ever: report it as a failure.
        if (c.snmpErr == SNMP_CLASS_SUCCESS)
            c.snmpErr = SNMP_CLASS_ERROR;
        Session &s = session();
        s.ifCount = 0;
        s.ifTable = emptyIfTable(0);
        s.snmpErr = c.snmpErr.load();
    }
    Q_EMIT ConnectionEvents::instance().probeEnded();
}

void FillerTerminated(const std::shared_ptr<Connection> &connection)
{
    const bool current = isCurrent(connection);
    if (current)
        Q_EMIT ConnectionEvents::instance().progressStep();
    Connection &c = *connection;
    bool filled = false;
    {
        QMutexLocker lock(&c.fillLock);
        if (c.fillPending > 0 && --c.fillPending == 0 && !c.ifTableFilled) {
            c.ifTableFilled = true;
            filled = true;
        }
    }
    if (!filled || !current)
        return;
    publishDeviceValues(c);
    Session &s = session();
    s.ifTable = c.ifTable;
    s.ifTableFilled = true;
    Q_EMIT ConnectionEvents::instance().tableFilled();
}

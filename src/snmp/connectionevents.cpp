#include "snmp/connectionevents.h"

#include <QCoreApplication>

ConnectionEvents &ConnectionEvents::instance()
{
    static ConnectionEvents *events = new ConnectionEvents(QCoreApplication::instance());
    return *events;
}

#include "snmp/snmpthread.h"

#include "snmp/columnfillers.h"
#include "snmp/connection.h"
#include "snmp/connectionnotices.h"
#include "snmp/deviceoids.h"
#include "snmp/devicerules.h"
#include "snmp/snmpwalk.h"

#include <QCoreApplication>

SnmpThread *SnmpThread::start(std::shared_ptr<Connection> connection)
{
    auto *probe = new SnmpThread(connection);
    QObject::connect(probe, &QThread::finished, QCoreApplication::instance(),
                     [connection] { ProbeTerminated(connection); }, Qt::QueuedConnection);
    QObject::connect(probe, &QThread::finished, probe, &QObject::deleteLater);
    probe->QThread::start();
    return probe;
}

SnmpThread::SnmpThread(std::shared_ptr<Connection> connection)
    : m_connection(std::move(connection))
{
}

void SnmpThread::run()
{
    Connection &c = *m_connection;

    // Target: the managed device at port 161, three retries, the library's
    // default time-out.
    c.mgmtTarget.clear();
    c.mgmtAddr.set_port(161);
    c.mgmtTarget.set_address(c.mgmtAddr);
    c.mgmtTarget.set_version(c.snmpVer == 2 ? version2c : version1);
    c.mgmtTarget.set_retry(3);

    Snmp::socket_startup();
    c.ifCount = 0;
    c.ifTable = emptyIfTable(0);

    int status = SNMP_CLASS_SUCCESS;
    Snmp snmp(status);
    if (status != SNMP_CLASS_SUCCESS) {
        c.snmpErr = status;
        return;
    }
    if (!trialCommunities(snmp))
        return;
    listInterfaces(snmp);

    c.devSysName = QString::fromStdString(getText(snmp, c.mgmtTarget, Oid(DeviceOid::SysName)));
    const QString description =
        QString::fromStdString(getText(snmp, c.mgmtTarget, Oid(DeviceOid::SysDescr)));
    c.devVendor = DeviceRules::vendorFromDescription(description);
    c.devOsType = DeviceRules::osFamilyFromDescription(description, c.devVendor);

    classify(snmp);
    if (c.snmpErr != SNMP_CLASS_SUCCESS)
        return;

    c.ifTable = emptyIfTable(c.ifCount);
    c.indexRows();
    startFillers();
}

// Tries each community with a GET of sysName.0; the first one answered
// becomes the read and write community of the target.
bool SnmpThread::trialCommunities(Snmp &snmp)
{
    Connection &c = *m_connection;
    Pdu pdu;
    preparePdu(pdu, Oid(DeviceOid::SysName));
    int status = SNMP_CLASS_ERROR;
    for (const QString &community : std::as_const(c.communityList)) {
        c.mgmtTarget.set_readcommunity(community.toStdString());
        c.mgmtTarget.set_writecommunity(community.toStdString());
        status = snmp.get(pdu, c.mgmtTarget);
        if (status == SNMP_CLASS_SUCCESS)
            return true;
    }
    c.snmpErr = status;
    return false;
}

void SnmpThread::listInterfaces(Snmp &snmp)
{
    Connection &c = *m_connection;
    c.ifIndexList.clear();
    try {
        walkSubtree(snmp, c.mgmtTarget, Oid(DeviceOid::IfIndex), [&c](const Vb &vb) {
            c.ifIndexList.push_back(toInt(vb.get_printable_value()));
            ++c.ifCount;
            return true;
        });
    } catch (const NumberFormatError &) {
        // The rows listed before the bad value stay.
    }
}

// Device class from the services the agent reports, the bridge address
// and, on Cisco devices, the VLAN membership table.
void SnmpThread::classify(Snmp &snmp)
{
    Connection &c = *m_connection;
    int status = SNMP_CLASS_SUCCESS;
    const std::string services = getText(snmp, c.mgmtTarget, Oid(DeviceOid::SysServices), &status);
    int layers = 0;
    try {
        layers = toInt(services);
    } catch (const NumberFormatError &) {
        // Without the services the class cannot be decided: the connection
        // fails with the request's status, or a general error when the
        // device answered with something that is not a number.
        c.snmpErr = status != SNMP_CLASS_SUCCESS ? status : int(SNMP_CLASS_ERROR);
        return;
    }
    if (layers < 3) {
        c.devClass = DeviceClass::Layer2Switch;
        return;
    }
    getText(snmp, c.mgmtTarget, Oid(DeviceOid::Dot1dBaseBridgeAddress), &status);
    if (status != SNMP_CLASS_SUCCESS) {
        c.devClass = DeviceClass::Router;
        return;
    }
    if (c.devVendor != QLatin1String("Cisco")) {
        c.devClass = DeviceClass::Layer3Switch;
        return;
    }
    bool member = false;
    status = walkSubtree(snmp, c.mgmtTarget, Oid(DeviceOid::VmVlanType), [&member](const Vb &vb) {
        member = !vb.get_printable_value().empty();
        return !member;
    });
    c.devClass = member ? DeviceClass::Layer3Switch : DeviceClass::Router;
}

void SnmpThread::startFillers()
{
    Connection &c = *m_connection;
    {
        QMutexLocker lock(&c.fillLock);
        c.fillPending = 7;
    }
    c.fillersStarted = true;
    ColumnFillThread *fillers[] = {
        new PortNameFillThread(m_connection), new StatusFillThread(m_connection),
        new DescFillThread(m_connection),     new SpeedFillThread(m_connection),
        new DuplexModeFillThread(m_connection), new IpFillThread(m_connection),
        new VlanNumFillThread(m_connection),
    };
    QThread *gui = QCoreApplication::instance()->thread();
    for (ColumnFillThread *filler : fillers) {
        // The filler object belongs to the GUI thread, so its termination
        // notice and its deletion run there after this probe has ended.
        filler->moveToThread(gui);
        std::shared_ptr<Connection> connection = m_connection;
        QObject::connect(filler, &QThread::finished, QCoreApplication::instance(),
                         [connection] { FillerTerminated(connection); }, Qt::QueuedConnection);
        QObject::connect(filler, &QThread::finished, filler, &QObject::deleteLater);
        filler->start();
    }
}

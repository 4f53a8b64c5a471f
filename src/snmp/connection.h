#pragma once

#include "core/iftable.h"
#include "snmp/ctarget.h"

#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <unordered_map>
#include <vector>

// The working data of one connection to a managed device. The connect
// action fills the inputs; the probe writes the device values and shapes
// the table before it starts the column fillers, which then only read those
// values and each write the cells of their own column. The GUI thread reads
// the results after the phase that writes them has ended.
class Connection final
{
public:
    // Inputs, set before the probe starts.
    int snmpVer = 1;
    UdpAddress mgmtAddr;
    QStringList communityList;

    // Written by the probe.
    CTarget mgmtTarget;
    QString devVendor;
    QString devSysName;
    QString devOsType;
    int devClass = 0;
    int ifCount = 0;
    std::vector<int> ifIndexList;
    IfTableColumns ifTable;
    std::atomic<int> snmpErr{0};
    std::atomic<bool> fillersStarted{false};

    // The running column fillers, counted down by their termination
    // notices under fillLock; reaching 0 marks the table filled.
    QMutex fillLock;
    int fillPending = 0;
    std::atomic<bool> ifTableFilled{false};

    // The first row whose ifIndex is ifIndex, or -1. Valid once the probe
    // has listed the interfaces.
    int rowOfIfIndex(int ifIndex) const;
    void indexRows();

private:
    std::unordered_map<int, int> m_rowByIfIndex;
};

#include "snmp/columnfillers.h"

#include "snmp/connection.h"
#include "snmp/deviceoids.h"
#include "snmp/snmpwalk.h"

#include <algorithm>
#include <map>

// GETNEXTs a filler keeps in flight once it knows where each one starts: a
// round trip per row becomes one per eight rows, gentle enough for agents.
static constexpr size_t RequestWindow = 8;

// The GETNEXT starts that visit, one by one, the entries after each of
// suffixes in a column: the column itself, then column.suffix for all but
// the last one.
static std::vector<Oid> startsBefore(const Oid &column, const std::vector<std::vector<uint32_t>> &suffixes)
{
    std::vector<Oid> starts;
    starts.reserve(suffixes.size());
    for (size_t k = 0; k < suffixes.size(); ++k) {
        if (k == 0) {
            starts.push_back(column);
            continue;
        }
        std::vector<uint32_t> ids = column.ids();
        ids.insert(ids.end(), suffixes[k - 1].begin(), suffixes[k - 1].end());
        starts.emplace_back(ids);
    }
    return starts;
}

// The row an IF-MIB answer belongs to: its OID must be the column's OID
// followed by exactly one sub-identifier, the ifIndex.
static int rowOfIfMibAnswer(const Connection &c, const Oid &column, const Oid &answer)
{
    if (answer.len() != column.len() + 1 || !answer.isBelow(column))
        return -1;
    return c.rowOfIfIndex(int(answer.last()));
}

FixedCountFillThread::FixedCountFillThread(std::shared_ptr<Connection> connection, int column,
                                           const char *columnOid)
    : ColumnFillThread(std::move(connection), column), m_columnOid(columnOid)
{
}

QString FixedCountFillThread::cellText(const Vb &vb) const
{
    return QString::fromStdString(vb.get_printable_value());
}

void FixedCountFillThread::fill(Snmp &snmp)
{
    Connection &c = connection();
    // One GETNEXT per interface, each starting at the previous interface's
    // entry, so they need not wait for each other. Answers are placed by
    // their own index, so a column with gaps still fills the right rows.
    std::vector<std::vector<uint32_t>> suffixes;
    suffixes.reserve(size_t(std::max(c.ifCount, 0)));
    for (int i = 0; i < c.ifCount; ++i)
        suffixes.push_back({uint32_t(c.ifIndexList[size_t(i)])});
    const Oid column(m_columnOid);
    // A failed request ends the filling: the device has stopped answering.
    getNextEach(snmp, c.mgmtTarget, startsBefore(column, suffixes), RequestWindow, [&](size_t, const Vb &vb) {
        const int row = rowOfIfMibAnswer(c, column, vb.oid());
        if (row >= 0)
            writeCell(row, cellText(vb));
        return true;
    });
}

PortNameFillThread::PortNameFillThread(std::shared_ptr<Connection> connection)
    : FixedCountFillThread(std::move(connection), IfColumn::PortName, DeviceOid::IfName)
{
}

StatusFillThread::StatusFillThread(std::shared_ptr<Connection> connection)
    : FixedCountFillThread(std::move(connection), IfColumn::Status, DeviceOid::IfOperStatus)
{
}

QString StatusFillThread::cellText(const Vb &vb) const
{
    switch (toInt(vb.get_printable_value())) {
    case 1:
        return QStringLiteral("up");
    case 2:
        return QStringLiteral("down");
    default:
        return QStringLiteral("testing");
    }
}

DescFillThread::DescFillThread(std::shared_ptr<Connection> connection)
    : FixedCountFillThread(std::move(connection), IfColumn::Description, DeviceOid::IfAlias)
{
}

SpeedFillThread::SpeedFillThread(std::shared_ptr<Connection> connection)
    : FixedCountFillThread(std::move(connection), IfColumn::Speed, DeviceOid::IfSpeed)
{
}

void SpeedFillThread::fill(Snmp &snmp)
{
    FixedCountFillThread::fill(snmp);
    // ifSpeed saturates at 2^32-1; such rows get ifHighSpeed (Mb/s) instead.
    Connection &c = connection();
    static const QString saturated = QStringLiteral("4294967295");
    const Oid highSpeed(DeviceOid::IfHighSpeed);
    for (int row = 0; row < c.ifCount; ++row) {
        if (c.ifTable[size_t(column())][size_t(row)] != saturated)
            continue;
        std::vector<uint32_t> ids = highSpeed.ids();
        ids.push_back(uint32_t(c.ifIndexList[size_t(row)]));
        int status = SNMP_CLASS_SUCCESS;
        const std::string mbps = getText(snmp, c.mgmtTarget, Oid(ids), &status);
        if (status != SNMP_CLASS_SUCCESS)
            continue;
        try {
            const long long value = toInt(mbps);
            if (value > 0)
                writeCell(row, QString::number(value * 1000000LL));
        } catch (const NumberFormatError &) {
            // Keep the saturated value rather than lose the row's speed.
        }
    }
}

TwoPassFillThread::TwoPassFillThread(std::shared_ptr<Connection> connection, int column,
                                     const char *indexOid, const char *valueOid)
    : ColumnFillThread(std::move(connection), column), m_indexOid(indexOid), m_valueOid(valueOid)
{
}

int TwoPassFillThread::ifIndexOf(const Vb &vb) const
{
    return toInt(vb.get_printable_value());
}

void TwoPassFillThread::writeValue(int row, const Vb &vb)
{
    writeCell(row, QString::fromStdString(vb.get_printable_value()));
}

void TwoPassFillThread::fill(Snmp &snmp)
{
    if (!applies())
        return;
    Connection &c = connection();

    // Pass 1: the row of every entry of the index column, by table index.
    std::map<std::vector<uint32_t>, int> rowByEntry;
    std::vector<std::vector<uint32_t>> entries;
    walkSubtree(snmp, c.mgmtTarget, m_indexOid, [&](const Vb &vb) {
        std::vector<uint32_t> entry = vb.oid().suffixAfter(m_indexOid);
        rowByEntry[entry] = c.rowOfIfIndex(ifIndexOf(vb));
        entries.push_back(std::move(entry));
        return true;
    });

    // Pass 2: one GETNEXT per entry over the value column of the same
    // table, each starting at the entry before, placed by its table index.
    const Oid valueColumn(m_valueOid);
    getNextEach(snmp, c.mgmtTarget, startsBefore(valueColumn, entries), RequestWindow,
                [&](size_t, const Vb &vb) {
                    const auto entry = rowByEntry.find(vb.oid().suffixAfter(m_valueOid));
                    if (entry != rowByEntry.end() && entry->second >= 0)
                        writeValue(entry->second, vb);
                    return true;
                });
}

DuplexModeFillThread::DuplexModeFillThread(std::shared_ptr<Connection> connection)
    : TwoPassFillThread(std::move(connection), IfColumn::DuplexMode, DeviceOid::Dot3StatsIndex,
                        DeviceOid::Dot3StatsDuplexStatus)
{
}

void DuplexModeFillThread::writeValue(int row, const Vb &vb)
{
    switch (toInt(vb.get_printable_value())) {
    case 1:
        writeCell(row, QStringLiteral("Unknown"));
        break;
    case 2:
        writeCell(row, QStringLiteral("HalfDuplex"));
        break;
    default:
        writeCell(row, QStringLiteral("FullDuplex"));
        break;
    }
}

IpFillThread::IpFillThread(std::shared_ptr<Connection> connection)
    : TwoPassFillThread(std::move(connection), IfColumn::IpAddress, DeviceOid::IpAdEntIfIndex,
                        DeviceOid::IpAdEntAddr)
{
}

bool IpFillThread::applies() const
{
    return connection().devClass != DeviceClass::Layer2Switch;
}

void IpFillThread::writeValue(int row, const Vb &vb)
{
    const QString address = QString::fromStdString(vb.get_printable_value());
    const QString &old = connection().ifTable[size_t(column())][size_t(row)];
    writeCell(row, old.isEmpty() ? address : old + QLatin1Char('\n') + address);
}

static bool isCisco(const std::shared_ptr<Connection> &connection)
{
    return connection->devVendor == QLatin1String("Cisco");
}

VlanNumFillThread::VlanNumFillThread(std::shared_ptr<Connection> connection)
    : TwoPassFillThread(connection, IfColumn::VlanNo,
                        isCisco(connection) ? DeviceOid::VmVlan : DeviceOid::Dot1dBasePortIfIndex,
                        isCisco(connection) ? DeviceOid::VmVlan : DeviceOid::Dot1qPvid),
      m_cisco(isCisco(connection))
{
}

bool VlanNumFillThread::applies() const
{
    return connection().devClass != DeviceClass::Router;
}

int VlanNumFillThread::ifIndexOf(const Vb &vb) const
{
    // The Cisco membership table is indexed by ifIndex itself.
    return m_cisco ? int(vb.oid().last()) : TwoPassFillThread::ifIndexOf(vb);
}

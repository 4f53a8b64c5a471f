#include "snmp/columnfillthread.h"

#include "snmp/connection.h"
#include "snmp/snmp.h"
#include "snmp/snmpwalk.h"

ColumnFillThread::ColumnFillThread(std::shared_ptr<Connection> connection, int column)
    : m_connection(std::move(connection)), m_column(column)
{
}

void ColumnFillThread::run()
{
    int status = SNMP_CLASS_SUCCESS;
    Snmp snmp(status);
    if (status != SNMP_CLASS_SUCCESS)
        return;
    try {
        fill(snmp);
    } catch (const NumberFormatError &) {
        // The loop that needed a number ends; written cells stay.
    }
}

void ColumnFillThread::writeCell(int row, const QString &text)
{
    auto &cells = m_connection->ifTable[size_t(m_column)];
    if (row >= 0 && size_t(row) < cells.size())
        cells[size_t(row)] = text;
}

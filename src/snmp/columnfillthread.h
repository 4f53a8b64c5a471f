#pragma once

#include <QThread>

#include <memory>

class Connection;
class Snmp;

// Base of the seven column fillers: a worker that opens its own SNMP
// session and fills one column of its connection's interface table. Each
// filler writes only the cells of its own column.
class ColumnFillThread : public QThread
{
    Q_OBJECT

public:
    explicit ColumnFillThread(std::shared_ptr<Connection> connection, int column);

protected:
    void run() final;
    // Reads the device and writes the column; a number conversion failure
    // thrown from here ends the filler, cells already written stay.
    virtual void fill(Snmp &snmp) = 0;

    Connection &connection() { return *m_connection; }
    const Connection &connection() const { return *m_connection; }
    int column() const { return m_column; }
    void writeCell(int row, const QString &text);

private:
    std::shared_ptr<Connection> m_connection;
    int m_column;
};

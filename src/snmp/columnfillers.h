#pragma once

#include "snmp/columnfillthread.h"
#include "snmp/oid.h"

#include <QString>

#include <string>

class Vb;

// A filler that reads one IF-MIB column with one GETNEXT per interface
// row, in ifIndex order. Each answer is placed on the row of the ifIndex
// its OID names, so a column with a gap does not shift later cells; an
// answer outside the column is not written.
class FixedCountFillThread : public ColumnFillThread
{
    Q_OBJECT

public:
    FixedCountFillThread(std::shared_ptr<Connection> connection, int column, const char *columnOid);

protected:
    void fill(Snmp &snmp) override;
    virtual QString cellText(const Vb &vb) const;

private:
    Oid m_columnOid;
};

// A filler that maps another table's index to interface rows (pass 1, a
// walk of the index column) and then reads the value column of the same
// table (pass 2, one GETNEXT per entry of pass 1). Each answer of pass 2 is
// placed by its table index, so an entry without an interface or a missing
// value cannot shift the others.
class TwoPassFillThread : public ColumnFillThread
{
    Q_OBJECT

public:
    TwoPassFillThread(std::shared_ptr<Connection> connection, int column, const char *indexOid,
                      const char *valueOid);

protected:
    void fill(Snmp &snmp) override;
    // Whether the column applies to the device at all.
    virtual bool applies() const { return true; }
    // The ifIndex an entry of the index column names.
    virtual int ifIndexOf(const Vb &vb) const;
    virtual void writeValue(int row, const Vb &vb);

private:
    Oid m_indexOid;
    Oid m_valueOid;
};

class PortNameFillThread final : public FixedCountFillThread
{
    Q_OBJECT
public:
    explicit PortNameFillThread(std::shared_ptr<Connection> connection);
};

class StatusFillThread final : public FixedCountFillThread
{
    Q_OBJECT
public:
    explicit StatusFillThread(std::shared_ptr<Connection> connection);
protected:
    QString cellText(const Vb &vb) const override;
};

class DescFillThread final : public FixedCountFillThread
{
    Q_OBJECT
public:
    explicit DescFillThread(std::shared_ptr<Connection> connection);
};

// ifSpeed; for ports faster than its 32-bit range the speed comes from
// ifHighSpeed (in Mb/s) and is shown in bits per second all the same.
class SpeedFillThread final : public FixedCountFillThread
{
    Q_OBJECT
public:
    explicit SpeedFillThread(std::shared_ptr<Connection> connection);
protected:
    void fill(Snmp &snmp) override;
};

class DuplexModeFillThread final : public TwoPassFillThread
{
    Q_OBJECT
public:
    explicit DuplexModeFillThread(std::shared_ptr<Connection> connection);
protected:
    void writeValue(int row, const Vb &vb) override;
};

// IP addresses; several addresses of one interface are joined by a line
// feed, in the order of the address table. Not read on layer-2 switches.
class IpFillThread final : public TwoPassFillThread
{
    Q_OBJECT
public:
    explicit IpFillThread(std::shared_ptr<Connection> connection);
protected:
    bool applies() const override;
    void writeValue(int row, const Vb &vb) override;
};

// VLAN of each port: Cisco's VLAN membership table, or the port VLAN id of
// the bridge ports on other vendors. Not read on routers.
class VlanNumFillThread final : public TwoPassFillThread
{
    Q_OBJECT
public:
    explicit VlanNumFillThread(std::shared_ptr<Connection> connection);
protected:
    bool applies() const override;
    int ifIndexOf(const Vb &vb) const override;

private:
    bool m_cisco;
};

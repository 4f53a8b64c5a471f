// Value handling of the SNMP layer: OIDs, value text, number conversion
// and address parsing. No device needed.
#include "snmp/devicerules.h"
#include "snmp/oid.h"
#include "snmp/snmpwalk.h"
#include "snmp/udpaddress.h"
#include "snmp/vb.h"

#include <QTest>

class TestSnmpValues final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oidParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("plain") << "1.3.6.1.2.1.1.5.0" << "1.3.6.1.2.1.1.5.0";
        QTest::newRow("leading dot") << ".1.3.6" << "1.3.6";
        QTest::newRow("largest sub-id") << "1.4294967295" << "1.4294967295";
        QTest::newRow("too large") << "1.4294967296" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("double dot") << "1..3" << "";
        QTest::newRow("trailing dot") << "1.3." << "";
        QTest::newRow("letters") << "1.3.x" << "";
    }
    void oidParse()
    {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        const Oid oid(text.toStdString());
        QCOMPARE(QString::fromStdString(oid.get_printable()), printed);
        QCOMPARE(oid.valid(), !printed.isEmpty());
    }

    void subtreeTest()
    {
        const Oid start("1.3.6.1.2.1.2.2.1.1");
        // Inside the subtree while the returned OID begins with the start.
        QCOMPARE(Oid("1.3.6.1.2.1.2.2.1.1.5").nCompare(start.len(), start), 0);
        // The first instance of the next column is the immediate successor
        // of the last row, and already outside.
        QVERIFY(Oid("1.3.6.1.2.1.2.2.1.2.1").nCompare(start.len(), start) > 0);
        QVERIFY(Oid("1.3.6.1.2.1.2.2.1").nCompare(start.len(), start) != 0);
        QVERIFY(Oid("1.3.6.1.2.1.1.5.0").nCompare(start.len(), start) < 0);
        QVERIFY(Oid("1.3.6.1.2.1.2.2.1.1.5").isBelow(start));
        QVERIFY(!start.isBelow(start));
        QCOMPARE(Oid("1.3.6.1.2.1.4.20.1.1.127.0.0.1").suffixAfter(Oid("1.3.6.1.2.1.4.20.1.1")),
                 (std::vector<uint32_t>{127, 0, 0, 1}));
    }

    void printableValue_data()
    {
        QTest::addColumn<int>("syntax");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("text");
        const int octets = int(SnmpSyntax::OctetString);
        QTest::newRow("text") << octets << QByteArray("Gi1/0/1") << qint64(0) << "Gi1/0/1";
        QTest::newRow("CR and LF are printable")
            << octets << QByteArray("line1\r\nline2") << qint64(0) << "line1\r\nline2";
        QTest::newRow("MAC address as hex dump")
            << octets << QByteArray::fromHex("001a2b3c4d5e") << qint64(0) << "00 1A 2B 3C 4D 5E";
        QTest::newRow("tab makes it binary") << octets << QByteArray("a\tb") << qint64(0) << "61 09 62";
        QTest::newRow("empty string") << octets << QByteArray() << qint64(0) << "";
        QTest::newRow("ip address") << int(SnmpSyntax::IpAddress) << QByteArray::fromHex("7f00000b")
                                    << qint64(0) << "127.0.0.11";
        QTest::newRow("negative integer") << int(SnmpSyntax::Integer) << QByteArray() << qint64(-7) << "-7";
        QTest::newRow("gauge above 2^31") << int(SnmpSyntax::Gauge32) << QByteArray()
                                          << qint64(4294967295LL) << "4294967295";
        QTest::newRow("counter64") << int(SnmpSyntax::Counter64) << QByteArray()
                                   << qint64(10000000000LL) << "10000000000";
        QTest::newRow("time ticks in decimal") << int(SnmpSyntax::TimeTicks) << QByteArray()
                                               << qint64(123456) << "123456";
        QTest::newRow("no value") << int(SnmpSyntax::Null) << QByteArray() << qint64(0) << "";
        QTest::newRow("noSuchInstance") << int(SnmpSyntax::NoSuchInstance) << QByteArray()
                                        << qint64(0) << "";
    }
    void printableValue()
    {
        QFETCH(int, syntax);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, number);
        QFETCH(QString, text);
        Vb vb(Oid("1.3.6.1"));
        const auto s = SnmpSyntax(syntax);
        if (s == SnmpSyntax::OctetString || s == SnmpSyntax::IpAddress)
            vb.set_value(s, bytes.toStdString());
        else if (s == SnmpSyntax::Integer)
            vb.set_value(SnmpInt32(int32_t(number)));
        else if (s != SnmpSyntax::Null)
            vb.set_value(s, uint64_t(number));
        QCOMPARE(QString::fromStdString(vb.get_printable_value()), text);
        if (s == SnmpSyntax::OctetString)
            QCOMPARE(QByteArray::fromStdString(vb.octets()), bytes);
    }

    void numberConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "42" << true << 42;
        QTest::newRow("blanks around") << " 7 " << true << 7;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("int max") << "2147483647" << true << 2147483647;
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("text") << "n/a" << false << 0;
        QTest::newRow("trailing letters") << "12x" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
    }
    void numberConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        if (ok) {
            QCOMPARE(toInt(text.toStdString()), value);
        } else {
            QVERIFY_THROWS_EXCEPTION(NumberFormatError, toInt(text.toStdString()));
        }
    }

    void addressParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::newRow("dotted") << "127.0.0.11" << "127.0.0.11" << 0;
        QTest::newRow("with port") << "127.0.0.11:1161" << "127.0.0.11" << 1161;
        QTest::newRow("slash port") << "127.0.0.11/162" << "127.0.0.11" << 162;
        QTest::newRow("octet too large") << "127.0.0.256" << "" << 0;
        QTest::newRow("three octets") << "127.0.1" << "" << 0;
        QTest::newRow("five octets") << "127.0.0.1.1" << "" << 0;
        QTest::newRow("empty") << "" << "" << 0;
        QTest::newRow("host name") << "localhost" << "127.0.0.1" << 0;
        QTest::newRow("unknown host") << "no-such-host.invalid" << "" << 0;
    }
    void addressParse()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QFETCH(int, port);
        const UdpAddress parsed(text.toStdString());
        QCOMPARE(parsed.valid(), !address.isEmpty());
        QCOMPARE(QString::fromStdString(parsed.get_printable()), address);
        if (parsed.valid())
            QCOMPARE(int(parsed.get_port()), port);
    }

    void vendorAndOs_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("os");
        QTest::newRow("Cisco IOS") << "Cisco IOS Software, C3750E" << "Cisco" << "IOS";
        QTest::newRow("Cisco without IOS") << "Cisco Catalyst Operating System" << "Cisco" << "CATOS";
        QTest::newRow("Huawei") << "Huawei Versatile Routing Platform" << "Huawei" << "";
        QTest::newRow("lower case matches nothing") << "cisco ios" << "" << "";
        QTest::newRow("Cisco wins over Huawei") << "Huawei and Cisco" << "Cisco" << "CATOS";
        QTest::newRow("IOS without a vendor") << "Acme IOS-like" << "" << "IOS";
    }
    void vendorAndOs()
    {
        QFETCH(QString, description);
        QFETCH(QString, vendor);
        QFETCH(QString, os);
        const QString v = DeviceRules::vendorFromDescription(description);
        QCOMPARE(v, vendor);
        QCOMPARE(DeviceRules::osFamilyFromDescription(description, v), os);
    }
};

QTEST_GUILESS_MAIN(TestSnmpValues)
#include "test_snmp_values.moc"

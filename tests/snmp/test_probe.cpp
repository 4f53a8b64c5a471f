// The device probe and the seven column fillers against the simulated
// devices: the whole table each device must give, the community trial,
// failures, and connections that overlap.
#include "support/labdevices.h"
#include "support/udprelay.h"

#include "connect/connectaction.h"
#include "core/session.h"
#include "snmp/connection.h"
#include "snmp/connectionevents.h"
#include "snmp/connectionnotices.h"
#include "snmp/snmpstatus.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

#include <set>

// Runs a Connect with the given input and waits until the table is filled
// or the connection has failed. False when neither happened in time.
static bool connectTo(const QString &address, const QStringList &communities, bool v2c = false,
                      bool generalVendor = true)
{
    ConnectRequest request;
    request.address = address;
    request.communities = communities;
    request.versionOne = !v2c;
    request.generalVendor = generalVendor;
    if (ConnectAction::begin(request) != ConnectCheck::Ready)
        return false;
    if (ConnectAction::launch(ConnectAction::parseAddress(address), communities)
        != ConnectOutcome::Started)
        return true;
    QSignalSpy filled(&ConnectionEvents::instance(), &ConnectionEvents::tableFilled);
    QSignalSpy ended(&ConnectionEvents::instance(), &ConnectionEvents::probeEnded);
    return QTest::qWaitFor([&] { return filled.count() > 0 || (ended.count() > 0 && session().snmpErr != 0); },
                           60000);
}

static QJsonObject sessionAsJson()
{
    const Session &s = session();
    QJsonArray rows;
    for (int r = 0; r < s.ifCount; ++r) {
        QJsonArray cells;
        for (const auto &column : s.ifTable)
            cells.append(column.at(size_t(r)));
        rows.append(QJsonObject{{"ifIndex", s.ifIndexList.at(size_t(r))}, {"cells", cells}});
    }
    return QJsonObject{{"sysName", s.devSysName}, {"vendor", s.devVendor}, {"osType", s.devOsType},
                       {"devClass", s.devClass},  {"ifCount", s.ifCount},  {"rows", rows}};
}

class TestProbe final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CTarget::setDefaultTimeout(30); }

    void deviceTables_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("communities");
        const QStringList pub{"public"};
        QTest::newRow("ios-l3") << "ios-l3" << Lab::IosL3 << QStringList{"wrong", "public"};
        QTest::newRow("catos") << "catos" << Lab::CatOs << pub;
        QTest::newRow("huawei") << "huawei" << Lab::Huawei << pub;
        QTest::newRow("router") << "router" << Lab::Router << pub;
        QTest::newRow("l2") << "l2" << Lab::Layer2 << pub;
        QTest::newRow("empty") << "empty" << Lab::Empty << pub;
        QTest::newRow("second") << "second" << Lab::Second << QStringList{"public", "s3cret"};
        QTest::newRow("gappy") << "gappy" << Lab::Gappy << pub;
        QTest::newRow("noservices") << "noservices" << Lab::NoServices << pub;
        QTest::newRow("badservices") << "badservices" << Lab::BadServices << pub;
        QTest::newRow("cisco-novlan") << "cisco-novlan" << Lab::CiscoNoVlan << pub;
        QTest::newRow("badindex") << "badindex" << Lab::BadIndex << pub;
    }
    void deviceTables()
    {
        QFETCH(QString, device);
        QFETCH(QString, address);
        QFETCH(QStringList, communities);
        const QJsonObject expected = Lab::expected(device);
        QVERIFY2(!expected.isEmpty(), "expected table missing");
        QVERIFY(connectTo(address, communities));
        if (expected.value("snmpErrNonZero").toBool()) {
            QVERIFY(session().snmpErr != 0);
            QVERIFY(!session().ifTableFilled);
            QCOMPARE(session().ifTable.size(), size_t(11));
            return;
        }
        QCOMPARE(session().snmpErr.load(), 0);
        QVERIFY(session().ifTableFilled);
        const QJsonObject actual = sessionAsJson();
        for (const char *key : {"sysName", "vendor", "osType", "devClass", "ifCount"})
            QCOMPARE(actual.value(key), expected.value(key));
        const QJsonArray rows = actual.value("rows").toArray();
        const QJsonArray want = expected.value("rows").toArray();
        QCOMPARE(rows.size(), want.size());
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(rows[r].toObject(), want[r].toObject());
        // The spare column is always there and always empty.
        QCOMPARE(session().ifTable.size(), size_t(11));
    }

    void v2cGivesTheSameTable()
    {
        QVERIFY(connectTo(Lab::IosL3, {"public"}, true));
        QCOMPARE(session().snmpErr.load(), 0);
        const QJsonArray rows = sessionAsJson().value("rows").toArray();
        QCOMPARE(rows, Lab::expected("ios-l3").value("rows").toArray());
    }

    void bigDeviceShowsEveryRow()
    {
        QVERIFY(connectTo(Lab::Big, {"public"}));
        const Session &s = session();
        QCOMPARE(s.ifCount, 1200);
        for (int r = 0; r < 1200; ++r) {
            QCOMPARE(s.ifTable[0][size_t(r)], QStringLiteral("Port%1").arg(r + 1));
            QVERIFY(!s.ifTable[1][size_t(r)].isEmpty());
            QVERIFY(!s.ifTable[3][size_t(r)].isEmpty());
            QVERIFY(!s.ifTable[4][size_t(r)].isEmpty());
            QVERIFY(!s.ifTable[6][size_t(r)].isEmpty());
        }
    }

    void communitiesAreTriedInOrder()
    {
        UdpRelay relay(QHostAddress("127.0.0.52"), 161, QHostAddress(Lab::Second), 161);
        QVERIFY(relay.startAndWait());
        QVERIFY(connectTo("127.0.0.52", {"public", "s3cret"}));
        QCOMPARE(session().snmpErr.load(), 0);
        QCOMPARE(session().mgmtTarget.get_readcommunity(), std::string("s3cret"));
        QCOMPARE(session().mgmtTarget.get_writecommunity(), std::string("s3cret"));

        // One GET with the first community (sent again by the retries),
        // then everything with the second.
        std::set<qint64> publicIds;
        const auto requests = relay.requests();
        size_t i = 0;
        while (i < requests.size() && requests[i].community == "public")
            publicIds.insert(requests[i++].requestId);
        QCOMPARE(int(publicIds.size()), 1);
        QCOMPARE(requests[0].pduType, 0xA0); // GET of sysName.0
        QVERIFY(i < requests.size());
        for (; i < requests.size(); ++i)
            QCOMPARE(requests[i].community, QByteArray("s3cret"));
    }

    void allCommunitiesWrong()
    {
        QVERIFY(connectTo(Lab::IosL3, {"wrong1", "wrong2"}));
        QCOMPARE(session().snmpErr.load(), int(SNMP_CLASS_TIMEOUT));
        QVERIFY(!session().connection->fillersStarted);
        QCOMPARE(session().ifCount, 0);
        QCOMPARE(session().ifTable.size(), size_t(11));
    }

    void silentDeviceFails()
    {
        QVERIFY(connectTo(Lab::Silent, {"public"}));
        QVERIFY(session().snmpErr != 0);
    }

    void chosenVendorDoesNotSteerTheProbe()
    {
        QVERIFY(connectTo(Lab::Layer2, {"public"}, false, false));
        QCOMPARE(session().devVendor, QString());
    }

    void tableFilledExactlyOnce()
    {
        auto connection = std::make_shared<Connection>();
        connection->fillPending = 7;
        connection->ifTable = emptyIfTable(0);
        session().resetForConnection();
        session().connection = connection;
        QSignalSpy filled(&ConnectionEvents::instance(), &ConnectionEvents::tableFilled);
        QSignalSpy steps(&ConnectionEvents::instance(), &ConnectionEvents::progressStep);
        for (int i = 0; i < 6; ++i)
            FillerTerminated(connection);
        QVERIFY(!session().ifTableFilled);
        QCOMPARE(filled.count(), 0);
        FillerTerminated(connection);
        QVERIFY(session().ifTableFilled);
        QCOMPARE(filled.count(), 1);
        FillerTerminated(connection); // a stray notice changes nothing
        QCOMPARE(filled.count(), 1);
        QCOMPARE(steps.count(), 8);
    }

    void olderConnectionNeverLandsInANewerOne()
    {
        // Start the slow big device, then at once the router: the router's
        // table is what the session shows, before and after the big
        // device's workers finish.
        ConnectRequest first;
        first.address = Lab::Big;
        first.communities = {"public"};
        QCOMPARE(ConnectAction::begin(first), ConnectCheck::Ready);
        QCOMPARE(ConnectAction::launch(ConnectAction::parseAddress(first.address), first.communities),
                 ConnectOutcome::Started);
        const std::shared_ptr<Connection> older = session().connection;

        QSignalSpy filled(&ConnectionEvents::instance(), &ConnectionEvents::tableFilled);
        QVERIFY(connectTo(Lab::Router, {"public"}));
        QVERIFY(QTest::qWaitFor([&] { return older->ifTableFilled.load(); }, 60000));
        QTest::qWait(50);
        QCOMPARE(filled.count(), 1);
        QCOMPARE(session().devSysName, Lab::expected("router").value("sysName").toString());
        QCOMPARE(session().ifCount, Lab::expected("router").value("ifCount").toInt());
        QCOMPARE(older->ifCount, 1200);
    }
};

QTEST_GUILESS_MAIN(TestProbe)
#include "test_probe.moc"

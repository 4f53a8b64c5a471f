// The shared session state: its start values and the connect action's
// reset and validation, which run before any device is read.
#include "connect/connectaction.h"
#include "core/session.h"

#include <QTest>

class TestSession final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsEmpty()
    {
        const Session &s = session();
        QVERIFY(s.devVendor.isEmpty() && s.mgmtIp.isEmpty() && s.devSysName.isEmpty());
        QVERIFY(s.devOsType.isEmpty() && s.ifTableFile.isEmpty() && s.telnetIp.isEmpty());
        QCOMPARE(s.devClass + s.snmpVer + s.ifCount + s.snmpErr + s.ifSearchRow + s.ifSearchCol, 0);
        QVERIFY(!s.ifTableFilled && !s.confFetching && !s.showNbr);
        QVERIFY(!s.mgmtAddr.valid());
        QVERIFY(s.ifTable.empty() && s.communityList.isEmpty() && s.nbrIfIndexes.empty());
        QVERIFY(!s.activeIfTable && !s.ifTableForm && !s.configFrm && !s.activeConfigFrm);
        QVERIFY(!s.connection);
    }

    void validation_data()
    {
        QTest::addColumn<QStringList>("communities");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("check");
        QTest::newRow("empty list") << QStringList{} << "127.0.0.11" << int(ConnectCheck::EmptyCommunityList);
        QTest::newRow("empty list and address") << QStringList{} << "" << int(ConnectCheck::EmptyCommunityList);
        QTest::newRow("empty address") << QStringList{"public"} << "" << int(ConnectCheck::EmptyAddress);
        QTest::newRow("ready") << QStringList{"public"} << "127.0.0.11" << int(ConnectCheck::Ready);
    }
    void validation()
    {
        QFETCH(QStringList, communities);
        QFETCH(QString, address);
        QFETCH(int, check);
        Session &s = session();
        // Values a reset must clear, and values it must keep.
        s.snmpErr = 5;
        s.ifTableFilled = true;
        s.confFetching = true;
        s.ifTable = emptyIfTable(3);
        s.nbrIfIndexes = {1, 2};
        s.communityList = {"old"};
        s.ifCount = 3;
        s.devSysName = "kept";
        s.mgmtIp = "127.0.0.1";

        ConnectRequest request;
        request.communities = communities;
        request.address = address;
        request.generalVendor = false;
        request.versionOne = false;
        request.showNeighbours = true;
        QCOMPARE(int(ConnectAction::begin(request)), check);

        QCOMPARE(s.snmpErr.load(), 0);
        QVERIFY(!s.ifTableFilled && !s.confFetching);
        QVERIFY(s.ifTable.empty() && s.nbrIfIndexes.empty() && s.communityList.isEmpty());
        QCOMPARE(s.ifCount, 3);
        QCOMPARE(s.devSysName, QString("kept"));
        QCOMPARE(s.devVendor, QString("Cisco"));
        QCOMPARE(s.snmpVer, 2);
        QVERIFY(s.showNbr);
        // An empty address field leaves the previous address.
        QCOMPARE(s.mgmtIp, address.isEmpty() ? QString("127.0.0.1") : address);
    }

    void invalidAddressStartsNothing()
    {
        ConnectRequest request;
        request.communities = {"public"};
        request.address = "127.0.0.300";
        QCOMPARE(ConnectAction::begin(request), ConnectCheck::Ready);
        QVERIFY(!ConnectAction::needsLookup(request.address));
        QCOMPARE(ConnectAction::launch(ConnectAction::parseAddress(request.address), request.communities),
                 ConnectOutcome::InvalidAddress);
        QCOMPARE(session().snmpErr.load(), 100);
        QVERIFY(session().ifTable.empty());
        QVERIFY(session().communityList.isEmpty());
        QVERIFY(!session().connection);
    }

    void teardownEmptiesTheArrays()
    {
        Session &s = session();
        s.ifTable = emptyIfTable(2);
        s.nbrIfIndexes = {4};
        s.communityList = {"public"};
        s.teardown();
        QVERIFY(s.ifTable.empty() && s.nbrIfIndexes.empty() && s.communityList.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"

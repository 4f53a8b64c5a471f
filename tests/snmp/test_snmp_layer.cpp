// The SNMP layer against simulated devices: GET and GETNEXT statuses in
// both versions, where walks stop, a device that stops answering, and many
// workers at once.
#include "support/labdevices.h"
#include "support/udprelay.h"

#include "snmp/deviceoids.h"
#include "snmp/snmp.h"
#include "snmp/snmpengine.h"
#include "snmp/snmpwalk.h"

#include <QTest>

#include <thread>

static CTarget targetFor(const char *address, snmp_version version = version1,
                         const char *community = "public", uint16_t port = 161)
{
    CTarget target;
    UdpAddress peer{std::string(address)};
    peer.set_port(port);
    target.set_address(peer);
    target.set_version(version);
    target.set_retry(1);
    target.set_readcommunity(community);
    target.set_writecommunity(community);
    return target;
}

// The product's timing: a loaded simulator may take longer than the short
// time-out of the other cases.
static CTarget patientTarget(const char *address)
{
    CTarget target = targetFor(address);
    target.set_timeout(100);
    target.set_retry(3);
    return target;
}

static std::vector<std::string> walkValues(Snmp &snmp, const CTarget &target, const char *start,
                                           int *status = nullptr)
{
    std::vector<std::string> values;
    const int s = walkSubtree(snmp, target, Oid(start), [&values](const Vb &vb) {
        values.push_back(vb.get_printable_value());
        return true;
    });
    if (status)
        *status = s;
    return values;
}

class TestSnmpLayer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CTarget::setDefaultTimeout(30); }

    void getInBothVersions_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("v1") << int(version1);
        QTest::newRow("v2c") << int(version2c);
    }
    void getInBothVersions()
    {
        QFETCH(int, version);
        int status = -1;
        Snmp snmp(status);
        QCOMPARE(status, 0);
        const CTarget target = targetFor(Lab::IosL3, snmp_version(version));
        QCOMPARE(getText(snmp, target, Oid(DeviceOid::SysName), &status), std::string("tx-core-01"));
        QCOMPARE(status, 0);

        // A missing object fails in both versions: v1 answers noSuchName,
        // v2c an exception value that the layer turns into the same status.
        const std::string missing =
            getText(snmp, targetFor(Lab::Router, snmp_version(version)),
                    Oid(DeviceOid::Dot1dBaseBridgeAddress), &status);
        QCOMPARE(status, int(SNMP_ERROR_NO_SUCH_NAME));
        QCOMPARE(missing, std::string());
    }

    void failedRequestLeavesPduAlone()
    {
        int status = -1;
        Snmp snmp(status);
        Pdu pdu;
        preparePdu(pdu, Oid(DeviceOid::IfIndex));
        QCOMPARE(snmp.get_next(pdu, targetFor(Lab::IosL3, version1, "wrong")), int(SNMP_CLASS_TIMEOUT));
        Vb vb;
        QVERIFY(pdu.get_vb(vb, 0));
        QCOMPARE(vb.oid(), Oid(DeviceOid::IfIndex));
    }

    void walkBounds()
    {
        int status = -1;
        Snmp snmp(status);
        SnmpEngine &engine = SnmpEngine::instance();

        // An empty table costs exactly one GETNEXT.
        long before = engine.requestsSent();
        QVERIFY(walkValues(snmp, targetFor(Lab::Empty), DeviceOid::IfIndex).empty());
        QCOMPARE(engine.requestsSent() - before, 1L);

        // The walk stops at the first instance of the next column, the
        // immediate lexical successor of its last row.
        before = engine.requestsSent();
        const auto indexes = walkValues(snmp, targetFor(Lab::IosL3), DeviceOid::IfIndex);
        QCOMPARE(int(indexes.size()), 13);
        QCOMPARE(indexes.front(), std::string("1"));
        QCOMPARE(engine.requestsSent() - before, 14L);

        // v2c: the end of the agent's view (endOfMibView) ends a walk too.
        const auto tail = walkValues(snmp, targetFor(Lab::IosL3, version2c), "1.3.6.1.6.3.999", &status);
        QVERIFY(tail.empty());
    }

    void v2cRequestsCarryVersionAndCommunity()
    {
        UdpRelay relay(QHostAddress("127.0.0.51"), 161, QHostAddress(Lab::IosL3), 161);
        QVERIFY(relay.startAndWait());
        int status = -1;
        Snmp snmp(status);
        const CTarget target = targetFor("127.0.0.51", version2c, "public");
        QCOMPARE(int(walkValues(snmp, target, DeviceOid::IfIndex).size()), 13);
        QCOMPARE(getText(snmp, target, Oid(DeviceOid::SysName)), std::string("tx-core-01"));
        const auto requests = relay.requests();
        QCOMPARE(int(requests.size()), 15);
        for (const auto &request : requests) {
            QCOMPARE(request.version, 1); // SNMPv2c on the wire
            QCOMPARE(request.community, QByteArray("public"));
        }
    }

    void walkEndsWhenDeviceStopsAnswering()
    {
        UdpRelay relay(QHostAddress("127.0.0.51"), 161, QHostAddress(Lab::IosL3), 161);
        QVERIFY(relay.startAndWait());
        relay.setForwardLimit(5);
        int status = -1;
        Snmp snmp(status);
        const auto rows = walkValues(snmp, targetFor("127.0.0.51"), DeviceOid::IfIndex, &status);
        QCOMPARE(status, int(SNMP_CLASS_TIMEOUT));
        QCOMPARE(int(rows.size()), 5);
    }

    void pipelinedGetNextsAnswerInOrder()
    {
        // Starts before each of the 1200 ifName entries: the answers come
        // back in the order of the starts, equal to a plain walk.
        int status = -1;
        Snmp snmp(status);
        const CTarget target = patientTarget(Lab::Big);
        const Oid column(DeviceOid::IfName);
        std::vector<Oid> starts{column};
        std::vector<std::string> walked;
        walkSubtree(snmp, target, column, [&](const Vb &vb) {
            walked.push_back(vb.get_printable_value());
            starts.push_back(vb.oid());
            return true;
        });
        starts.pop_back();
        std::vector<std::string> pipelined;
        QCOMPARE(getNextEach(snmp, target, starts, 8,
                             [&](size_t index, const Vb &vb) {
                                 if (index != pipelined.size())
                                     return false;
                                 pipelined.push_back(vb.get_printable_value());
                                 return true;
                             }),
                 int(SNMP_CLASS_SUCCESS));
        QCOMPARE(int(walked.size()), 1200);
        QCOMPARE(pipelined, walked);

        // The callback can stop early.
        int calls = 0;
        QCOMPARE(getNextEach(snmp, target, starts, 8, [&](size_t, const Vb &) { return ++calls < 3; }),
                 int(SNMP_CLASS_SUCCESS));
        QCOMPARE(calls, 3);
    }

    void pipelineEndsAtTheFirstFailure()
    {
        UdpRelay relay(QHostAddress("127.0.0.51"), 161, QHostAddress(Lab::IosL3), 161);
        QVERIFY(relay.startAndWait());
        relay.setForwardLimit(5);
        int status = -1;
        Snmp snmp(status);
        const std::vector<Oid> starts(12, Oid(DeviceOid::IfIndex));
        std::vector<size_t> answered;
        status = getNextEach(snmp, targetFor("127.0.0.51"), starts, 4, [&](size_t index, const Vb &) {
            answered.push_back(index);
            return true;
        });
        QCOMPARE(status, int(SNMP_CLASS_TIMEOUT));
        QCOMPARE(answered, (std::vector<size_t>{0, 1, 2, 3, 4}));
        // Never more than the window in flight: 5 answered, then at most 4
        // unanswered requests, each sent again once by the retry.
        QVERIFY(relay.requests().size() <= 5 + 4 * 2);
    }

    void eightWorkersAtOnce()
    {
        // Eight sessions walk at the same time, as a probe and seven fillers
        // do; each must see exactly its own device's answers.
        const char *devices[] = {Lab::Big,    Lab::IosL3, Lab::Huawei, Lab::Router,
                                 Lab::Layer2, Lab::Big,   Lab::CatOs,  Lab::Gappy};
        std::vector<std::vector<std::string>> sequential, parallel(8);
        for (const char *device : devices) {
            int status = -1;
            Snmp snmp(status);
            sequential.push_back(walkValues(snmp, patientTarget(device), DeviceOid::IfName));
        }
        std::vector<std::thread> workers;
        for (int i = 0; i < 8; ++i) {
            workers.emplace_back([i, &devices, &parallel] {
                int status = -1;
                Snmp snmp(status);
                parallel[size_t(i)] = walkValues(snmp, patientTarget(devices[i]), DeviceOid::IfName);
            });
        }
        for (auto &worker : workers)
            worker.join();
        QCOMPARE(int(sequential[0].size()), 1200);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(parallel[size_t(i)], sequential[size_t(i)]);
    }
};

QTEST_GUILESS_MAIN(TestSnmpLayer)
#include "test_snmp_layer.moc"

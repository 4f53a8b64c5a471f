// tnm-table end to end: the program run as a user would, its JSON and
// its exit code.
#include "support/labdevices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

struct Run
{
    int exitCode = -1;
    QJsonObject json;
};

static Run runTool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral(TNM_BIN_DIR "/tnm-table"), args);
    Run run;
    if (!tool.waitForFinished(120000))
        return run;
    run.exitCode = tool.exitCode();
    run.json = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    return run;
}

class TestTnmTable final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deviceTables_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("device");
        QTest::newRow("ios switch, first community wrong")
            << QStringList{"-c", "wrong", "-c", "public", Lab::IosL3} << "ios-l3";
        QTest::newRow("router over v2c") << QStringList{"-v2c", "-c", "public", Lab::Router} << "router";
    }
    void deviceTables()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, device);
        const Run run = runTool(args);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject expected = Lab::expected(device);
        QCOMPARE(run.json.value("snmpErr").toInt(-1), 0);
        for (const char *key : {"sysName", "vendor", "osType", "devClass", "ifCount", "rows"})
            QCOMPARE(run.json.value(key), expected.value(key));
        QVERIFY(run.json.value("elapsedMs").toInt(-1) >= 0);
    }

    void routerHasNoVlanColumn()
    {
        const Run run = runTool({"-c", "public", Lab::Router});
        QCOMPARE(run.json.value("devClass").toInt(), 2);
        const QJsonArray rows = run.json.value("rows").toArray();
        QVERIFY(!rows.isEmpty());
        for (const QJsonValue &row : rows)
            QCOMPARE(row.toObject().value("cells").toArray().at(6).toString(), QString());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("snmpErr"); // 1 stands for "any non-zero"
        QTest::newRow("silent device, product time-outs") << QStringList{"-c", "public", Lab::Silent} << 1 << -5;
        QTest::newRow("invalid address") << QStringList{"-c", "public", "127.0.0.300"} << 1 << 100;
        QTest::newRow("sysServices unreadable") << QStringList{"-c", "public", Lab::NoServices} << 1 << 1;
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(int, snmpErr);
        const Run run = runTool(args);
        QCOMPARE(run.exitCode, exitCode);
        if (snmpErr == 1)
            QVERIFY(run.json.value("snmpErr").toInt(0) != 0);
        else
            QCOMPARE(run.json.value("snmpErr").toInt(0), snmpErr);
        QCOMPARE(run.json.value("rows").toArray().size(), 0);
    }

    void badUsage()
    {
        QCOMPARE(runTool({}).exitCode, 2);
        QCOMPARE(runTool({"127.0.0.11"}).exitCode, 2);
        QCOMPARE(runTool({"-c", "public"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestTnmTable)
#include "test_tnm_table.moc"

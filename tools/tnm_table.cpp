// tnm-table: runs the connection road of the connect dialog without a
// window and prints the interface table as one JSON object.
#include "connect/connectaction.h"
#include "core/session.h"
#include "snmp/connectionevents.h"
#include "snmp/ctarget.h"
#include "snmp/snmpengine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

static const char usage[] =
    "usage: tnm-table [-v1|-v2c] -c COMMUNITY [-c COMMUNITY ...] ADDRESS\n"
    "Reads the interface table of the device at ADDRESS over SNMP (v1 by default),\n"
    "trying the communities in order, and prints it as JSON on standard output.\n"
    "Exit code 0 when the device answered, 1 when it did not, 2 for bad usage.\n";

static QJsonObject tableJson(qint64 elapsedMs)
{
    const Session &s = session();
    QJsonArray rows;
    for (int r = 0; r < s.ifCount && !s.ifTable.empty(); ++r) {
        QJsonArray cells;
        for (const auto &column : s.ifTable)
            cells.append(size_t(r) < column.size() ? column[size_t(r)] : QString());
        rows.append(QJsonObject{{"ifIndex", s.ifIndexList[size_t(r)]}, {"cells", cells}});
    }
    const bool ok = s.snmpErr == 0;
    return QJsonObject{
        {"snmpErr", s.snmpErr.load()},
        {"sysName", ok ? s.devSysName : QString()},
        {"vendor", ok ? s.devVendor : QString()},
        {"osType", ok ? s.devOsType : QString()},
        {"devClass", ok ? s.devClass : 0},
        {"ifCount", ok ? s.ifCount : 0},
        {"rows", rows},
        {"elapsedMs", elapsedMs},
    };
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    ConnectRequest request;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("-v1")) {
            request.versionOne = true;
        } else if (arg == QLatin1String("-v2c")) {
            request.versionOne = false;
        } else if (arg == QLatin1String("-c") && i + 1 < args.size()) {
            request.communities << args[++i];
        } else if (arg == QLatin1String("--timeout") && i + 1 < args.size()) {
            // Hundredths of a second per try; for tests only.
            CTarget::setDefaultTimeout(args[++i].toULong());
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            std::fputs(usage, stdout);
            return 0;
        } else if (!arg.startsWith(QLatin1Char('-')) && request.address.isEmpty()) {
            request.address = arg;
        } else {
            std::fputs(usage, stderr);
            return 2;
        }
    }
    if (request.communities.isEmpty() || request.address.isEmpty()) {
        std::fputs(usage, stderr);
        return 2;
    }

    SnmpEngine::instance();
    QElapsedTimer clock;
    clock.start();
    auto finish = [&clock] {
        const QJsonObject json = tableJson(clock.elapsed());
        std::fputs(QJsonDocument(json).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputs("\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(json.value("snmpErr").toInt() == 0 ? 0 : 1);
    };

    ConnectAction::begin(request);
    const UdpAddress address = ConnectAction::parseAddress(session().mgmtIp);
    if (ConnectAction::launch(address, request.communities) != ConnectOutcome::Started) {
        finish();
        return session().snmpErr == 0 ? 0 : 1;
    }
    ConnectionEvents &events = ConnectionEvents::instance();
    QObject::connect(&events, &ConnectionEvents::tableFilled, &app, finish);
    QObject::connect(&events, &ConnectionEvents::probeEnded, &app, [finish] {
        if (session().snmpErr != 0)
            finish();
    });
    return app.exec();
}

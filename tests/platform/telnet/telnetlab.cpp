#include "platform/telnet/telnetlab.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <signal.h>
#include <sys/prctl.h>

namespace {

const QString kInetd = QStringLiteral("/usr/sbin/inetutils-inetd");
const QString kTelnetd = QStringLiteral("/usr/sbin/telnetd");
const QString kDeviceScript = QStringLiteral(TNM_SOURCE_DIR "/tests/platform/telnet/lab-device.sh");

} // namespace

TelnetLab::TelnetLab(QList<Device> devices)
    : m_devices(std::move(devices))
{
}

TelnetLab::~TelnetLab()
{
    stop();
}

bool TelnetLab::start(QString *error)
{
    for (const QString &program : {kInetd, kTelnetd}) {
        if (!QFileInfo(program).isExecutable()) {
            *error = program + QStringLiteral(" is missing: install the packages in tools/deps/telnet.txt");
            return false;
        }
    }
    if (!m_dir.isValid()) {
        *error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    // telnetd splits its -E command at blanks and expands '%', so the paths
    // inside it must have neither.
    for (const QString &path : {kDeviceScript, m_dir.path()}) {
        if (path.contains(QLatin1Char(' ')) || path.contains(QLatin1Char('%'))) {
            *error = QStringLiteral("path unusable in a telnetd command: ") + path;
            return false;
        }
    }

    // One service line per address: telnetd without its login, running our
    // device script, which logs to a file of that address.
    QByteArray config;
    for (const Device &device : std::as_const(m_devices)) {
        config += QStringLiteral("%1:23 stream tcp nowait root %2 telnetd -h -E \"/bin/sh %3 %4 %5\"\n")
                      .arg(device.address, kTelnetd, kDeviceScript, logPath(device.address), device.name)
                      .toUtf8();
    }
    const QString configPath = m_dir.filePath(QStringLiteral("inetd.conf"));
    QFile configFile(configPath);
    if (!configFile.open(QIODevice::WriteOnly) || configFile.write(config) != config.size()) {
        *error = QStringLiteral("cannot write ") + configPath;
        return false;
    }
    configFile.close();

    // -d keeps inetd in the foreground and reports each socket it listens on.
    m_inetd.setProgram(kInetd);
    m_inetd.setArguments({QStringLiteral("-d"), QStringLiteral("--rate=1000"),
                          QStringLiteral("--pidfile=") + m_dir.filePath(QStringLiteral("inetd.pid")),
                          configPath});
    m_inetd.setProcessChannelMode(QProcess::MergedChannels);
    // Should the test process die without cleaning up, the kernel kills inetd.
    m_inetd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_inetd.start();
    if (!m_inetd.waitForStarted(5000)) {
        *error = QStringLiteral("cannot start ") + kInetd + QStringLiteral(": ") + m_inetd.errorString();
        return false;
    }

    QByteArray output;
    const QDeadlineTimer deadline(5000);
    while (output.count("registered ") < m_devices.size()) {
        if (m_inetd.state() != QProcess::Running || deadline.hasExpired()) {
            output += m_inetd.readAll();
            *error = QStringLiteral("inetd did not listen on every address:\n") + QString::fromLocal8Bit(output);
            stop();
            return false;
        }
        m_inetd.waitForReadyRead(100);
        output += m_inetd.readAll();
    }
    return true;
}

void TelnetLab::stop()
{
    if (m_inetd.state() == QProcess::NotRunning)
        return;
    m_inetd.kill();
    m_inetd.waitForFinished(5000);
}

QStringList TelnetLab::log(const QString &address) const
{
    QFile file(logPath(address));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TelnetLab::waitForLog(const QString &address, const QString &entry,
                           std::chrono::milliseconds timeout) const
{
    return QTest::qWaitFor([&] { return log(address).contains(entry); }, int(timeout.count()));
}

void TelnetLab::clearLogs() const
{
    for (const Device &device : m_devices)
        QFile::remove(logPath(device.address));
}

QString TelnetLab::logPath(const QString &address) const
{
    return m_dir.filePath(address + QStringLiteral(".log"));
}

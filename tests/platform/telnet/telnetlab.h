#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>

// Debian's telnetd on loopback port 23, one simulated switch per address,
// for the telnet client's tests. A private inetutils-inetd listens and
// starts "telnetd -E lab-device.sh" for each connection; the script's log
// of every line it read is kept per address in a temporary folder. The
// daemon is stopped by stop(), by the destructor, and by the kernel should
// the test process die first.
class TelnetLab final
{
public:
    struct Device {
        QString address;
        QString name;
    };

    explicit TelnetLab(QList<Device> devices);
    ~TelnetLab();
    TelnetLab(const TelnetLab &) = delete;
    TelnetLab &operator=(const TelnetLab &) = delete;

    // Starts the daemon and waits until it listens on every address.
    // On failure returns false with the reason in *error.
    bool start(QString *error);
    void stop();

    // Entries the device on this address logged so far, e.g. "LINE abc".
    // Every session to the address adds to the same log.
    QStringList log(const QString &address) const;
    // Waits until the device on this address has logged the entry.
    bool waitForLog(const QString &address, const QString &entry,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // Forgets what every device logged, so a test sees only its own lines.
    void clearLogs() const;

private:
    QString logPath(const QString &address) const;

    QList<Device> m_devices;
    QTemporaryDir m_dir;
    QProcess m_inetd;
};

#pragma once

#include <QObject>

class Connection;

// Termination notices of the connection workers, delivered on the GUI
// thread. The main window steps its progress bar on progressStep; the
// connection workflow and the headless tool follow the rest.
class ConnectionEvents final : public QObject
{
    Q_OBJECT

public:
    static ConnectionEvents &instance();

Q_SIGNALS:
    // One worker of the current connection has finished.
    void progressStep();
    // The current connection's probe has ended; on failure snmpErr is set.
    void probeEnded();
    // All column fillers of the current connection have finished and the
    // session holds the filled table.
    void tableFilled();

private:
    using QObject::QObject;
};

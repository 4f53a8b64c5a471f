#pragma once

#include "core/iftable.h"
#include "snmp/ctarget.h"
#include "snmp/udpaddress.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class Connection;

// The values every part of the program shares about the managed device and
// the open windows. There is one instance for the whole run, reached
// through session(). Everything here is read and written on the GUI thread
// only: workers write into their own Connection and the GUI thread copies
// a connection's results here once that connection's phase has ended, so a
// worker of an older connection can never touch what a newer one shows.
// The values the connection timer polls are atomic all the same.
class Session final
{
public:
    // Windows (kept as QObject so that the core does not depend on widgets).
    QPointer<QObject> mainForm;
    QPointer<QObject> snmpOptForm;
    QPointer<QObject> activeIfTable;
    QPointer<QObject> ifTableForm;
    QPointer<QObject> configFrm;
    QPointer<QObject> activeConfigFrm;

    // The managed device.
    QString devVendor;
    int devClass = 0;
    int snmpVer = 0;
    QString mgmtIp;
    UdpAddress mgmtAddr;
    CTarget mgmtTarget;
    QString devSysName;
    QString devOsType;
    QString ifTableFile;
    int ifCount = 0;
    std::vector<int> ifIndexList;
    IfTableColumns ifTable;
    bool showNbr = false;
    QStringList communityList;

    // Connection progress.
    std::atomic<int> snmpErr{0};
    std::atomic<bool> ifTableFilled{false};
    std::atomic<bool> confFetching{false};

    // Neighbour discovery: the ifIndex values claimed so far.
    std::vector<int> nbrIfIndexes;

    // Interface-table search position.
    int ifSearchRow = 0;
    int ifSearchCol = 0;

    // Telnet: the address the next terminal window connects to, the
    // terminal window created most recently and the one the user works in.
    QString telnetIp;
    QPointer<QObject> telnetForm;
    QPointer<QObject> activeTelForm;

    // Configuration analysis and user keywords. The keyword tables are
    // written by the keyword dialog; the section counts and line lists
    // hold the result of the most recent highlighting pass. Colours are
    // 0xRRGGBB values; keywordColor is indexed by keyword list position
    // and grows past its first 50 entries when more keywords are added.
    QString confDocFile;
    QStringList keywordTable;
    QStringList dupKeywordTable;
    QList<int> dupKeywordLineCount;
    QList<quint32> keywordColor = QList<quint32>(50, 0);
    int lastAddedKeyword = 0;
    QList<int> keywordHits;
    QList<QStringList> dupKeywordLines;
    QList<int> iosSectionCount = QList<int>(7, 0);
    QList<int> catosSectionCount = QList<int>(14, 0);
    QList<QStringList> iosSectionLines;
    int prevCaretLine = 0;

    // The connection whose results this session shows; none before the
    // first connect action.
    std::shared_ptr<Connection> connection;

    // What a connect action does before it validates its input.
    void resetForConnection();
    // What the main window's teardown empties.
    void teardown();
};

Session &session();

#include "platform/telnet/devicesession.h"
#include "platform/telnet/rawpeer.h"
#include "platform/telnet/telnetlab.h"
#include "platform/telnet/telnetclient.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {

const QString kSwitch1 = QStringLiteral("127.0.0.40");        // LAB-SW1 behind telnetd
const QString kSwitch2 = QStringLiteral("127.0.0.41");        // LAB-SW2 behind telnetd
const QHostAddress kRawAddress{QStringLiteral("127.0.0.42")}; // RawPeer, any port
const QString kClosedAddress = QStringLiteral("127.0.0.43");  // nothing listens on 23
const QHostAddress kStalledAddress{QStringLiteral("127.0.0.44")};

// Bytes of a literal, embedded NULs included.
template <qsizetype N>
QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Telnet commands and options as they appear on the wire.
#define TN_IAC "\xff"
#define TN_DONT "\xfe"
#define TN_DO "\xfd"
#define TN_WONT "\xfc"
#define TN_WILL "\xfb"
#define TN_SB "\xfa"
#define TN_SE "\xf0"
#define TN_NOP "\xf1"
#define TN_BINARY "\x00"
#define TN_ECHO "\x01"
#define TN_SGA "\x03"
#define TN_STATUS "\x05"
#define TN_TTYPE "\x18"
#define TN_NAWS "\x1f"
#define TN_LINEMODE "\x22"
#define TN_NEW_ENVIRON "\x27"

// A client connected to a RawPeer, negotiation not yet started.
struct RawSession {
    RawPeer peer{kRawAddress};
    TelnetClient client;

    bool open()
    {
        QSignalSpy connected(&client, &TelnetClient::connected);
        client.connectToHost(kRawAddress.toString(), peer.port());
        return peer.waitForPeer() && (connected.count() == 1 || connected.wait());
    }
};

} // namespace

#define REQUIRE_LAB()                                                 \
    do {                                                              \
        if (!m_lab)                                                   \
            QSKIP("telnetd on port 23 needs root; run the test as root"); \
    } while (false)

class TestTelnetClient final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    // Against Debian's telnetd and the simulated switch.
    void bannerArrivesWithoutProtocolBytes();
    void deviceSeesDumbTerminal();
    void typedCharactersReachDeviceAsOneLine();
    void pagerAdvancesWithSpace();
    void exitOnDeviceEndsSession();
    void twoSessionsKeepTheirInputApart();

    // Against a raw TCP peer that sees the exact bytes.
    void negotiationAnswers_data();
    void negotiationAnswers();
    void outgoingBytes_data();
    void outgoingBytes();
    void incomingData_data();
    void incomingData();
    void peerCloseDeliversLastOutputFirst();
    void closingSendsQueuedBytesThenEof_data();
    void closingSendsQueuedBytesThenEof();
    void connectFailures_data();
    void connectFailures();
    void connectErrorTexts_data();
    void connectErrorTexts();
    void hostNameResolvesWithoutBlocking();

private:
    std::unique_ptr<TelnetLab> m_lab;
};

void TestTelnetClient::initTestCase()
{
    if (::geteuid() != 0)
        return;
    m_lab = std::make_unique<TelnetLab>(QList<TelnetLab::Device>{
        {kSwitch1, QStringLiteral("LAB-SW1")},
        {kSwitch2, QStringLiteral("LAB-SW2")},
    });
    QString error;
    if (!m_lab->start(&error))
        QFAIL(qPrintable(error));
}

void TestTelnetClient::init()
{
    if (m_lab)
        m_lab->clearLogs();
}

void TestTelnetClient::cleanupTestCase()
{
    m_lab.reset();
}

void TestTelnetClient::bannerArrivesWithoutProtocolBytes()
{
    REQUIRE_LAB();
    DeviceSession session;
    QSignalSpy connected(&session.client, &TelnetClient::connected);
    QVERIFY(session.open(kSwitch1));
    QCOMPARE(connected.count(), 1);
    QCOMPARE(session.client.state(), TelnetClient::State::Connected);
    // telnetd negotiates a dozen options before the banner: none of it, nor
    // any padding, may show up in the output.
    QCOMPARE(session.output,
             QByteArray("\r\nLAB-SW1 lab switch\r\nUnauthorised access is prohibited.\r\n\r\nUsername: "));
}

void TestTelnetClient::deviceSeesDumbTerminal()
{
    REQUIRE_LAB();
    DeviceSession session;
    QVERIFY(session.login(kSwitch1, "LAB-SW1>"));
    session.typeLine("show term");
    QVERIFY(session.waitFor("Terminal type: dumb\r\nLAB-SW1>"));
}

void TestTelnetClient::typedCharactersReachDeviceAsOneLine()
{
    REQUIRE_LAB();
    DeviceSession session;
    QVERIFY(session.login(kSwitch1, "LAB-SW1>"));
    session.client.sendChar('a');
    session.client.sendChar('b');
    session.client.sendChar('c');
    session.client.sendLineEnd();
    QVERIFY(m_lab->waitForLog(kSwitch1, QStringLiteral("LINE abc")));
    QCOMPARE(m_lab->log(kSwitch1), QStringList({
        QStringLiteral("START TERM=dumb"), QStringLiteral("USER admin"),
        QStringLiteral("PASSWORD secret"), QStringLiteral("LINE abc")}));
    // The device echoes what it got and answers the unknown command.
    QVERIFY(session.waitFor("LAB-SW1>abc\r\n% Invalid input: abc\r\nLAB-SW1>"));
}

void TestTelnetClient::pagerAdvancesWithSpace()
{
    REQUIRE_LAB();
    DeviceSession session;
    QVERIFY(session.login(kSwitch1, "LAB-SW1>"));
    session.typeLine("show log");
    QVERIFY(session.waitFor("log entry 20\r\n --More-- "));
    QVERIFY(!session.output.contains("log entry 21"));

    session.client.sendChar(' ');
    QVERIFY(session.waitFor("log entry 40\r\n --More-- "));
    session.client.sendChar('q');
    // The pager wipes its prompt with a bare CR, sent as CR NUL: the NUL
    // is padding and must not reach the terminal.
    QVERIFY(session.waitFor(" --More-- \r          \rLAB-SW1>"));
    QVERIFY(!session.output.contains("log entry 41"));
    QVERIFY(!session.output.contains('\0'));
    QCOMPARE(m_lab->log(kSwitch1).mid(3), QStringList({
        QStringLiteral("LINE show log"), QStringLiteral("KEY [ ]"), QStringLiteral("KEY [q]")}));
}

void TestTelnetClient::exitOnDeviceEndsSession()
{
    REQUIRE_LAB();
    DeviceSession session;
    QSignalSpy disconnected(&session.client, &TelnetClient::disconnected);
    QSignalSpy errors(&session.client, &TelnetClient::errorOccurred);
    QVERIFY(session.login(kSwitch1, "LAB-SW1>"));
    session.typeLine("exit");
    QVERIFY(disconnected.wait());
    QVERIFY(session.output.endsWith("Goodbye\r\n"));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(session.client.state(), TelnetClient::State::Unconnected);
    session.client.sendChar('x');
    session.client.sendLineEnd();

    // The same client starts afresh: nothing of the old session is left.
    session.output.clear();
    QVERIFY(session.open(kSwitch1));
    QVERIFY(session.output.startsWith("\r\nLAB-SW1 lab switch"));
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(errors.count(), 0);
}

void TestTelnetClient::twoSessionsKeepTheirInputApart()
{
    REQUIRE_LAB();
    DeviceSession first;
    DeviceSession second;
    QVERIFY(first.login(kSwitch1, "LAB-SW1>"));
    QVERIFY(second.login(kSwitch2, "LAB-SW2>"));

    // Interleave the keystrokes, as two terminals typed at once would.
    const QByteArray alpha("echo alpha");
    const QByteArray bravo("echo bravo");
    for (qsizetype i = 0; i < alpha.size(); ++i) {
        first.client.sendChar(alpha[i]);
        second.client.sendChar(bravo[i]);
    }
    first.client.sendLineEnd();
    second.client.sendLineEnd();

    QVERIFY(first.waitFor("\r\nalpha\r\nLAB-SW1>"));
    QVERIFY(second.waitFor("\r\nbravo\r\nLAB-SW2>"));
    QVERIFY(!first.output.contains("bravo") && !first.output.contains("LAB-SW2"));
    QVERIFY(!second.output.contains("alpha") && !second.output.contains("LAB-SW1"));
    QCOMPARE(m_lab->log(kSwitch1).last(), QStringLiteral("LINE echo alpha"));
    QCOMPARE(m_lab->log(kSwitch2).last(), QStringLiteral("LINE echo bravo"));
}

void TestTelnetClient::negotiationAnswers_data()
{
    QTest::addColumn<QByteArray>("serverSends");
    QTest::addColumn<QByteArray>("clientAnswers");

    QTest::newRow("DO TTYPE is accepted") << raw(TN_IAC TN_DO TN_TTYPE) << raw(TN_IAC TN_WILL TN_TTYPE);
    QTest::newRow("TTYPE SEND is answered with dumb")
        << raw(TN_IAC TN_DO TN_TTYPE TN_IAC TN_SB TN_TTYPE "\x01" TN_IAC TN_SE)
        << raw(TN_IAC TN_WILL TN_TTYPE TN_IAC TN_SB TN_TTYPE "\x00" "dumb" TN_IAC TN_SE);
    // Repeating the type tells the server there is no other to offer.
    QTest::newRow("repeated TTYPE SEND repeats dumb")
        << raw(TN_IAC TN_DO TN_TTYPE TN_IAC TN_SB TN_TTYPE "\x01" TN_IAC TN_SE TN_IAC TN_SB TN_TTYPE "\x01" TN_IAC TN_SE)
        << raw(TN_IAC TN_WILL TN_TTYPE TN_IAC TN_SB TN_TTYPE "\x00" "dumb" TN_IAC TN_SE TN_IAC TN_SB TN_TTYPE "\x00" "dumb" TN_IAC TN_SE);
    QTest::newRow("WILL ECHO is accepted") << raw(TN_IAC TN_WILL TN_ECHO) << raw(TN_IAC TN_DO TN_ECHO);
    QTest::newRow("WILL SGA is accepted") << raw(TN_IAC TN_WILL TN_SGA) << raw(TN_IAC TN_DO TN_SGA);
    QTest::newRow("DO SGA is accepted") << raw(TN_IAC TN_DO TN_SGA) << raw(TN_IAC TN_WILL TN_SGA);
    QTest::newRow("repeated WILL ECHO is answered once") << raw(TN_IAC TN_WILL TN_ECHO TN_IAC TN_WILL TN_ECHO) << raw(TN_IAC TN_DO TN_ECHO);
    QTest::newRow("WONT ECHO after WILL is acknowledged")
        << raw(TN_IAC TN_WILL TN_ECHO TN_IAC TN_WONT TN_ECHO) << raw(TN_IAC TN_DO TN_ECHO TN_IAC TN_DONT TN_ECHO);
    QTest::newRow("DO ECHO is refused") << raw(TN_IAC TN_DO TN_ECHO) << raw(TN_IAC TN_WONT TN_ECHO);
    QTest::newRow("WILL BINARY is refused") << raw(TN_IAC TN_WILL TN_BINARY) << raw(TN_IAC TN_DONT TN_BINARY);
    QTest::newRow("DO BINARY is refused") << raw(TN_IAC TN_DO TN_BINARY) << raw(TN_IAC TN_WONT TN_BINARY);
    QTest::newRow("DO NAWS is refused") << raw(TN_IAC TN_DO TN_NAWS) << raw(TN_IAC TN_WONT TN_NAWS);
    QTest::newRow("DO LINEMODE is refused") << raw(TN_IAC TN_DO TN_LINEMODE) << raw(TN_IAC TN_WONT TN_LINEMODE);
    QTest::newRow("DO NEW-ENVIRON is refused") << raw(TN_IAC TN_DO TN_NEW_ENVIRON) << raw(TN_IAC TN_WONT TN_NEW_ENVIRON);
    QTest::newRow("WILL STATUS is refused") << raw(TN_IAC TN_WILL TN_STATUS) << raw(TN_IAC TN_DONT TN_STATUS);
}

void TestTelnetClient::negotiationAnswers()
{
    QFETCH(QByteArray, serverSends);
    QFETCH(QByteArray, clientAnswers);
    RawSession session;
    QVERIFY(session.peer.isListening());
    QVERIFY(session.open());
    session.peer.send(serverSends);
    QVERIFY(session.peer.waitForBytes(clientAnswers.size()));
    // Give a surplus answer time to arrive: it would be a fault too.
    QTest::qWait(50);
    QCOMPARE(session.peer.received(), clientAnswers);
}

void TestTelnetClient::outgoingBytes_data()
{
    QTest::addColumn<QByteArray>("chars");
    QTest::addColumn<bool>("lineEnd");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("plain characters") << QByteArray("show") << false << QByteArray("show");
    QTest::newRow("line end is CR LF") << QByteArray() << true << raw("\r\n");
    QTest::newRow("typed line") << QByteArray("abc") << true << raw("abc\r\n");
    QTest::newRow("lone CR is CR NUL") << raw("\r") << false << raw("\r\0");
    QTest::newRow("LF alone stays LF") << raw("\n") << false << raw("\n");
    QTest::newRow("IAC is doubled") << raw("a" TN_IAC "b") << false << raw("a" TN_IAC TN_IAC "b");
    QTest::newRow("control characters pass") << raw("\x03\x1a\t") << false << raw("\x03\x1a\t");
}

void TestTelnetClient::outgoingBytes()
{
    QFETCH(QByteArray, chars);
    QFETCH(bool, lineEnd);
    QFETCH(QByteArray, wire);
    RawSession session;
    QVERIFY(session.open());
    for (char c : std::as_const(chars))
        session.client.sendChar(c);
    if (lineEnd)
        session.client.sendLineEnd();
    QVERIFY(session.peer.waitForBytes(wire.size()));
    QTest::qWait(50);
    QCOMPARE(session.peer.received(), wire);
}

void TestTelnetClient::incomingData_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArray>("delivered");

    QTest::newRow("CR LF is kept") << QByteArrayList{raw("a\r\nb")} << raw("a\r\nb");
    QTest::newRow("CR NUL is a bare CR") << QByteArrayList{raw("x\r\0y")} << raw("x\ry");
    QTest::newRow("CR NUL split between reads") << QByteArrayList{raw("x\r"), raw("\0y")} << raw("x\ry");
    QTest::newRow("NUL elsewhere is kept") << QByteArrayList{raw("x\0y")} << raw("x\0y");
    QTest::newRow("IAC IAC is one 0xFF byte") << QByteArrayList{raw("a" TN_IAC TN_IAC "b")} << raw("a" TN_IAC "b");
    QTest::newRow("negotiation inside text is removed")
        << QByteArrayList{raw("ab" TN_IAC TN_WILL TN_ECHO "cd")} << raw("abcd");
    QTest::newRow("subnegotiation inside text is removed")
        << QByteArrayList{raw("a" TN_IAC TN_SB TN_TTYPE "\x01" TN_IAC TN_SE "b")} << raw("ab");
    QTest::newRow("command inside text is removed") << QByteArrayList{raw("a" TN_IAC TN_NOP "b")} << raw("ab");
    QTest::newRow("command split between reads")
        << QByteArrayList{raw("a" TN_IAC), raw(TN_WILL TN_ECHO "b")} << raw("ab");
}

void TestTelnetClient::incomingData()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArray, delivered);
    RawSession session;
    QByteArray output;
    connect(&session.client, &TelnetClient::dataReceived, this,
            [&output](const QByteArray &data) { output += data; });
    QVERIFY(session.open());
    for (const QByteArray &chunk : std::as_const(chunks)) {
        session.peer.send(chunk);
        // Let the client read each chunk on its own.
        QTest::qWait(30);
    }
    QTRY_COMPARE(output, delivered);
}

void TestTelnetClient::peerCloseDeliversLastOutputFirst()
{
    RawSession session;
    QStringList events;
    connect(&session.client, &TelnetClient::dataReceived, this,
            [&events](const QByteArray &data) { events << QString::fromLatin1(data); });
    connect(&session.client, &TelnetClient::disconnected, this,
            [&events] { events << QStringLiteral("disconnected"); });
    connect(&session.client, &TelnetClient::errorOccurred, this,
            [&events](const QString &message) { events << message; });
    QVERIFY(session.open());
    session.peer.send("Goodbye\r\n");
    session.peer.closePeer();
    QTRY_COMPARE(events, QStringList({QStringLiteral("Goodbye\r\n"), QStringLiteral("disconnected")}));
    QCOMPARE(session.client.state(), TelnetClient::State::Unconnected);
}

void TestTelnetClient::closingSendsQueuedBytesThenEof_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("client destroyed") << true;
    QTest::newRow("disconnectFromHost") << false;
}

void TestTelnetClient::closingSendsQueuedBytesThenEof()
{
    QFETCH(bool, destroy);
    RawPeer peer(kRawAddress);
    auto client = std::make_unique<TelnetClient>();
    QSignalSpy connected(client.get(), &TelnetClient::connected);
    QSignalSpy disconnected(client.get(), &TelnetClient::disconnected);
    QSignalSpy errors(client.get(), &TelnetClient::errorOccurred);
    client->connectToHost(kRawAddress.toString(), peer.port());
    QVERIFY(connected.wait());

    client->sendChar('y');
    client->sendLineEnd();
    if (destroy) {
        client.reset();
    } else {
        client->disconnectFromHost();
        QCOMPARE(client->state(), TelnetClient::State::Unconnected);
    }
    QVERIFY(peer.waitForEof());
    QCOMPARE(peer.received(), raw("y\r\n"));
    if (!destroy) {
        // Closing on request is no news to report.
        QTest::qWait(50);
        QCOMPARE(disconnected.count(), 0);
        QCOMPARE(errors.count(), 0);
    }
}

void TestTelnetClient::connectFailures_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("stalled");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QString>("message");

    QTest::newRow("refused") << kClosedAddress << false << 15000
                             << QStringLiteral("Connection refused: 127.0.0.43");
    // Qt rejects the empty label before asking any resolver, so this lookup
    // stays on the machine.
    QTest::newRow("name not found") << QStringLiteral("no..such..host") << false << 15000
                                    << QStringLiteral("Host not found: no..such..host");
    QTest::newRow("no answer") << kStalledAddress.toString() << true << 300
                               << QStringLiteral("Connection timed out: 127.0.0.44");
}

void TestTelnetClient::connectFailures()
{
    QFETCH(QString, host);
    QFETCH(bool, stalled);
    QFETCH(int, timeoutMs);
    QFETCH(QString, message);

    // A listener whose one-place accept queue is taken: the kernel drops
    // further handshakes, so a connect there waits for the timeout.
    QTcpServer listener;
    QTcpSocket filler;
    quint16 port = TelnetClient::DefaultPort;
    if (stalled) {
        listener.setListenBacklogSize(0);
        QVERIFY(listener.listen(kStalledAddress, 0));
        listener.pauseAccepting();
        filler.connectToHost(kStalledAddress, listener.serverPort());
        QVERIFY(filler.waitForConnected(2000));
        port = listener.serverPort();
    }

    TelnetClient client;
    client.setConnectTimeout(std::chrono::milliseconds(timeoutMs));
    QSignalSpy connected(&client, &TelnetClient::connected);
    QSignalSpy disconnected(&client, &TelnetClient::disconnected);
    QSignalSpy errors(&client, &TelnetClient::errorOccurred);
    client.connectToHost(host, port);
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(), message);
    QCOMPARE(client.state(), TelnetClient::State::Unconnected);
    QTest::qWait(50);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(connected.count(), 0);
    QCOMPARE(disconnected.count(), 0);
}

void TestTelnetClient::connectErrorTexts_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");

    // The failures loopback cannot produce on demand are checked here.
    QTest::newRow("refused") << int(QAbstractSocket::ConnectionRefusedError)
                             << QStringLiteral("Connection refused: 10.9.9.9");
    QTest::newRow("unreachable") << int(QAbstractSocket::NetworkError)
                                 << QStringLiteral("Host unreachable: 10.9.9.9");
    QTest::newRow("timed out") << int(QAbstractSocket::SocketTimeoutError)
                               << QStringLiteral("Connection timed out: 10.9.9.9");
    QTest::newRow("not found") << int(QAbstractSocket::HostNotFoundError)
                               << QStringLiteral("Host not found: 10.9.9.9");
    QTest::newRow("other error keeps the socket's text")
        << int(QAbstractSocket::SocketAccessError) << QStringLiteral("Cannot connect to 10.9.9.9: detail");
}

void TestTelnetClient::connectErrorTexts()
{
    QFETCH(int, error);
    QFETCH(QString, message);
    QCOMPARE(TelnetClient::connectErrorText(QAbstractSocket::SocketError(error), QStringLiteral("10.9.9.9"),
                                            QStringLiteral("detail")),
             message);
}

void TestTelnetClient::hostNameResolvesWithoutBlocking()
{
    // Only /etc/hosts may answer: a name needing DNS would leave the machine.
    QFile hosts(QStringLiteral("/etc/hosts"));
    const QRegularExpression localhostEntry(QStringLiteral("^127\\.0\\.0\\.1\\s.*\\blocalhost\\b"),
                                            QRegularExpression::MultilineOption);
    if (!hosts.open(QIODevice::ReadOnly) || !localhostEntry.match(QString::fromLatin1(hosts.readAll())).hasMatch())
        QSKIP("/etc/hosts does not name localhost");

    RawPeer peer{QHostAddress(QHostAddress::LocalHost)};
    QVERIFY(peer.isListening());
    TelnetClient client;
    QSignalSpy connected(&client, &TelnetClient::connected);
    client.connectToHost(QStringLiteral("localhost"), peer.port());
    // The lookup runs elsewhere: the call returns before it is done.
    QCOMPARE(client.state(), TelnetClient::State::Connecting);
    QCOMPARE(connected.count(), 0);
    QVERIFY(connected.wait());
    QVERIFY(peer.waitForPeer());
    QCOMPARE(client.host(), QStringLiteral("localhost"));
}

QTEST_GUILESS_MAIN(TestTelnetClient)
#include "test_telnet_client.moc"

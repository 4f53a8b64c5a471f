// The terminal's working part without a window: what addresses mean, the
// key rules as bytes on the wire, the pause after a sent line and the
// decoding of the device's output.
#include "platform/telnet/rawpeer.h"

#include "platform/telnet/telnetclient.h"
#include "telnet/telnetaddress.h"
#include "telnet/telnetterminal.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A raw peer on a free port: the terminal connects with "address:port".
const QHostAddress kPeerAddress{QStringLiteral("127.0.0.49")};

struct PeerSession {
    RawPeer peer{kPeerAddress};
    TelnetTerminal terminal;
    QString echo;
    QString output;

    PeerSession()
    {
        terminal.setLineHold(std::chrono::milliseconds(0));
        QObject::connect(&terminal, &TelnetTerminal::echoed, &terminal,
                         [this](const QString &text) { echo += text; });
        QObject::connect(&terminal, &TelnetTerminal::erased, &terminal, [this] { echo.chop(1); });
        QObject::connect(&terminal, &TelnetTerminal::received, &terminal,
                         [this](const QString &text) { output += text; });
    }

    bool open()
    {
        QSignalSpy connected(terminal.client(), &TelnetClient::connected);
        terminal.open(QStringLiteral("%1:%2").arg(kPeerAddress.toString()).arg(peer.port()));
        return peer.waitForPeer() && (connected.count() == 1 || connected.wait());
    }

    void type(const QString &keys)
    {
        for (QChar key : keys)
            terminal.typeKey(key);
    }
};

} // namespace

class TestTelnetTerminal final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressParsing_data();
    void addressParsing();
    void keyRules_data();
    void keyRules();
    void nothingLeavesBeforeEnter();
    void pauseQueuesKeysInOrder();
    void outputArrivesDuringPause();
    void typingWhileUnconnected();
    void outputIsDecodedAsWindows1252();
    void refusedAddressFails();
    void malformedAddressFailsWithoutConnecting();
};

void TestTelnetTerminal::addressParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    const int invalid = int(TelnetAddress::Kind::Invalid);
    const int address = int(TelnetAddress::Kind::Address);
    const int name = int(TelnetAddress::Kind::HostName);
    QTest::newRow("dotted") << "10.1.1.1" << address << "10.1.1.1" << 23;
    QTest::newRow("blanks around") << " 10.1.1.1 " << address << "10.1.1.1" << 23;
    QTest::newRow("with :port") << "10.1.1.1:2323" << address << "10.1.1.1" << 2323;
    QTest::newRow("with /port") << "10.1.1.1/2001" << address << "10.1.1.1" << 2001;
    QTest::newRow("host name") << "core-sw1" << name << "core-sw1" << 23;
    QTest::newRow("host name with port") << "core-sw1.lab:2323" << name << "core-sw1.lab" << 2323;
    QTest::newRow("empty") << "" << invalid << "" << 23;
    QTest::newRow("three parts") << "10.1.1" << invalid << "" << 23;
    QTest::newRow("five parts") << "10.1.1.1.1" << invalid << "" << 23;
    QTest::newRow("part above 255") << "10.256.1.1" << invalid << "" << 23;
    QTest::newRow("port 0") << "10.1.1.1:0" << invalid << "" << 23;
    QTest::newRow("port above 65535") << "10.1.1.1:65536" << invalid << "" << 23;
    QTest::newRow("port not a number") << "10.1.1.1:telnet" << invalid << "" << 23;
    QTest::newRow("port only") << ":23" << invalid << "" << 23;
}

void TestTelnetTerminal::addressParsing()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, host);
    QFETCH(int, port);
    const TelnetAddress parsed = TelnetAddress::parse(text);
    QCOMPARE(int(parsed.kind), kind);
    if (kind != int(TelnetAddress::Kind::Invalid)) {
        QCOMPARE(parsed.host, host);
        QCOMPARE(int(parsed.port), port);
    }
}

void TestTelnetTerminal::keyRules_data()
{
    QTest::addColumn<QString>("keys"); // \r is Enter, \b is Backspace
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QByteArray>("lineBuf");
    QTest::addColumn<QString>("echo");

    QTest::newRow("backspace edits the line") << "abc\bd\r" << QByteArray("abd\r\n") << QByteArray() << "abd\n";
    QTest::newRow("empty line sends nothing") << "\r" << QByteArray() << QByteArray() << "\n";
    QTest::newRow("backspace on an empty line") << "\b\bx\r" << QByteArray("x\r\n") << QByteArray() << "x\n";
    QTest::newRow("space at line start goes at once") << " " << QByteArray(" ") << QByteArray() << " ";
    QTest::newRow("space inside a line waits") << "a b" << QByteArray() << QByteArray("a b") << "a b";
    QTest::newRow("space then text") << " q" << QByteArray(" ") << QByteArray("q") << " q";
    QTest::newRow("line with spaces") << "show ip route\r" << QByteArray("show ip route\r\n") << QByteArray()
                                      << "show ip route\n";
    QTest::newRow("two lines") << "a\rb\r" << QByteArray("a\r\nb\r\n") << QByteArray() << "a\nb\n";
    QTest::newRow("Latin-1 letter") << QStringLiteral("\u00e9\r") << QByteArray("\xe9\r\n") << QByteArray()
                                    << QStringLiteral("\u00e9\n");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac\r") << QByteArray("\x80\r\n") << QByteArray()
                               << QStringLiteral("\u20ac\n");
    QTest::newRow("no 8-bit form") << QStringLiteral("\u03a9\r") << QByteArray("?\r\n") << QByteArray()
                                   << QStringLiteral("\u03a9\n");
    QTest::newRow("control character is sent, not shown") << "\x1a\r" << QByteArray("\x1a\r\n")
                                                            << QByteArray() << "\n";
}

void TestTelnetTerminal::keyRules()
{
    QFETCH(QString, keys);
    QFETCH(QByteArray, wire);
    QFETCH(QByteArray, lineBuf);
    QFETCH(QString, echo);
    PeerSession session;
    QVERIFY(session.open());
    session.type(keys);
    if (!wire.isEmpty())
        QVERIFY(session.peer.waitForBytes(wire.size()));
    QTest::qWait(50);
    QCOMPARE(session.peer.received(), wire);
    QCOMPARE(session.terminal.lineBuf(), lineBuf);
    QCOMPARE(session.echo, echo);
}

void TestTelnetTerminal::nothingLeavesBeforeEnter()
{
    PeerSession session;
    QVERIFY(session.open());
    session.type(QStringLiteral("abc"));
    QTest::qWait(100);
    QCOMPARE(session.peer.received(), QByteArray());
    session.type(QStringLiteral("\r"));
    QVERIFY(session.peer.waitForBytes(5));
    QCOMPARE(session.peer.received(), QByteArray("abc\r\n"));
}

void TestTelnetTerminal::pauseQueuesKeysInOrder()
{
    PeerSession session;
    session.terminal.setLineHold(std::chrono::milliseconds(300));
    QVERIFY(session.open());
    session.type(QStringLiteral("one\rtwo\r three\r"));
    QVERIFY(session.terminal.isHolding());
    QCOMPARE(session.terminal.queuedKeys(), 11);
    QCOMPARE(session.echo, QStringLiteral("one\n"));
    QTest::qWait(150);
    QCOMPARE(session.peer.received(), QByteArray("one\r\n"));

    // Each pause ends with the queued keys up to the next Enter.
    QVERIFY(QTest::qWaitFor([&] { return session.peer.received() == "one\r\ntwo\r\n"; }, 2000));
    QCOMPARE(session.echo, QStringLiteral("one\ntwo\n"));
    QVERIFY(session.terminal.isHolding());
    QVERIFY(QTest::qWaitFor([&] { return session.peer.received() == "one\r\ntwo\r\n three\r\n"; }, 2000));
    QCOMPARE(session.echo, QStringLiteral("one\ntwo\n three\n"));
    QCOMPARE(session.terminal.queuedKeys(), 0);
}

void TestTelnetTerminal::outputArrivesDuringPause()
{
    PeerSession session;
    session.terminal.setLineHold(std::chrono::seconds(5));
    QVERIFY(session.open());
    session.type(QStringLiteral("show\r"));
    QVERIFY(session.peer.waitForBytes(6));
    session.peer.send("answer\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(session.output, QStringLiteral("answer\r\n"), 2000);
    QVERIFY(session.terminal.isHolding());
}

void TestTelnetTerminal::typingWhileUnconnected()
{
    TelnetTerminal terminal;
    terminal.setLineHold(std::chrono::milliseconds(0));
    for (QChar key : QStringLiteral("ab"))
        terminal.typeKey(key);
    QCOMPARE(terminal.lineBuf(), QByteArray("ab"));
    terminal.typeKey(QChar(TelnetTerminal::Enter));
    QCOMPARE(terminal.lineBuf(), QByteArray());
    terminal.typeKey(QChar(u' '));
    QCOMPARE(terminal.lineBuf(), QByteArray());
}

void TestTelnetTerminal::outputIsDecodedAsWindows1252()
{
    PeerSession session;
    QVERIFY(session.open());
    session.peer.send(QByteArray("caf\xe9 \x80 \x1b[K\x07\r\n"));
    QTRY_COMPARE(session.output, QStringLiteral("caf\u00e9 \u20ac \x1b[K\x07\r\n"));
}

void TestTelnetTerminal::refusedAddressFails()
{
    // Nothing listens on this port: the peer is gone before the connect.
    quint16 port = 0;
    {
        RawPeer gone(kPeerAddress);
        port = gone.port();
    }
    TelnetTerminal terminal;
    QSignalSpy failed(&terminal, &TelnetTerminal::failed);
    terminal.open(QStringLiteral("127.0.0.49:%1").arg(port));
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Connection refused: 127.0.0.49"));
}

void TestTelnetTerminal::malformedAddressFailsWithoutConnecting()
{
    TelnetTerminal terminal;
    QSignalSpy failed(&terminal, &TelnetTerminal::failed);
    terminal.open(QStringLiteral("10.1.1"));
    QCOMPARE(terminal.client()->state(), TelnetClient::State::Unconnected);
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Host not found: 10.1.1"));
}

QTEST_GUILESS_MAIN(TestTelnetTerminal)
#include "test_telnet_terminal.moc"

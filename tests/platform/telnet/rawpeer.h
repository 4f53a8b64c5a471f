#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>

class QTcpSocket;

// A bare TCP peer for the telnet tests: listens on a loopback address (on
// a free port, or on the one given), takes one connection and records
// every byte the client sends, so a test sees the exact wire format,
// negotiation answers included.
class RawPeer final
{
public:
    explicit RawPeer(const QHostAddress &address, quint16 port = 0);

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }

    // Waits for the client's connection.
    bool waitForPeer(int timeoutMs = 5000);
    // Sends bytes to the client and waits until the kernel has them.
    void send(const QByteArray &bytes);
    // Closes the connection from this side, as a device logging out does.
    void closePeer();
    // Waits until the client has sent at least this many bytes in all.
    bool waitForBytes(qsizetype count, int timeoutMs = 5000);
    // Waits until the client has closed its side.
    bool waitForEof(int timeoutMs = 5000);

    // Everything received so far; take() also forgets it.
    QByteArray received() const { return m_received; }
    QByteArray take();

private:
    QTcpServer m_server;
    QTcpSocket *m_peer = nullptr;
    QByteArray m_received;
    bool m_eof = false;
};

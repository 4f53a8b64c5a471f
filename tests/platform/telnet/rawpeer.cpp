#include "platform/telnet/rawpeer.h"

#include <QTcpSocket>
#include <QTest>

#include <utility>

RawPeer::RawPeer(const QHostAddress &address, quint16 port)
{
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        QTcpSocket *peer = m_server.nextPendingConnection();
        if (m_peer) {
            // One client per peer; a second one is a fault the test will see
            // as a missing connection.
            peer->abort();
            peer->deleteLater();
            return;
        }
        m_peer = peer;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [this] { m_received += m_peer->readAll(); });
        QObject::connect(peer, &QTcpSocket::readChannelFinished, peer, [this] { m_eof = true; });
    });
    m_server.listen(address, port);
}

bool RawPeer::waitForPeer(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_peer != nullptr; }, timeoutMs);
}

void RawPeer::send(const QByteArray &bytes)
{
    if (!m_peer)
        return;
    m_peer->write(bytes);
    m_peer->flush();
}

void RawPeer::closePeer()
{
    if (m_peer)
        m_peer->disconnectFromHost();
}

bool RawPeer::waitForBytes(qsizetype count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_received.size() >= count; }, timeoutMs);
}

bool RawPeer::waitForEof(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_eof; }, timeoutMs);
}

QByteArray RawPeer::take()
{
    return std::exchange(m_received, {});
}

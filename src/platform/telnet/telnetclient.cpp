#include "platform/telnet/telnetclient.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

// libtelnet's header uses size_t without including its definition.
#include <stddef.h>
#include <libtelnet.h>

namespace {

// Options we take part in; libtelnet refuses everything not listed here.
const telnet_telopt_t kSupportedOptions[] = {
    {TELNET_TELOPT_TTYPE, TELNET_WILL, TELNET_DONT},
    {TELNET_TELOPT_ECHO, TELNET_WONT, TELNET_DO},
    {TELNET_TELOPT_SGA, TELNET_WILL, TELNET_DO},
    {-1, 0, 0},
};

// How long a closed session may keep flushing queued bytes to a stalled peer.
constexpr std::chrono::milliseconds kCloseGrace{5000};

} // namespace

void TelnetClient::TelnetDeleter::operator()(telnet_t *telnet) const
{
    telnet_free(telnet);
}

TelnetClient::TelnetClient(QObject *parent)
    : QObject(parent)
    , m_connectTimer(new QTimer(this))
{
    m_connectTimer->setSingleShot(true);
    connect(m_connectTimer, &QTimer::timeout, this, &TelnetClient::onConnectTimeout);
}

TelnetClient::~TelnetClient()
{
    if (!m_socket)
        return;
    // Push out what is queued and send FIN; deleting the socket (our child)
    // afterwards drops anything the kernel would not take.
    m_socket->disconnect(this);
    if (m_state == State::Connected) {
        m_socket->flush();
        m_socket->disconnectFromHost();
    }
}

void TelnetClient::setConnectTimeout(std::chrono::milliseconds timeout)
{
    m_connectTimeout = timeout;
}

void TelnetClient::connectToHost(const QString &host, quint16 port)
{
    releaseConnection();
    m_host = host;
    m_state = State::Connecting;

    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &TelnetClient::onSocketConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &TelnetClient::onSocketReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &TelnetClient::onSocketDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &TelnetClient::onSocketError);

    m_connectTimer->start(m_connectTimeout);
    // Qt looks the name up on a worker thread and connects without blocking.
    // Nothing may follow this call: a failure can be reported from inside it.
    m_socket->connectToHost(host, port);
}

void TelnetClient::disconnectFromHost()
{
    if (!m_socket)
        return;
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    const bool wasConnected = m_state == State::Connected;
    socket->disconnect(this);
    releaseConnection();

    if (!wasConnected) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // A graceful close writes the queued bytes first, so the socket lives on
    // until it is done, or until the grace period ends for a stalled peer;
    // it is let go of so that it outlives this client and its window.
    socket->setParent(nullptr);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kCloseGrace, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

void TelnetClient::sendChar(char c)
{
    if (c == '\r') {
        // A CR that does not end a line is followed by NUL on an NVT.
        static constexpr char crNul[] = {'\r', '\0'};
        sendBytes(crNul, sizeof crNul);
        return;
    }
    sendBytes(&c, 1);
}

void TelnetClient::sendLineEnd()
{
    // BINARY is always refused, so the NVT end of line applies.
    static constexpr char crLf[] = {'\r', '\n'};
    sendBytes(crLf, sizeof crLf);
}

void TelnetClient::sendBytes(const char *data, size_t size)
{
    if (m_state != State::Connected || !m_telnet)
        return;
    // telnet_send doubles IAC and hands the result back as a send event.
    telnet_send(m_telnet.get(), data, size);
}

void TelnetClient::telnetEvent(telnet_t *, telnet_event_t *event, void *self)
{
    static_cast<TelnetClient *>(self)->handleTelnetEvent(*event);
}

void TelnetClient::handleTelnetEvent(const telnet_event_t &event)
{
    switch (event.type) {
    case TELNET_EV_DATA:
        appendReceived(event.data.buffer, event.data.size);
        break;
    case TELNET_EV_SEND:
        if (m_socket)
            m_socket->write(event.data.buffer, qint64(event.data.size));
        break;
    case TELNET_EV_TTYPE:
        // We know one terminal type, so it is the answer to every request.
        if (event.ttype.cmd == TELNET_TTYPE_SEND)
            telnet_ttype_is(m_telnet.get(), TerminalType);
        break;
    case TELNET_EV_ERROR:
        m_protocolError = QString::fromUtf8(event.error.msg);
        break;
    default:
        // Negotiation answers are given by libtelnet from kSupportedOptions;
        // warnings and other commands need nothing from us.
        break;
    }
}

void TelnetClient::appendReceived(const char *data, size_t size)
{
    // The device sends a bare CR as CR NUL; the NUL is padding, not output.
    // m_afterCr carries the CR over into the next chunk.
    m_received.reserve(m_received.size() + qsizetype(size));
    for (size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (!(m_afterCr && c == '\0'))
            m_received.append(c);
        m_afterCr = c == '\r';
    }
}

void TelnetClient::onSocketConnected()
{
    m_connectTimer->stop();
    m_telnet.reset(telnet_init(kSupportedOptions, &TelnetClient::telnetEvent, 0, this));
    if (!m_telnet) {
        endSession(QStringLiteral("Cannot start telnet session: %1").arg(m_host));
        return;
    }
    m_state = State::Connected;
    QPointer<TelnetClient> alive(this);
    Q_EMIT connected();
    // The device may have spoken before we announced the session.
    if (alive && m_state == State::Connected)
        processIncoming();
}

void TelnetClient::onSocketReadyRead()
{
    processIncoming();
}

bool TelnetClient::processIncoming()
{
    if (!m_socket || !m_telnet)
        return true;
    QTcpSocket *const socket = m_socket;
    const QByteArray chunk = socket->readAll();
    if (chunk.isEmpty())
        return true;
    telnet_recv(m_telnet.get(), chunk.constData(), size_t(chunk.size()));
    const QByteArray data = std::exchange(m_received, {});
    const QString protocolError = std::exchange(m_protocolError, {});

    QPointer<TelnetClient> alive(this);
    if (!data.isEmpty())
        Q_EMIT dataReceived(data);
    // A receiver may have deleted us, closed the session or opened another.
    if (!alive || m_socket != socket)
        return false;
    if (!protocolError.isEmpty()) {
        endSession(QStringLiteral("Telnet protocol error from %1: %2").arg(m_host, protocolError));
        return false;
    }
    return true;
}

void TelnetClient::onSocketDisconnected()
{
    // Deliver the device's last words before reporting the end.
    if (!processIncoming())
        return;
    endSession(QString());
}

void TelnetClient::onSocketError(QAbstractSocket::SocketError error)
{
    if (m_state == State::Connected) {
        // A close by the peer arrives as this error, then as disconnected().
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        endSession(QStringLiteral("Connection lost: %1 (%2)").arg(m_host, m_socket->errorString()));
        return;
    }
    endSession(connectErrorText(error, m_host, m_socket ? m_socket->errorString() : QString()));
}

void TelnetClient::onConnectTimeout()
{
    if (m_state == State::Connecting)
        endSession(QStringLiteral("Connection timed out: %1").arg(m_host));
}

QString TelnetClient::connectErrorText(QAbstractSocket::SocketError error, const QString &host,
                                       const QString &detail)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Connection refused: %1").arg(host);
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("Host not found: %1").arg(host);
    case QAbstractSocket::NetworkError:
        // Qt reports both "no route to host" and "network unreachable" here.
        return QStringLiteral("Host unreachable: %1").arg(host);
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Connection timed out: %1").arg(host);
    default:
        return QStringLiteral("Cannot connect to %1: %2").arg(host, detail);
    }
}

void TelnetClient::endSession(const QString &error)
{
    const bool wasConnected = m_state == State::Connected;
    releaseConnection();
    QPointer<TelnetClient> alive(this);
    if (!error.isEmpty())
        Q_EMIT errorOccurred(error);
    if (alive && wasConnected && m_state == State::Unconnected)
        Q_EMIT disconnected();
}

void TelnetClient::releaseConnection()
{
    m_connectTimer->stop();
    m_telnet.reset();
    m_received.clear();
    m_protocolError.clear();
    m_afterCr = false;
    m_state = State::Unconnected;
    if (QTcpSocket *socket = std::exchange(m_socket, nullptr)) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

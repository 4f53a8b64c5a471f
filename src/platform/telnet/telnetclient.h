#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QTcpSocket;
class QTimer;
struct telnet_t;
union telnet_event_t;

// One telnet session to a switch or router. Connects over TCP (name lookup
// and connecting run on the event loop, so no call blocks the caller), lets
// libtelnet answer option negotiation and hands over the device's output
// with every protocol byte removed.
//
// Negotiation: we send terminal type "dumb" when asked, accept the device's
// ECHO and SUPPRESS-GO-AHEAD, offer SUPPRESS-GO-AHEAD ourselves when asked
// and refuse every other option, BINARY included. The session therefore
// always runs as an NVT: Enter goes out as CR LF and a lone CR as CR NUL.
//
// disconnected() reports a session that ended without our asking (the
// device closed it or the connection broke); after disconnectFromHost() or
// a failed connect no further signal arrives.
class TelnetClient final : public QObject
{
    Q_OBJECT

public:
    enum class State { Unconnected, Connecting, Connected };
    Q_ENUM(State)

    static constexpr quint16 DefaultPort = 23;
    static constexpr std::chrono::milliseconds DefaultConnectTimeout{15000};
    static constexpr const char *TerminalType = "dumb";

    explicit TelnetClient(QObject *parent = nullptr);
    ~TelnetClient() override;

    // Time allowed from connectToHost() until the TCP session stands,
    // name lookup included.
    void setConnectTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds connectTimeout() const { return m_connectTimeout; }

    // Starts a session and returns at once; connected() or errorOccurred()
    // follows. A session already open is dropped first, silently.
    void connectToHost(const QString &host, quint16 port = DefaultPort);
    // Sends what is still queued, then closes. No signal follows.
    void disconnectFromHost();

    // Sends one typed character; IAC is doubled and a lone CR becomes CR NUL.
    // Ignored unless connected.
    void sendChar(char c);
    // Sends the end of a line as the protocol wants it: CR LF.
    void sendLineEnd();

    State state() const { return m_state; }
    QString host() const { return m_host; }

    // The message for a connection attempt that failed with this socket
    // error, e.g. "Connection refused: 10.1.1.1"; detail is the socket's
    // own text, used for errors without a message of their own.
    static QString connectErrorText(QAbstractSocket::SocketError error, const QString &host,
                                    const QString &detail);

Q_SIGNALS:
    void connected();
    void dataReceived(const QByteArray &data);
    void disconnected();
    // A human-readable reason naming the host, e.g.
    // "Connection refused: 10.1.1.1".
    void errorOccurred(const QString &message);

private:
    struct TelnetDeleter {
        void operator()(telnet_t *telnet) const;
    };

    static void telnetEvent(telnet_t *telnet, telnet_event_t *event, void *self);
    void handleTelnetEvent(const telnet_event_t &event);
    void appendReceived(const char *data, size_t size);
    void sendBytes(const char *data, size_t size);

    void onSocketConnected();
    void onSocketReadyRead();
    void onSocketDisconnected();
    void onSocketError(QAbstractSocket::SocketError error);
    void onConnectTimeout();

    bool processIncoming();
    void endSession(const QString &error);
    void releaseConnection();

    QString m_host;
    State m_state = State::Unconnected;
    std::chrono::milliseconds m_connectTimeout = DefaultConnectTimeout;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_connectTimer = nullptr;
    std::unique_ptr<telnet_t, TelnetDeleter> m_telnet;
    QByteArray m_received;   // device output gathered during one telnet_recv()
    QString m_protocolError; // set by libtelnet's error event during telnet_recv()
    bool m_afterCr = false;  // last byte delivered was CR, so a NUL next is padding
};

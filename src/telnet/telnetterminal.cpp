#include "telnet/telnetterminal.h"

#include "platform/telnet/telnetclient.h"
#include "telnet/telnetaddress.h"

#include <QTimer>

#include <utility>

namespace {
std::chrono::milliseconds s_defaultLineHold = TelnetTerminal::DefaultLineHold;
} // namespace

TelnetTerminal::TelnetTerminal(QObject *parent)
    : QObject(parent)
    , m_client(new TelnetClient(this))
    , m_holdTimer(new QTimer(this))
    , m_lineHold(s_defaultLineHold)
{
    m_holdTimer->setSingleShot(true);
    connect(m_holdTimer, &QTimer::timeout, this, &TelnetTerminal::endHold);
    connect(m_client, &TelnetClient::dataReceived, this,
            [this](const QByteArray &data) { Q_EMIT received(m_codePage.decode(data)); });
    connect(m_client, &TelnetClient::errorOccurred, this, &TelnetTerminal::failed);
    connect(m_client, &TelnetClient::disconnected, this, &TelnetTerminal::ended);
}

TelnetTerminal::~TelnetTerminal() = default;

void TelnetTerminal::setDefaultLineHold(std::chrono::milliseconds hold)
{
    s_defaultLineHold = hold;
}

std::chrono::milliseconds TelnetTerminal::defaultLineHold()
{
    return s_defaultLineHold;
}

void TelnetTerminal::open(const QString &address)
{
    m_lineBuf.clear();
    const TelnetAddress parsed = TelnetAddress::parse(address);
    if (parsed.kind == TelnetAddress::Kind::Invalid) {
        // Not handed to the socket: it would read "10.1.1" as 10.1.0.1.
        m_client->disconnectFromHost();
        const QString message = QStringLiteral("Host not found: %1").arg(address);
        QTimer::singleShot(0, this, [this, message] { Q_EMIT failed(message); });
        return;
    }
    m_client->connectToHost(parsed.host, parsed.port);
}

void TelnetTerminal::close()
{
    m_client->disconnectFromHost();
}

void TelnetTerminal::typeKey(QChar key)
{
    if (m_holding) {
        m_queue.push_back(key);
        return;
    }
    applyKey(key);
}

void TelnetTerminal::applyKey(QChar key)
{
    switch (key.unicode()) {
    case Enter:
        Q_EMIT echoed(QStringLiteral("\n"));
        if (!m_lineBuf.isEmpty())
            sendLine();
        return;
    case Backspace:
        if (!m_lineBuf.isEmpty()) {
            m_lineBuf.chop(1);
            Q_EMIT erased();
        }
        return;
    case u' ':
        if (m_lineBuf.isEmpty())
            m_client->sendChar(' ');
        else
            m_lineBuf.append(' ');
        Q_EMIT echoed(QStringLiteral(" "));
        return;
    default: {
        const int byte = CodePage::unicodeToWindows1252(key.unicode());
        m_lineBuf.append(byte < 0 ? '?' : char(byte));
        // Control characters go to the device but show nothing here.
        if (key.isPrint() || key == u'\t')
            Q_EMIT echoed(QString(key));
        return;
    }
    }
}

void TelnetTerminal::sendLine()
{
    const QByteArray line = std::exchange(m_lineBuf, {});
    for (char c : line)
        m_client->sendChar(c);
    m_client->sendLineEnd();
    if (m_lineHold.count() > 0) {
        m_holding = true;
        m_holdTimer->start(m_lineHold);
    }
}

void TelnetTerminal::endHold()
{
    m_holding = false;
    // The keys typed during the pause, in order, until one starts a new pause.
    while (!m_holding && !m_queue.empty()) {
        const QChar key = m_queue.front();
        m_queue.pop_front();
        applyKey(key);
    }
}

#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QMutex>
#include <QThread>
#include <QUdpSocket>

#include <atomic>
#include <vector>

// A UDP relay between SNMP managers and one agent, on its own thread: it
// forwards every datagram both ways, records the version, community and
// request id of each request it sees, and can be told to stop forwarding
// requests, as a device that stops answering.
class UdpRelay final : public QThread
{
public:
    struct Request
    {
        int version = -1;
        QByteArray community;
        int pduType = -1;
        qint64 requestId = -1;
    };

    UdpRelay(QHostAddress listen, quint16 listenPort, QHostAddress agent, quint16 agentPort)
        : m_listen(listen), m_listenPort(listenPort), m_agent(agent), m_agentPort(agentPort)
    {
    }
    ~UdpRelay() override
    {
        quit();
        wait();
    }

    bool startAndWait()
    {
        start();
        while (!m_ready && !m_failed)
            QThread::msleep(5);
        return m_ready;
    }

    // Forward at most n more requests, then drop the rest (-1: no limit).
    void setForwardLimit(int n) { m_limit = n; }

    std::vector<Request> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }
    void clearRequests()
    {
        QMutexLocker lock(&m_mutex);
        m_requests.clear();
    }

    // Decodes the start of an SNMP v1/v2c message.
    static Request decode(const QByteArray &d)
    {
        Request r;
        int pos = 0;
        auto header = [&](int &tag, int &len) {
            if (pos + 2 > d.size())
                return false;
            tag = quint8(d[pos++]);
            len = quint8(d[pos++]);
            if (len & 0x80) {
                const int bytes = len & 0x7F;
                len = 0;
                for (int i = 0; i < bytes && pos < d.size(); ++i)
                    len = (len << 8) | quint8(d[pos++]);
            }
            return pos + (tag == 0x30 || tag >= 0xA0 ? 0 : len) <= d.size();
        };
        auto integer = [&](int len) {
            qint64 v = 0;
            for (int i = 0; i < len; ++i)
                v = (v << 8) | quint8(d[pos++]);
            return v;
        };
        int tag = 0, len = 0;
        if (!header(tag, len) || tag != 0x30)
            return r;
        if (!header(tag, len) || tag != 0x02)
            return r;
        r.version = int(integer(len));
        if (!header(tag, len) || tag != 0x04)
            return r;
        r.community = d.mid(pos, len);
        pos += len;
        if (!header(tag, len))
            return r;
        r.pduType = tag;
        if (!header(tag, len) || tag != 0x02)
            return r;
        r.requestId = integer(len);
        return r;
    }

protected:
    void run() override
    {
        QUdpSocket front;
        if (!front.bind(m_listen, m_listenPort)) {
            m_failed = true;
            return;
        }
        QHash<quint16, QUdpSocket *> backs;
        QObject::connect(&front, &QUdpSocket::readyRead, [&] {
            while (front.hasPendingDatagrams()) {
                QHostAddress from;
                quint16 port = 0;
                QByteArray data(int(front.pendingDatagramSize()), 0);
                front.readDatagram(data.data(), data.size(), &from, &port);
                {
                    QMutexLocker lock(&m_mutex);
                    m_requests.push_back(decode(data));
                }
                if (m_limit == 0)
                    continue;
                if (m_limit > 0)
                    --m_limit;
                QUdpSocket *&back = backs[port];
                if (!back) {
                    back = new QUdpSocket;
                    back->bind(QHostAddress::LocalHost, 0);
                    QObject::connect(back, &QUdpSocket::readyRead, [&front, back, from, port] {
                        while (back->hasPendingDatagrams()) {
                            QByteArray reply(int(back->pendingDatagramSize()), 0);
                            back->readDatagram(reply.data(), reply.size());
                            front.writeDatagram(reply, from, port);
                        }
                    });
                }
                back->writeDatagram(data, m_agent, m_agentPort);
            }
        });
        m_ready = true;
        exec();
        qDeleteAll(backs);
    }

private:
    QHostAddress m_listen;
    quint16 m_listenPort;
    QHostAddress m_agent;
    quint16 m_agentPort;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_failed{false};
    std::atomic<int> m_limit{-1};
    mutable QMutex m_mutex;
    std::vector<Request> m_requests;
};

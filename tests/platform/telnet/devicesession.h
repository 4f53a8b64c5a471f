#pragma once

#include "platform/telnet/telnetclient.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QTest>

// A telnet client to a simulated switch together with everything it has
// delivered, so a test can type and wait for the device's answer.
class DeviceSession final
{
public:
    DeviceSession()
    {
        QObject::connect(&client, &TelnetClient::dataReceived, &client,
                         [this](const QByteArray &data) { output += data; });
    }

    // Connects and waits for the login prompt.
    bool open(const QString &host)
    {
        client.connectToHost(host);
        return waitFor("Username: ");
    }

    // Connects, logs in and waits for the device's prompt, e.g. "LAB-SW1>".
    bool login(const QString &host, QByteArrayView prompt)
    {
        if (!open(host))
            return false;
        typeLine("admin");
        if (!waitFor("Password: "))
            return false;
        typeLine("secret");
        return waitFor(prompt);
    }

    bool waitFor(QByteArrayView text, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return output.contains(text); }, timeoutMs);
    }

    // Types like a person: one character at a time.
    void type(QByteArrayView text)
    {
        for (char c : text)
            client.sendChar(c);
    }

    void typeLine(QByteArrayView text)
    {
        type(text);
        client.sendLineEnd();
    }

    TelnetClient client;
    QByteArray output;
};

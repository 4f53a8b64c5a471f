#pragma once

#include "platform/rtf/codepage.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <deque>

class QTimer;
class TelnetClient;

// The working part of one telnet terminal window, without the window: the
// session to the device, the line typed so far (each terminal keeps its
// own, so typing in one window never reaches another window's device), the
// key rules, and the pause after a sent line.
//
// Keys: Enter sends the line, then the line end, and starts the pause (an
// empty line sends nothing); Backspace drops the last character of the
// line; a space at the start of a line goes out at once (a pager waiting
// for a key gets it), inside a line it waits for Enter; every other
// character is added to the line in the Windows-1252 code page.
//
// The pause holds sending only: the event loop keeps running, output keeps
// arriving, and keys typed meanwhile wait in order until the pause ends.
class TelnetTerminal final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultLineHold{1000};
    static constexpr char16_t Enter = 13;
    static constexpr char16_t Backspace = 8;

    explicit TelnetTerminal(QObject *parent = nullptr);
    ~TelnetTerminal() override;

    // The pause new terminals use (tests shorten it).
    static void setDefaultLineHold(std::chrono::milliseconds hold);
    static std::chrono::milliseconds defaultLineHold();
    void setLineHold(std::chrono::milliseconds hold) { m_lineHold = hold; }
    std::chrono::milliseconds lineHold() const { return m_lineHold; }

    // Connects to the address as typed (see TelnetAddress; port 23 unless
    // the text names one) and returns at once; a failure, text that is no
    // address included, arrives as failed().
    void open(const QString &address);
    // Sends what is queued and closes the session; no signal follows.
    void close();

    // One typed character: Enter (13), Backspace (8) or any other.
    void typeKey(QChar key);

    QByteArray lineBuf() const { return m_lineBuf; }
    bool isHolding() const { return m_holding; }
    qsizetype queuedKeys() const { return qsizetype(m_queue.size()); }
    TelnetClient *client() const { return m_client; }

Q_SIGNALS:
    // Device output, decoded from Windows-1252, control characters as sent.
    void received(const QString &text);
    // What the terminal shows for a key as it takes effect: the character,
    // "\n" for Enter; erased() when Backspace removed a character.
    void echoed(const QString &text);
    void erased();
    // The connection failed or broke; the message names the host.
    void failed(const QString &message);
    // The device ended the session.
    void ended();

private:
    void applyKey(QChar key);
    void sendLine();
    void endHold();

    TelnetClient *m_client = nullptr;
    QTimer *m_holdTimer = nullptr;
    std::chrono::milliseconds m_lineHold;
    bool m_holding = false;
    QByteArray m_lineBuf;
    std::deque<QChar> m_queue;
    CodePage m_codePage;
};

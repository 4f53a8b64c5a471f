// The telnet dialog and terminal window as a user drives them from the main
// window: the dialog's field and buttons, sessions with Debian's telnetd
// behind the simulated switch script, the exact bytes typed keys put on the
// wire, failures, closing, and two windows side by side.
#include "platform/telnet/rawpeer.h"
#include "platform/telnet/telnetlab.h"

#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "platform/telnet/telnetclient.h"
#include "telnet/telnetcommands.h"
#include "telnet/telnetterminal.h"
#include "telnet/ttelnetdevform.h"
#include "telnet/ttelnetform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {

const QString kSwitch5 = QStringLiteral("127.0.0.45"); // LAB-SW5 behind telnetd
const QString kSwitch6 = QStringLiteral("127.0.0.46"); // LAB-SW6 behind telnetd
const QString kRawPeer = QStringLiteral("127.0.0.47"); // RawPeer on port 23
const QString kClosed = QStringLiteral("127.0.0.48");  // nothing listens on 23

QString boxText(const TTelnetForm *form)
{
    return form->telnetTxt()->toPlainText();
}

bool waitForText(const TTelnetForm *form, const QString &text, int timeoutMs = 5000)
{
    return QTest::qWaitFor([&] { return boxText(form).contains(text); }, timeoutMs);
}

// Keys as a user types them: \r is the Enter key, \b Backspace.
void typeKeys(TTelnetForm *form, const QString &keys)
{
    QWidget *box = form->telnetTxt();
    for (QChar key : keys) {
        if (key == u'\r')
            QTest::keyClick(box, Qt::Key_Return);
        else if (key == u'\b')
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, QString(key));
    }
}

} // namespace

#define REQUIRE_ROOT()                                               \
    do {                                                             \
        if (!m_root)                                                 \
            QSKIP("port 23 needs root; run the test as root");       \
    } while (false)

class TestTelnetWindow final : public QObject
{
    Q_OBJECT

    TMainForm *m_main = nullptr;
    TTelnetDevForm *m_dialog = nullptr;
    std::unique_ptr<TelnetLab> m_lab;
    bool m_root = false;

    // Opens a window to the address the way the dialog does.
    TTelnetForm *openThroughDialog(const QString &address)
    {
        m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
        m_dialog->telnetIpIpt()->setText(address);
        m_dialog->telnetOkClick();
        return qobject_cast<TTelnetForm *>(session().telnetForm.data());
    }

    bool login(TTelnetForm *form, const QString &prompt)
    {
        if (!waitForText(form, QStringLiteral("Username: ")))
            return false;
        typeKeys(form, QStringLiteral("admin\r"));
        if (!waitForText(form, QStringLiteral("Password: ")))
            return false;
        typeKeys(form, QStringLiteral("secret\r"));
        return waitForText(form, prompt);
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void menuShowsDialog();
    void dialogAddresses_data();
    void dialogAddresses();
    void enterInField_data();
    void enterInField();
    void focusEmptiesField();
    void cancelEmptiesAndCloses();

    void sessionWithDevice();
    void pagerTakesSpaceAtOnce();
    void keysOnTheWire_data();
    void keysOnTheWire();
    void lineLeavesOnlyAtEnter();
    void pasteIsTypedKeyByKey();
    void pauseKeepsWindowLive();
    void outputAppendedAsSent();
    void failedConnectionKeepsWindow_data();
    void failedConnectionKeepsWindow();
    void closingConnectedWindowDisconnects();
    void deviceClosingKeepsWindow();
    void twoWindowsKeepInputApart();
    void openFromAnotherWindow();
    void screenshot();
};

void TestTelnetWindow::initTestCase()
{
    TelnetTerminal::setDefaultLineHold(std::chrono::milliseconds(20));
    Messages::startRecording();
    m_main = new TMainForm;
    installTelnetCommands(*m_main);
    m_dialog = m_main->findChild<TTelnetDevForm *>();
    QVERIFY(m_dialog);
    m_main->resize(1000, 700);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));

    m_root = ::geteuid() == 0;
    if (!m_root)
        return;
    m_lab = std::make_unique<TelnetLab>(QList<TelnetLab::Device>{
        {kSwitch5, QStringLiteral("LAB-SW5")},
        {kSwitch6, QStringLiteral("LAB-SW6")},
    });
    QString error;
    if (!m_lab->start(&error))
        QFAIL(qPrintable(error));
}

void TestTelnetWindow::init()
{
    Messages::startRecording();
    if (m_lab)
        m_lab->clearLogs();
}

void TestTelnetWindow::cleanup()
{
    m_dialog->telnetCancelClick();
    m_main->mdiArea()->closeAllSubWindows();
    QTest::qWait(20);
}

void TestTelnetWindow::cleanupTestCase()
{
    delete m_main;
    m_lab.reset();
}

void TestTelnetWindow::menuShowsDialog()
{
    m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->isModal());
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Telnet to a Device"));
    QCOMPARE(m_dialog->size(), QSize(347, 122));
    QCOMPARE(m_dialog->telnetOk()->text(), QStringLiteral("&Ok"));
    QCOMPARE(m_dialog->telnetCancel()->text(), QStringLiteral("&Cancel"));
    auto *label = m_dialog->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Target IP Address :"));
    QCOMPARE(label->buddy(), m_dialog->telnetIpIpt());
    QCOMPARE(m_dialog->telnetIpIpt()->accessibleName(), QStringLiteral("Target IP Address :"));
    // The toolbar's button runs the same command.
    m_dialog->telnetCancelClick();
    QVERIFY(!m_dialog->isVisible());
    QAction *button = m_main->findChild<QAction *>(QStringLiteral("button:Telnet to a device"));
    QVERIFY(button);
    button->trigger();
    QVERIFY(m_dialog->isVisible());
}

void TestTelnetWindow::dialogAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("messages");

    const QStringList invalid{QStringLiteral("Ip Address error or invalid!")};
    QTest::newRow("empty field") << "" << false << QStringList();
    QTest::newRow("part above 255") << "300.1.1.1" << false << invalid;
    QTest::newRow("three parts") << "10.0.0" << false << invalid;
    QTest::newRow("port out of range") << "127.0.0.48:99999" << false << invalid;
    // Qt rejects the empty label before asking any resolver.
    QTest::newRow("name that cannot resolve") << "no..such..host" << false << invalid;
    QTest::newRow("dotted address") << kClosed << true
                                    << QStringList{QStringLiteral("Connection refused: 127.0.0.48")};
}

void TestTelnetWindow::dialogAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, opens);
    QFETCH(QStringList, messages);
    session().telnetForm = nullptr;
    TTelnetForm *form = openThroughDialog(text);
    if (!messages.isEmpty())
        QTRY_COMPARE(Messages::recorded(), messages);
    QVERIFY(!m_dialog->lookupPending());
    QCOMPARE(bool(form), opens);
    QCOMPARE(m_dialog->isVisible(), !opens);
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), opens ? 1 : 0);
    if (opens) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Telnet to ") + text);
        QCOMPARE(session().activeTelForm.data(), form);
        QCOMPARE(session().telnetIp, text);
    }
    QTest::qWait(50);
    QCOMPARE(Messages::recorded(), messages);
}

void TestTelnetWindow::enterInField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    QTest::newRow("empty field does nothing") << "" << false;
    QTest::newRow("address acts as Ok") << kClosed << true;
}

void TestTelnetWindow::enterInField()
{
    QFETCH(QString, text);
    QFETCH(bool, opens);
    session().telnetForm = nullptr;
    m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
    m_dialog->telnetIpIpt()->setText(text);
    QTest::keyClick(m_dialog->telnetIpIpt(), Qt::Key_Return);
    QCOMPARE(bool(session().telnetForm), opens);
    QCOMPARE(m_dialog->isVisible(), !opens);
}

void TestTelnetWindow::focusEmptiesField()
{
    m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    m_dialog->telnetIpIpt()->setText(QStringLiteral("10.1.1.1"));
    m_dialog->telnetOk()->setFocus(Qt::TabFocusReason);
    m_dialog->telnetIpIpt()->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_dialog->telnetIpIpt()->text(), QString());

    // Coming back to the dialog keeps the text, so a typo can be mended.
    m_dialog->telnetIpIpt()->setText(QStringLiteral("10.1.1"));
    m_dialog->telnetOkClick();
    QCOMPARE(Messages::recorded(), QStringList{QStringLiteral("Ip Address error or invalid!")});
    m_dialog->telnetOk()->setFocus(Qt::OtherFocusReason);
    m_dialog->telnetIpIpt()->setFocus(Qt::ActiveWindowFocusReason);
    QCOMPARE(m_dialog->telnetIpIpt()->text(), QStringLiteral("10.1.1"));
}

void TestTelnetWindow::cancelEmptiesAndCloses()
{
    m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
    m_dialog->telnetIpIpt()->setText(QStringLiteral("10.1.1.1"));
    QTest::mouseClick(m_dialog->telnetCancel(), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->telnetIpIpt()->text(), QString());
    QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
}

void TestTelnetWindow::sessionWithDevice()
{
    REQUIRE_ROOT();
    TTelnetForm *form = openThroughDialog(kSwitch5);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Telnet to 127.0.0.45"));
    QVERIFY(waitForText(form, QStringLiteral("LAB-SW5 lab switch\nUnauthorised access is prohibited.\n\nUsername: ")));
    QCOMPARE(m_main->focusWidget(), form->telnetTxt());
    QVERIFY(login(form, QStringLiteral("LAB-SW5>")));
    typeKeys(form, QStringLiteral("show term\r"));
    QVERIFY(waitForText(form, QStringLiteral("Terminal type: dumb\nLAB-SW5>")));
    QCOMPARE(m_lab->log(kSwitch5), QStringList({
        QStringLiteral("START TERM=dumb"), QStringLiteral("USER admin"),
        QStringLiteral("PASSWORD secret"), QStringLiteral("LINE show term")}));
    // The password shows as asterisks; other lines are echoed by the box,
    // then by the device.
    QVERIFY(boxText(form).contains(QStringLiteral("Username: admin\nadmin\nPassword: ******\n\nLAB-SW5>")));
    QVERIFY(boxText(form).contains(QStringLiteral("LAB-SW5>show term\nshow term\nTerminal type: dumb")));
    QVERIFY(Messages::recorded().isEmpty());
}

void TestTelnetWindow::pagerTakesSpaceAtOnce()
{
    REQUIRE_ROOT();
    TTelnetForm *form = openThroughDialog(kSwitch5);
    QVERIFY(login(form, QStringLiteral("LAB-SW5>")));
    typeKeys(form, QStringLiteral("show log\r"));
    QVERIFY(waitForText(form, QStringLiteral("log entry 20\n --More-- ")));
    typeKeys(form, QStringLiteral(" "));
    QVERIFY(waitForText(form, QStringLiteral("log entry 40\n --More-- ")));
    typeKeys(form, QStringLiteral(" "));
    QVERIFY(waitForText(form, QStringLiteral("log entry 60\nLAB-SW5>")));
    QCOMPARE(m_lab->log(kSwitch5).mid(3), QStringList({
        QStringLiteral("LINE show log"), QStringLiteral("KEY [ ]"), QStringLiteral("KEY [ ]")}));
}

void TestTelnetWindow::keysOnTheWire_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("keys"); // \r is the Enter key, \b Backspace
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a b c Backspace d Enter") << "R1>" << "abc\bd\r" << QByteArray("abd\r\n") << "abd\n";
    QTest::newRow("Enter on an empty line") << "R1>" << "\r" << QByteArray() << "\n";
    QTest::newRow("space at line start") << "R1>" << " " << QByteArray(" ") << " ";
    QTest::newRow("space inside a line") << "R1>" << "x y" << QByteArray() << "x y";
    QTest::newRow("Backspace on an empty line") << "R1>" << "\bq\r" << QByteArray("q\r\n") << "q\n";
    QTest::newRow("password shows as asterisks")
        << "Password: " << "s3 c\bx\r" << QByteArray("s3 x\r\n") << "****\n";
    QTest::newRow("after the password plain again")
        << "Password: " << "pw\rok" << QByteArray("pw\r\n") << "**\nok";
}

void TestTelnetWindow::keysOnTheWire()
{
    REQUIRE_ROOT();
    QFETCH(QString, prompt);
    QFETCH(QString, keys);
    QFETCH(QByteArray, wire);
    QFETCH(QString, shown);
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    QVERIFY(peer.isListening());
    TTelnetForm *form = openThroughDialog(kRawPeer);
    QVERIFY(peer.waitForPeer());
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Connected);
    peer.send(prompt.toLatin1());
    QVERIFY(waitForText(form, prompt));
    typeKeys(form, keys);
    if (!wire.isEmpty())
        QVERIFY(peer.waitForBytes(wire.size()));
    QTest::qWait(50);
    QCOMPARE(peer.received(), wire);
    QCOMPARE(boxText(form), prompt + shown);
    QCOMPARE(form->telnetTxt()->textCursor().position(), boxText(form).size());
}

void TestTelnetWindow::lineLeavesOnlyAtEnter()
{
    REQUIRE_ROOT();
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    TTelnetForm *form = openThroughDialog(kRawPeer);
    QVERIFY(peer.waitForPeer());
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Connected);
    typeKeys(form, QStringLiteral("abc"));
    QTest::qWait(100);
    QCOMPARE(peer.received(), QByteArray());
    typeKeys(form, QStringLiteral("\r"));
    QVERIFY(peer.waitForBytes(5));
    QCOMPARE(peer.received(), QByteArray("abc\r\n"));
}

void TestTelnetWindow::pasteIsTypedKeyByKey()
{
    REQUIRE_ROOT();
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    TTelnetForm *form = openThroughDialog(kRawPeer);
    QVERIFY(peer.waitForPeer());
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Connected);
    QApplication::clipboard()->setText(QStringLiteral("show ver\r\nterm len 0\nhalf"));
    QTest::keyClick(form->telnetTxt(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(peer.waitForBytes(22));
    QTest::qWait(50);
    QCOMPARE(peer.received(), QByteArray("show ver\r\nterm len 0\r\n"));
    QCOMPARE(form->terminal()->lineBuf(), QByteArray("half"));
    QCOMPARE(boxText(form), QStringLiteral("show ver\nterm len 0\nhalf"));
}

void TestTelnetWindow::pauseKeepsWindowLive()
{
    REQUIRE_ROOT();
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    TTelnetForm *form = openThroughDialog(kRawPeer);
    form->terminal()->setLineHold(std::chrono::milliseconds(600));
    QVERIFY(peer.waitForPeer());
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Connected);

    typeKeys(form, QStringLiteral("a\rb\r"));
    QVERIFY(form->terminal()->isHolding());
    QVERIFY(peer.waitForBytes(3));
    // During the pause the device's answer shows, the keys wait.
    peer.send("out\r\n");
    QVERIFY(waitForText(form, QStringLiteral("out\n"), 400));
    QVERIFY(form->terminal()->isHolding());
    QCOMPARE(peer.received(), QByteArray("a\r\n"));
    QCOMPARE(boxText(form), QStringLiteral("a\nout\n"));

    QVERIFY(peer.waitForBytes(6, 3000));
    QCOMPARE(peer.received(), QByteArray("a\r\nb\r\n"));
    QCOMPARE(boxText(form), QStringLiteral("a\nout\nb\n"));
}

void TestTelnetWindow::outputAppendedAsSent()
{
    REQUIRE_ROOT();
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    TTelnetForm *form = openThroughDialog(kRawPeer);
    QVERIFY(peer.waitForPeer());
    peer.send("line 1\r\nline 2");
    QVERIFY(waitForText(form, QStringLiteral("line 1\nline 2")));
    // The user moves the caret away; new output brings it back to the end.
    QTextCursor start = form->telnetTxt()->textCursor();
    start.movePosition(QTextCursor::Start);
    form->telnetTxt()->setTextCursor(start);
    peer.send(" \x07tail");
    QVERIFY(waitForText(form, QStringLiteral("line 2 \x07tail")));
    QCOMPARE(boxText(form), QStringLiteral("line 1\nline 2 \x07tail"));
    QCOMPARE(form->telnetTxt()->textCursor().position(), boxText(form).size());
}

void TestTelnetWindow::failedConnectionKeepsWindow_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("fromDialog");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused, from the dialog") << kClosed << true << "Connection refused: 127.0.0.48";
    // Addresses from drawings are not checked before the window connects.
    QTest::newRow("malformed, from a drawing") << "10.1.1" << false << "Host not found: 10.1.1";
}

void TestTelnetWindow::failedConnectionKeepsWindow()
{
    QFETCH(QString, address);
    QFETCH(bool, fromDialog);
    QFETCH(QString, message);
    session().telnetIp = address;
    TTelnetForm *form = fromDialog ? openThroughDialog(address) : openTelnetWindow(*m_main);
    QVERIFY(form);
    QTRY_COMPARE(Messages::recorded(), QStringList{message});
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Telnet to ") + address);
    QCOMPARE(form->terminal()->client()->state(), TelnetClient::State::Unconnected);
    // Typing while unconnected collects the line and sends nothing.
    typeKeys(form, QStringLiteral("abc"));
    QCOMPARE(form->terminal()->lineBuf(), QByteArray("abc"));
    typeKeys(form, QStringLiteral("\r"));
    QCOMPARE(form->terminal()->lineBuf(), QByteArray());
    QCOMPARE(Messages::recorded().size(), 1);
}

void TestTelnetWindow::closingConnectedWindowDisconnects()
{
    REQUIRE_ROOT();
    RawPeer peer{QHostAddress(kRawPeer), TelnetClient::DefaultPort};
    QPointer<TTelnetForm> form = openThroughDialog(kRawPeer);
    QVERIFY(peer.waitForPeer());
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Connected);
    typeKeys(form, QStringLiteral("bye\r"));
    QPointer<QMdiSubWindow> window = m_main->mdiArea()->subWindowList().first();
    window->close();
    QVERIFY(peer.waitForEof());
    QCOMPARE(peer.received(), QByteArray("bye\r\n"));
    QCOMPARE(session().activeTelForm.data(), nullptr);
    QTRY_VERIFY(!form && !window);
    QVERIFY(Messages::recorded().isEmpty());
}

void TestTelnetWindow::deviceClosingKeepsWindow()
{
    REQUIRE_ROOT();
    TTelnetForm *form = openThroughDialog(kSwitch5);
    QVERIFY(login(form, QStringLiteral("LAB-SW5>")));
    typeKeys(form, QStringLiteral("exit\r"));
    QVERIFY(waitForText(form, QStringLiteral("Goodbye\n")));
    QTRY_COMPARE(form->terminal()->client()->state(), TelnetClient::State::Unconnected);
    QTest::qWait(50);
    QVERIFY(form->isVisible());
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
    QVERIFY(boxText(form).startsWith(QStringLiteral("\nLAB-SW5 lab switch")));
    QVERIFY(Messages::recorded().isEmpty());
}

void TestTelnetWindow::twoWindowsKeepInputApart()
{
    REQUIRE_ROOT();
    TTelnetForm *first = openThroughDialog(kSwitch5);
    TTelnetForm *second = openThroughDialog(kSwitch6);
    QVERIFY(first && second && first != second);
    QVERIFY(login(first, QStringLiteral("LAB-SW5>")));
    QVERIFY(login(second, QStringLiteral("LAB-SW6>")));

    // Half a line in one window, a whole line in the other, then Enter in
    // the first: each device gets its own line.
    typeKeys(first, QStringLiteral("echo alpha"));
    typeKeys(second, QStringLiteral("echo bravo\r"));
    QVERIFY(waitForText(second, QStringLiteral("\nbravo\nLAB-SW6>")));
    typeKeys(first, QStringLiteral("\r"));
    QVERIFY(waitForText(first, QStringLiteral("\nalpha\nLAB-SW5>")));
    QCOMPARE(m_lab->log(kSwitch5).last(), QStringLiteral("LINE echo alpha"));
    QCOMPARE(m_lab->log(kSwitch6).last(), QStringLiteral("LINE echo bravo"));
    QVERIFY(!boxText(first).contains(QStringLiteral("bravo")));
    QVERIFY(!boxText(second).contains(QStringLiteral("alpha")));
}

void TestTelnetWindow::openFromAnotherWindow()
{
    session().telnetIp = kClosed;
    TTelnetForm *form = openTelnetWindow(*m_main);
    QCOMPARE(session().telnetForm.data(), form);
    QCOMPARE(session().activeTelForm.data(), form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Telnet to 127.0.0.48"));
    QTRY_COMPARE(Messages::recorded(), QStringList{QStringLiteral("Connection refused: 127.0.0.48")});

    // A second window becomes the active one; clicking the first takes it back.
    TTelnetForm *other = openTelnetWindow(*m_main);
    QCOMPARE(session().activeTelForm.data(), other);
    QCOMPARE(session().telnetForm.data(), other);
    QTest::mouseClick(form->telnetTxt()->viewport(), Qt::LeftButton);
    QCOMPARE(session().activeTelForm.data(), form);
    m_main->mdiArea()->subWindowList().first()->close();
    QCOMPARE(session().activeTelForm.data(), nullptr);
}

void TestTelnetWindow::screenshot()
{
    REQUIRE_ROOT();
    TTelnetForm *form = openThroughDialog(kSwitch5);
    QVERIFY(login(form, QStringLiteral("LAB-SW5>")));
    typeKeys(form, QStringLiteral("show version\r"));
    QVERIFY(waitForText(form, QStringLiteral("uptime is 1 day\nLAB-SW5>")));
    typeKeys(form, QStringLiteral("show ter"));
    QTest::qWait(50);
    const QString folder = QStringLiteral(TNM_BIN_DIR "/../screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(m_main->grab().save(folder + QStringLiteral("/telnet-window.png")));
    m_main->action(QStringLiteral("Telnet to a Device"))->trigger();
    m_dialog->telnetIpIpt()->setText(QStringLiteral("192.0.2.10"));
    QVERIFY(m_dialog->grab().save(folder + QStringLiteral("/telnet-dialog.png")));
}

QTEST_MAIN(TestTelnetWindow)
#include "test_telnet_window.moc"

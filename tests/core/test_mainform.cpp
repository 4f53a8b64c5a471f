// The main window and the connection road, as a user drives them: menus
// and their enabling, the connect dialog's messages, a connection to a
// simulated device ending in its table window, a silent device, and the
// single-instance refusal.
#include "support/labdevices.h"

#include "connect/tiftableform.h"
#include "connect/tsnmpoptform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "snmp/ctarget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

class TestMainForm final : public QObject
{
    Q_OBJECT

    TMainForm *m_main = nullptr;
    TSnmpOptForm *m_dialog = nullptr;

    void fillDialog(const QStringList &communities, const QString &address)
    {
        m_dialog->optCancelClick();
        for (const QString &community : communities) {
            m_dialog->comIpt()->setText(community);
            m_dialog->addStrClick();
        }
        m_dialog->ipIpt()->setText(address);
    }

private Q_SLOTS:
    void initTestCase()
    {
        CTarget::setDefaultTimeout(30);
        Messages::startRecording();
        m_main = new TMainForm;
        m_dialog = new TSnmpOptForm(m_main);
        m_main->setConnectDialog(m_dialog);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanupTestCase() { delete m_main; }
    void init() { Messages::startRecording(); }

    void captionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("open table") << "&Open Interface Table" << "Ctrl+O";
        QTest::newRow("save table") << "&Save Current Interface Table" << "Ctrl+S";
        QTest::newRow("open document") << "Ope&n Configuration Document" << "Ctrl+N";
        QTest::newRow("print") << "&Print Current Configuration Document" << "Ctrl+P";
        QTest::newRow("undo") << "&Undo" << "Ctrl+Z";
        QTest::newRow("redo") << "&Redo" << "Ctrl+Y";
        QTest::newRow("delete") << "&Delete" << "Ctrl+D";
        QTest::newRow("find") << "&Find..." << "Ctrl+F";
        QTest::newRow("replace") << "R&eplace" << "Ctrl+R";
        QTest::newRow("fonts") << "Set F&onts..." << "Ctrl+Alt+S";
        QTest::newRow("search table") << "Search &Interface Table" << "Ctrl+I";
        QTest::newRow("help") << "&Contents" << "F1";
        QTest::newRow("connect") << "&Configuration and Interface Table Analysis" << "";
        QTest::newRow("about") << "&About Talvex Network Management" << "";
    }
    void captionsAndShortcuts()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QAction *action = m_main->action(caption);
        QVERIFY2(action, qPrintable(caption));
        QCOMPARE(action->shortcut().toString(), shortcut);
    }

    void startsReady()
    {
        QCOMPARE(m_main->windowTitle(), QString("Talvex Network Management v1.0.1"));
        QCOMPARE(m_main->statusText(), QString("Ready for connection"));
        for (const char *menu : {"&File", "&Edit", "&Analysis", "&Window", "&Sample", "&Help"})
            QVERIFY2(m_main->menu(menu), menu);
    }

    void tableCommandsFollowTheActiveTable()
    {
        m_main->updateMenus();
        for (const char *caption : {"&Close Interface Table", "Save Current Interface Table &As...",
                                    "Search &Interface Table", "&Display Topology", "&Export to EXCEL"})
            QVERIFY2(!m_main->action(caption)->isEnabled(), caption);
        session().ifTable = emptyIfTable(0);
        session().ifCount = 0;
        TIfTableForm *table = m_main->createIfTableForm();
        QVERIFY(session().activeIfTable == table);
        m_main->updateMenus();
        for (const char *caption : {"&Close Interface Table", "Save Current Interface Table &As...",
                                    "Search &Interface Table", "&Display Topology", "&Export to EXCEL"})
            QVERIFY2(m_main->action(caption)->isEnabled(), caption);
        // Saving needs a workbook behind the table.
        QVERIFY(!m_main->action("&Save Current Interface Table")->isEnabled());
        m_main->action("&Close Interface Table")->trigger();
        QTRY_VERIFY(!session().activeIfTable);
        m_main->updateMenus();
        QVERIFY(!m_main->action("&Display Topology")->isEnabled());
    }

    void dialogValidation_data()
    {
        QTest::addColumn<QStringList>("communities");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("snmpErr");
        QTest::newRow("no community") << QStringList{} << "127.0.0.11" << "Community string null or error!" << 0;
        QTest::newRow("no address") << QStringList{"public"} << "" << "Ip address null or error!" << 0;
        QTest::newRow("bad address") << QStringList{"public"} << "127.0.0.300" << "Ip Address error or invalid!" << 100;
    }
    void dialogValidation()
    {
        QFETCH(QStringList, communities);
        QFETCH(QString, address);
        QFETCH(QString, message);
        QFETCH(int, snmpErr);
        fillDialog(communities, address);
        m_dialog->optOkClick();
        QCOMPARE(Messages::recorded(), QStringList{message});
        QCOMPARE(session().snmpErr.load(), snmpErr);
        QVERIFY(!m_dialog->myTimer()->isActive());
        QVERIFY(session().communityList.isEmpty());
    }

    void enterInAddressNeedsACommunityText()
    {
        fillDialog({"public"}, "127.0.0.300");
        m_dialog->comIpt()->clear();
        QTest::keyClick(m_dialog->ipIpt(), Qt::Key_Return);
        QVERIFY(Messages::recorded().isEmpty());
    }

    void connectionOpensTheTableWindow()
    {
        fillDialog({"wrong", "public"}, Lab::IosL3);
        m_dialog->optOkClick();
        QVERIFY(Messages::recorded().isEmpty());
        QCOMPARE(m_main->statusText(), QString("Connecting"));
        QProgressBar *bar = m_main->progressBar();
        QVERIFY(bar);
        QCOMPARE(bar->maximum(), 400);
        QCOMPARE(bar->value(), 40);
        QCOMPARE(bar->geometry(), m_main->progressPanel()->geometry());
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<TIfTableForm *>(session().ifTableForm.data()), 30000);
        auto *table = qobject_cast<TIfTableForm *>(session().ifTableForm.data());
        QTRY_COMPARE(table->windowTitle(), QString("Interface Table - tx-core-01"));
        // A Cisco connection goes on with its configuration upload.
        QCOMPARE(m_main->statusText(), QString("Connecting"));
        QCOMPARE(bar->value(), 360);
        QVERIFY(!m_dialog->myTimer()->isActive());
    }

    void routerTableHasNoVlanColumn()
    {
        session().ifTableForm = nullptr;
        fillDialog({"public"}, Lab::Router);
        m_dialog->optOkClick();
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<TIfTableForm *>(session().ifTableForm.data()), 30000);
        auto *table = qobject_cast<TIfTableForm *>(session().ifTableForm.data());
        QTRY_COMPARE(table->windowTitle(), QString("Interface Table - edge-rtr-1"));
        QCOMPARE(table->gridCell(0, 6), QString("Ip Address"));
        QCOMPARE(table->gridCell(0, 7), QString());
        QCOMPARE(table->gridCell(1, 1), QString("Gi0/0/0"));
        QCOMPARE(table->gridCell(1, 3), QString("WAN to carrier-a"));
        QCOMPARE(table->gridCell(1, 6), QString("127.0.14.1"));
        QCOMPARE(table->gridCell(7, 0), QString("7"));
        QCOMPARE(table->gridCell(8, 0), QString());
    }

    void newConnectWhileTheLastOneRuns()
    {
        // The 1200-port device takes seconds; connecting to the layer-2
        // switch meanwhile must give one window, of the layer-2 switch only.
        session().ifTableForm = nullptr;
        const int windowsBefore = m_main->mdiArea()->subWindowList().size();
        fillDialog({"public"}, Lab::Big);
        m_dialog->optOkClick();
        QTest::qWait(1500);
        fillDialog({"public"}, Lab::Layer2);
        m_dialog->optOkClick();
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<TIfTableForm *>(session().ifTableForm.data()), 30000);
        auto *table = qobject_cast<TIfTableForm *>(session().ifTableForm.data());
        const QString title = table->windowTitle();
        QVERIFY2(!title.contains("big"), qPrintable(title));
        const int rows = session().ifCount;
        QVERIFY(rows < 100);
        // Long enough for the big device's workers to have ended.
        QTest::qWait(12000);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), windowsBefore + 1);
        QCOMPARE(session().ifCount, rows);
        QCOMPARE(table->gridCell(rows + 1, 0), QString());
        QCOMPARE(m_main->statusText(), QString("Ready"));
    }

    void generalDeviceEndsReady()
    {
        fillDialog({"public"}, Lab::Layer2);
        m_dialog->optOkClick();
        QTRY_COMPARE_WITH_TIMEOUT(m_main->statusText(), QString("Ready"), 30000);
        QCOMPARE(m_main->progressBar()->value(), 0);
        auto *table = qobject_cast<TIfTableForm *>(session().ifTableForm.data());
        QVERIFY(table);
        QTRY_VERIFY(table->windowTitle().startsWith("Interface Table - "));
    }

    void silentDeviceIsReported()
    {
        fillDialog({"public"}, Lab::Silent);
        m_dialog->optOkClick();
        QTRY_COMPARE_WITH_TIMEOUT(Messages::recorded(),
                                  QStringList{"SNMP connection error!Please check the community strings and "
                                              "local network connectivity."},
                                  30000);
        QCOMPARE(m_main->statusText(), QString("Ready"));
        QVERIFY(!m_dialog->myTimer()->isActive());
        QVERIFY(!m_main->confTimer()->isActive());
    }

    void secondCopyIsRefused()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TNM_TEST_MESSAGES", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        auto launch = [&env](QProcess &p) {
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(TNM_BIN_DIR "/tnm"));
            return p.waitForStarted();
        };
        QProcess first;
        QVERIFY(launch(first));
        QTest::qWait(1000);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        QVERIFY(launch(second));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardError().contains("Talvex Network Management has already run!"));

        // A copy that crashed leaves no lock behind for ever.
        first.kill();
        first.waitForFinished();
        QProcess third;
        QVERIFY(launch(third));
        QTest::qWait(1000);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished();
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"

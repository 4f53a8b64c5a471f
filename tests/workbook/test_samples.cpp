// The Sample menu: each command opens its interface table and its analysed
// configuration from the Example folder; a missing folder or configuration
// is reported; the CatOS sample's settings carry over to what follows. Also
// checks that the built sample workbooks hold what their sources say.
#include "config/tconfigfrm.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/workbookwriter.h"
#include "workbook/samplecommands.h"
#include "workbook/tabletext.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString SampleError = QStringLiteral("Sample file error or not exists.");
const QString BuiltExamples = QStringLiteral(TNM_BIN_DIR "/Example");
const QString ExampleSources = QStringLiteral(TNM_SOURCE_DIR "/src/workbook/example");

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestSamples final : public QObject
{
    Q_OBJECT

    TMainForm *m_main = nullptr;
    QTemporaryDir m_dir;

    QString folder(const QString &name) const { return m_dir.filePath(name); }
    int windowCount() const { return int(m_main->mdiArea()->subWindowList().size()); }
    // A folder holding the built sample files named.
    QString exampleFolder(const QString &name, const QStringList &files)
    {
        const QString dir = folder(name);
        QDir().mkpath(dir);
        for (const QString &file : files)
            QFile::copy(BuiltExamples + '/' + file, dir + '/' + file);
        return dir;
    }
    void choose(const char *caption) { m_main->action(QString::fromLatin1(caption))->trigger(); }
    TIfTableForm *table() const { return qobject_cast<TIfTableForm *>(session().activeIfTable.data()); }
    TConfigFrm *config() const { return qobject_cast<TConfigFrm *>(session().activeConfigFrm.data()); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo::exists(BuiltExamples), "build the tnm-examples target first");
        m_main = new TMainForm;
        installSampleCommands(*m_main);
        m_main->resize(1200, 800);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanupTestCase()
    {
        delete m_main;
        SampleCommands::setDirectoryForTesting(QString());
    }
    void init()
    {
        Messages::startRecording();
        m_main->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Session &s = session();
        s.devClass = 0;
        s.showNbr = false;
        s.devVendor.clear();
        s.devOsType.clear();
        s.ifTableFile = QStringLiteral("untouched.xls");
        s.configFrm = nullptr;
        s.activeConfigFrm = nullptr;
        SampleCommands::setDirectoryForTesting(QString());
    }

    void folderIsBesideTheExecutable()
    {
        QCOMPARE(SampleCommands::directory(), QCoreApplication::applicationDirPath() + "/Example");
    }

    void iosSample()
    {
        choose("Cisco IOS");
        QCOMPARE(Messages::recorded(), QStringList());
        QCOMPARE(windowCount(), 2);
        const Session &s = session();
        TIfTableForm *form = table();
        QVERIFY(form);
        QCOMPARE(s.ifTableForm.data(), form);
        const QString workbook = QDir::toNativeSeparators(BuiltExamples + "/Cisco_IOS_Interface_Table_Example.xls");
        QCOMPARE(form->windowTitle(), "Interface Table - " + workbook);
        QCOMPARE(s.ifCount, 38);
        QVERIFY(s.showNbr);
        QCOMPARE(s.devClass, 0);
        QCOMPARE(s.devVendor, QStringLiteral("Cisco"));
        QCOMPARE(s.devOsType, QStringLiteral("IOS"));
        QCOMPARE(s.devSysName, QDir::toNativeSeparators(BuiltExamples + "/Cisco_IOS_Configuration_Example.txt"));
        QCOMPARE(s.ifTableFile, QStringLiteral("untouched.xls"));
        // The layered switch layout with neighbours.
        QCOMPARE(form->gridCell(0, 7), QStringLiteral("Vlan No."));
        QCOMPARE(form->gridCell(0, 10), QStringLiteral("Port of Neighbour"));
        QCOMPARE(form->gridCell(27, 1), QStringLiteral("Gi1/1/3"));
        QCOMPARE(form->gridCell(23, 8), QStringLiteral("TLV-LAB-SW05\nTLV-LAB-SW06"));

        TConfigFrm *frm = config();
        QVERIFY(frm);
        QCOMPARE(s.configFrm.data(), frm);
        QCOMPARE(frm->plainText().trimmed(),
                 readText(BuiltExamples + "/Cisco_IOS_Configuration_Example.txt").trimmed());
        QVERIFY(frm->treeNodeCount() > 1);
    }

    void catosSampleThenIos()
    {
        choose("Cisco CATOS");
        QCOMPARE(Messages::recorded(), QStringList());
        QCOMPARE(windowCount(), 2);
        const Session &s = session();
        QCOMPARE(s.devClass, int(DeviceClass::Router));
        QVERIFY(s.showNbr);
        QCOMPARE(s.devOsType, QStringLiteral("CATOS"));
        QCOMPARE(s.ifCount, 20);
        TIfTableForm *form = table();
        QVERIFY(form);
        // Router layout: the neighbour columns in place of "Vlan No.", each
        // port with its own neighbour although the sheet holds them one row up.
        QCOMPARE(form->gridCell(0, 7), QStringLiteral("Neighbour ID"));
        QCOMPARE(form->gridCell(1, 1), QStringLiteral("1/1"));
        QCOMPARE(form->gridCell(1, 7), QStringLiteral("TLV-WHSE-RTR01"));
        QCOMPARE(form->gridCell(1, 9), QStringLiteral("GigabitEthernet0/1"));
        QCOMPARE(form->gridCell(5, 1), QStringLiteral("3/3"));
        QCOMPARE(form->gridCell(5, 7), QStringLiteral("SEP0A1B2C3D4F03"));
        QCOMPARE(form->gridCell(20, 1), QStringLiteral("sl0"));
        QCOMPARE(form->gridCell(20, 7), QString());
        QVERIFY(config());
        QCOMPARE(config()->plainText().trimmed(),
                 readText(BuiltExamples + "/Cisco_CATOS_Configuration_Example.txt").trimmed());

        // The IOS sample does not set the class: it now shows as a router's.
        choose("Cisco IOS");
        QCOMPARE(windowCount(), 4);
        QCOMPARE(s.devClass, int(DeviceClass::Router));
        QCOMPARE(s.devOsType, QStringLiteral("IOS"));
        QCOMPARE(table()->gridCell(0, 7), QStringLiteral("Neighbour ID"));
        for (int c = 0; c < 12; ++c)
            QVERIFY(table()->gridCell(0, c) != QStringLiteral("Vlan No."));
    }

    void missingFiles_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("files"); // in the Example folder; "-": no folder
        QTest::addColumn<int>("windows");

        QTest::newRow("IOS, no folder") << "Cisco IOS" << QStringList{"-"} << 0;
        QTest::newRow("CATOS, empty folder") << "Cisco CATOS" << QStringList{} << 0;
        QTest::newRow("IOS, configuration missing")
            << "Cisco IOS" << QStringList{"Cisco_IOS_Interface_Table_Example.xls"} << 1;
        QTest::newRow("CATOS, configuration missing")
            << "Cisco CATOS" << QStringList{"Cisco_CATOS_Interface_Table_Example.xls"} << 1;
        QTest::newRow("IOS, workbook missing")
            << "Cisco IOS" << QStringList{"Cisco_IOS_Configuration_Example.txt"} << 0;
    }
    void missingFiles()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, files);
        QFETCH(int, windows);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
        SampleCommands::setDirectoryForTesting(files == QStringList{"-"} ? folder(name + "-none")
                                                                         : exampleFolder(name, files));
        choose(qPrintable(caption));
        QCOMPARE(Messages::recorded(), QStringList{SampleError});
        QCOMPARE(windowCount(), windows);
        QCOMPARE(table() != nullptr, windows == 1);
        QVERIFY(!session().configFrm);
        QVERIFY(!config());
    }

    void notAWorkbook()
    {
        const QString dir = exampleFolder("bad", {"Cisco_IOS_Configuration_Example.txt"});
        QFile bad(dir + "/Cisco_IOS_Interface_Table_Example.xls");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a workbook");
        bad.close();
        SampleCommands::setDirectoryForTesting(dir);
        choose("Cisco IOS");
        QCOMPARE(Messages::recorded(), QStringList{SampleError});
        QCOMPARE(windowCount(), 0);
    }

    // The built workbooks hold exactly the cells their sources describe,
    // with the used columns the samples need.
    void builtWorkbooksMatchSources_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minColumns");
        QTest::newRow("IOS") << "Cisco_IOS_Interface_Table_Example" << 11;
        QTest::newRow("CATOS") << "Cisco_CATOS_Interface_Table_Example" << 10;
    }
    void builtWorkbooksMatchSources()
    {
        QFETCH(QString, name);
        QFETCH(int, minColumns);
        WorkbookWriter source;
        QString error;
        QVERIFY2(TableText::parse(readText(ExampleSources + '/' + name + ".tsv"), source, &error),
                 qPrintable(error));
        const WorkbookReadResult built = readWorkbook(BuiltExamples + '/' + name + ".xls");
        QVERIFY2(built.ok(), qPrintable(built.error));
        QVERIFY(built.sheet.columnCount() >= minColumns);
        for (int r = 0; r < built.sheet.rowCount() + 2; ++r)
            for (int c = 0; c < built.sheet.columnCount() + 2; ++c)
                QCOMPARE(built.sheet.cell(r, c), source.cell(r, c));
    }
};

QTEST_MAIN(TestSamples)
#include "test_samples.moc"

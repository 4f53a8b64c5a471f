// The workbook commands as a user drives them from the main window: saving
// and reopening each column layout, the used-range cases, Save As naming,
// Save and its enabling, Export into the desktop's spreadsheet, the errors,
// and the time a 1000-row table takes.
#include "platform/workbook/workbooktables.h"

#include "connect/iftablemodel.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "platform/desktopapps.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/workbookwriter.h"
#include "core/filedialogs.h"
#include "workbook/workbookcommands.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMdiArea>
#include <QMenu>
#include <QTableView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString NoSpreadsheet = QStringLiteral("EXCEL is not installed on this machine.");
const char *const OpenCaption = "&Open Interface Table";
const char *const SaveCaption = "&Save Current Interface Table";
const char *const SaveAsCaption = "Save Current Interface Table &As...";
const char *const CloseCaption = "&Close Interface Table";
const char *const ExportCaption = "&Export to EXCEL";

// A device table of rows interfaces with every column filled, several
// addresses and neighbours in some cells.
IfTableColumns deviceTable(int rows)
{
    IfTableColumns table = emptyIfTable(rows);
    for (int r = 0; r < rows; ++r) {
        table[IfColumn::PortName][size_t(r)] = QStringLiteral("Gi1/0/%1").arg(r + 1);
        table[IfColumn::Status][size_t(r)] = r % 3 ? QStringLiteral("up") : QStringLiteral("down");
        table[IfColumn::Description][size_t(r)] = QStringLiteral("Desk %1 é").arg(r);
        table[IfColumn::Speed][size_t(r)] = QStringLiteral("1000000000");
        table[IfColumn::DuplexMode][size_t(r)] = QStringLiteral("FullDuplex");
        if (r % 4 == 1)
            table[IfColumn::IpAddress][size_t(r)] = QStringLiteral("10.%1.0.1\n10.%1.8.1").arg(r % 250);
        table[IfColumn::VlanNo][size_t(r)] = QString::number(10 + r % 5);
        if (r % 2 == 0) {
            table[IfColumn::NeighbourId][size_t(r)] = QStringLiteral("SW-%1\nSW-%1b").arg(r);
            table[IfColumn::NeighbourIp][size_t(r)] = QStringLiteral("10.99.%1.%2").arg(r / 250).arg(r % 250);
            table[IfColumn::NeighbourPort][size_t(r)] = QStringLiteral("Gi0/%1").arg(r % 48);
        }
    }
    return table;
}
} // namespace

class TestWorkbookCommands final : public QObject
{
    Q_OBJECT

    TMainForm *m_main = nullptr;
    QTemporaryDir m_dir;
    QStringList m_answers; // the next answers of the file dialogs ("" cancels)
    QStringList m_dialogs; // "open:<title>:<filter>" or "save:..." for each dialog shown
    QStringList m_opened;  // files handed to the desktop
    bool m_hasSpreadsheet = true;
    bool m_openSucceeds = true;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QAction *action(const char *caption) const { return m_main->action(QString::fromLatin1(caption)); }
    int windowCount() const { return int(m_main->mdiArea()->subWindowList().size()); }
    TIfTableForm *activeTable() const { return qobject_cast<TIfTableForm *>(session().activeIfTable.data()); }
    void openFileMenu() { Q_EMIT m_main->menu(QStringLiteral("&File"))->aboutToShow(); }
    // Chooses a command as the user does: the menu opens, then the item.
    void choose(const char *menu, const char *caption)
    {
        Q_EMIT m_main->menu(QString::fromLatin1(menu))->aboutToShow();
        action(caption)->trigger();
    }

    // Shows a table as a connection would.
    TIfTableForm *showDeviceTable(int rows, int devClass, bool showNbr)
    {
        Session &s = session();
        s.ifTable = deviceTable(rows);
        s.ifCount = rows;
        s.devClass = devClass;
        s.showNbr = showNbr;
        s.devSysName = QStringLiteral("device");
        return m_main->createIfTableForm();
    }
    // Runs Open with the dialog answering file; the new window or none.
    TIfTableForm *openFile(const QString &file)
    {
        const int before = windowCount();
        m_answers << file;
        action(OpenCaption)->trigger();
        return windowCount() > before ? activeTable() : nullptr;
    }
    bool saveAs(const QString &chosen)
    {
        m_answers << chosen;
        choose("&File", SaveAsCaption);
        return QFileInfo::exists(chosen + QStringLiteral(".xls"));
    }
    static void compareGrids(const TIfTableForm *got, const TIfTableForm *expected, int rows)
    {
        for (int r = 0; r <= rows + 1; ++r)
            for (int c = 0; c <= 11; ++c)
                if (got->gridCell(r, c) != expected->gridCell(r, c))
                    QFAIL(qPrintable(QStringLiteral("grid (%1, %2): \"%3\", expected \"%4\"")
                                         .arg(r).arg(c).arg(got->gridCell(r, c), expected->gridCell(r, c))));
    }
    // Writes a workbook of rows x columns like a saved table: headings, row
    // numbers in column A, "r<r>c<c>" elsewhere.
    static void writeSheet(const QString &file, int rows, int columns)
    {
        WorkbookWriter writer;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                writer.setCell(r, c, c == 0 ? (r ? QString::number(r) : QStringLiteral("No."))
                                             : QStringLiteral("r%1c%2").arg(r).arg(c));
        QString error;
        QVERIFY2(writer.save(file, &error), qPrintable(error));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_main = new TMainForm;
        installWorkbookCommands(*m_main);
        m_main->resize(1200, 800);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        FileDialogs::setHandlerForTesting([this](FileDialogs::Kind kind, const QString &title, const QString &filter) {
            m_dialogs << QStringLiteral("%1:%2:%3")
                             .arg(kind == FileDialogs::Kind::Open ? "open" : "save", title, filter);
            return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        });
        DesktopApps::setQueryForTesting([this](const QString &mime) {
            return m_hasSpreadsheet && mime == QLatin1String("application/vnd.ms-excel");
        });
        DesktopApps::setOpenerForTesting([this](const QString &file) {
            m_opened << file;
            return m_openSucceeds;
        });
    }
    void cleanupTestCase()
    {
        delete m_main;
        FileDialogs::setHandlerForTesting({});
        DesktopApps::setQueryForTesting({});
        DesktopApps::setOpenerForTesting({});
    }
    void init()
    {
        Messages::startRecording();
        m_main->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_answers.clear();
        m_dialogs.clear();
        m_opened.clear();
        m_hasSpreadsheet = true;
        m_openSucceeds = true;
        session().ifTableFile.clear();
        session().devClass = 0;
        session().showNbr = false;
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("devClass");
        QTest::addColumn<bool>("showNbr");
        QTest::addColumn<int>("rows");
        QTest::newRow("without neighbours") << 0 << false << 30;
        QTest::newRow("with neighbours") << 0 << true << 30;
        QTest::newRow("no interfaces") << 1 << true << 0;
    }
    void roundTrip()
    {
        QFETCH(int, devClass);
        QFETCH(bool, showNbr);
        QFETCH(int, rows);
        TIfTableForm *original = showDeviceTable(rows, devClass, showNbr);
        const QString chosen = path(QStringLiteral("round-%1-%2").arg(devClass).arg(showNbr));
        QVERIFY(saveAs(chosen));
        QCOMPARE(m_dialogs, QStringList{"save:Save Interface Table As:Excel files (*.xls)"});
        QCOMPARE(session().ifTableFile, chosen + ".xls");
        original->close();

        TIfTableForm *reopened = openFile(chosen + ".xls");
        QVERIFY(reopened);
        QCOMPARE(Messages::recorded(), QStringList());
        QCOMPARE(session().ifCount, rows);
        QCOMPARE(session().showNbr, showNbr);
        QCOMPARE(session().ifTableFile, chosen + ".xls");
        QCOMPARE(session().devSysName, chosen + ".xls");
        QCOMPARE(reopened->windowTitle(), "Interface Table - " + chosen + ".xls");
        QCOMPARE(session().ifTableForm.data(), reopened);
        // Same grid as the window saved, line feeds included.
        TIfTableForm *expected = showDeviceTable(rows, devClass, showNbr);
        compareGrids(reopened, expected, rows);

        // And xlrd reads the same cells.
        QByteArray output;
        QString error;
        QVERIFY2(runScript(QStringLiteral("dump_xlrd.py"), {chosen + ".xls"}, &output, &error), qPrintable(error));
        const QJsonArray cells = QJsonDocument::fromJson(output).object().value("cells").toArray();
        QCOMPARE(cells.size(), rows + 1);
        for (int r = 0; r <= rows; ++r)
            for (int c = 0; c < cells.at(r).toArray().size(); ++c)
                QCOMPARE(cells.at(r).toArray().at(c).toString(), expected->gridCell(r, c));
    }

    // A router's table saved with neighbours comes back with the neighbour
    // columns one table column to the left.
    void routerNeighboursShiftLeft()
    {
        showDeviceTable(12, DeviceClass::Router, true);
        const QString chosen = path(QStringLiteral("router"));
        QVERIFY(saveAs(chosen));
        const IfTableColumns saved = deviceTable(12);
        QVERIFY(openFile(chosen + ".xls"));
        const Session &s = session();
        QCOMPARE(s.ifCount, 12);
        QVERIFY(s.showNbr); // 10 used columns
        for (int r = 0; r < 12; ++r) {
            QCOMPARE(s.ifTable[6][size_t(r)], saved[IfColumn::NeighbourId][size_t(r)]);
            QCOMPARE(s.ifTable[7][size_t(r)], saved[IfColumn::NeighbourIp][size_t(r)]);
            QCOMPARE(s.ifTable[8][size_t(r)], saved[IfColumn::NeighbourPort][size_t(r)]);
            QCOMPARE(s.ifTable[9][size_t(r)], QString());
        }
    }

    void usedRange_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("showNbr");
        QTest::newRow("11 columns") << 11 << true;
        QTest::newRow("8 columns") << 8 << false;
        QTest::newRow("9 columns") << 9 << false;
        QTest::newRow("10 columns") << 10 << true;
        QTest::newRow("5 columns") << 5 << false;
        QTest::newRow("1 column") << 1 << false;
    }
    void usedRange()
    {
        QFETCH(int, columns);
        QFETCH(bool, showNbr);
        const QString file = path(QStringLiteral("range%1.xls").arg(columns));
        writeSheet(file, 6, columns);
        session().showNbr = !showNbr;
        TIfTableForm *table = openFile(file);
        QVERIFY(table);
        const Session &s = session();
        QCOMPARE(s.ifCount, 5);
        QCOMPARE(s.showNbr, showNbr);
        QVERIFY(s.ifTable.size() >= size_t(IfColumn::Count));
        for (int i = 0; i < int(s.ifTable.size()); ++i)
            for (int j = 0; j < 5; ++j)
                QCOMPARE(s.ifTable[size_t(i)][size_t(j)],
                         i < columns - 1 ? QStringLiteral("r%1c%2").arg(j + 1).arg(i + 1) : QString());
        // The window shows what there is and leaves the rest empty.
        QCOMPARE(table->gridCell(5, 0), QStringLiteral("5"));
        QCOMPARE(table->gridCell(5, 1), columns > 1 ? QStringLiteral("r5c1") : QString());
        QCOMPARE(table->gridCell(5, 10), columns == 11 ? QStringLiteral("r5c10") : QString());
    }

    void saveAsAlwaysAppendsXls()
    {
        showDeviceTable(3, 0, false);
        const QString chosen = path(QStringLiteral("table.xls"));
        QVERIFY(saveAs(chosen));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("table.xls.xls"))));
        QVERIFY(!QFileInfo::exists(chosen));
        QCOMPARE(session().ifTableFile, path(QStringLiteral("table.xls.xls")));
    }

    void saveAsCancelledOrFailing()
    {
        showDeviceTable(3, 0, false);
        choose("&File", SaveAsCaption); // no answer: cancelled
        QCOMPARE(session().ifTableFile, QString());
        QVERIFY(!saveAs(path(QStringLiteral("no/such/folder/t"))));
        QCOMPARE(Messages::recorded(), QStringList{NoSpreadsheet});
        QCOMPARE(session().ifTableFile, QString());
    }

    void cancellingOpenEmptiesTheTableFile()
    {
        const QString file = path(QStringLiteral("cancel.xls"));
        writeSheet(file, 4, 8);
        QVERIFY(openFile(file));
        QCOMPARE(session().ifTableFile, file);
        openFileMenu();
        QVERIFY(action(SaveCaption)->isEnabled());

        const int windows = windowCount();
        action(OpenCaption)->trigger(); // cancelled
        QCOMPARE(m_dialogs.last(), QStringLiteral("open:Open Interface Table:Excel files (*.xls)"));
        QCOMPARE(session().ifTableFile, QString());
        QCOMPARE(windowCount(), windows);
        openFileMenu();
        QVERIFY(!action(SaveCaption)->isEnabled());
        QVERIFY(action(SaveAsCaption)->isEnabled());
        QVERIFY(action(CloseCaption)->isEnabled());
    }

    void fileMenuEnabling()
    {
        openFileMenu();
        QVERIFY(!action(CloseCaption)->isEnabled());
        QVERIFY(!action(SaveCaption)->isEnabled());
        QVERIFY(!action(SaveAsCaption)->isEnabled());
        session().ifTableFile = path(QStringLiteral("some.xls"));
        openFileMenu();
        QVERIFY(!action(SaveCaption)->isEnabled());

        showDeviceTable(2, 0, false);
        session().ifTableFile.clear();
        openFileMenu();
        QVERIFY(action(CloseCaption)->isEnabled());
        QVERIFY(action(SaveAsCaption)->isEnabled());
        QVERIFY(!action(SaveCaption)->isEnabled());

        // Close closes the active table; nothing is active afterwards.
        choose("&File", CloseCaption);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windowCount(), 0);
        QVERIFY(!activeTable());
        openFileMenu();
        QVERIFY(!action(CloseCaption)->isEnabled());
    }

    void commandsWithoutTableDoNothing()
    {
        // The toolbar buttons run their commands whatever the menu shows.
        session().ifTableFile = path(QStringLiteral("some.xls"));
        for (const char *hint : {"Save current table", "Save current table as", "Export to excel"}) {
            auto *button = m_main->findChild<QAction *>(QStringLiteral("button:") + QLatin1String(hint));
            QVERIFY2(button, hint);
            button->trigger();
        }
        action(CloseCaption)->setEnabled(true);
        action(CloseCaption)->trigger();
        QCOMPARE(m_dialogs, QStringList());
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(Messages::recorded(), QStringList());
    }

    // Save writes the edited grid back, keeps what the workbook holds
    // beyond the table, and disables itself and its button.
    void saveWritesEditsBack()
    {
        const QString file = path(QStringLiteral("edit.xls"));
        writeSheet(file, 6, 11);
        {
            // A note beside the table that Save must not lose.
            const WorkbookReadResult read = readWorkbook(file);
            WorkbookWriter writer;
            for (int r = 0; r < read.sheet.rowCount(); ++r)
                for (int c = 0; c < read.sheet.columnCount(); ++c)
                    writer.setCell(r, c, read.sheet.cell(r, c));
            writer.setCell(2, 13, QStringLiteral("note"));
            QVERIFY(writer.save(file));
        }
        TIfTableForm *table = openFile(file);
        QVERIFY(table);
        QAction *button = m_main->findChild<QAction *>(QStringLiteral("button:Save current table"));
        QVERIFY(button);
        action(SaveCaption)->setEnabled(false);
        button->setEnabled(false);
        // Typing in the grid of a table from a workbook enables Save.
        table->grid()->setFocus();
        table->setCurrentGridCell(3, 2);
        QTest::keyClick(table->grid(), Qt::Key_Right);
        QVERIFY(action(SaveCaption)->isEnabled());
        QVERIFY(button->isEnabled());

        table->model()->setGridCell(3, 2, QStringLiteral("edited\nline two"));
        table->model()->setGridCell(4, 5, QString());
        action(SaveCaption)->trigger();
        QCOMPARE(Messages::recorded(), QStringList());
        QVERIFY(!action(SaveCaption)->isEnabled());
        QVERIFY(!button->isEnabled());

        const WorkbookReadResult read = readWorkbook(file);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.sheet.cell(3, 2), QStringLiteral("edited\nline two"));
        QCOMPARE(read.sheet.cell(4, 5), QString());
        QCOMPARE(read.sheet.cell(5, 10), QStringLiteral("r5c10"));
        QCOMPARE(read.sheet.cell(2, 13), QStringLiteral("note"));
        // Grid column 11 is not part of a saved table; the sheet keeps its own.
        QCOMPARE(read.sheet.rowCount(), 6);
    }

    // Save never writes one table into the workbook of another: a table
    // that does not own the table file is saved under a new name.
    void saveOfAnotherTableAsksForAName()
    {
        const QString file = path(QStringLiteral("owned.xls"));
        writeSheet(file, 4, 11);
        QVERIFY(openFile(file));
        const QByteArray before = fileHash(file);
        showDeviceTable(5, 0, true);
        QCOMPARE(session().ifTableFile, file);
        choose("&File", SaveCaption); // dialog cancelled
        QCOMPARE(m_dialogs.last().left(5), QStringLiteral("save:"));
        QCOMPARE(fileHash(file), before);
        QCOMPARE(session().ifTableFile, file);
    }

    void saveOfAVanishedWorkbookReportsIt()
    {
        const QString file = path(QStringLiteral("vanishing.xls"));
        writeSheet(file, 4, 8);
        QVERIFY(openFile(file));
        QVERIFY(QFile::remove(file));
        choose("&File", SaveCaption);
        QCOMPARE(Messages::recorded().size(), 1);
        QVERIFY2(Messages::recorded().first().contains(file), qPrintable(Messages::recorded().first()));
        QVERIFY(!QFileInfo::exists(file));
    }

    void saveNeverDropsOtherSheets()
    {
        // A workbook of two sheets, written by a third-party writer.
        const QString file = path(QStringLiteral("two-sheets.xls"));
        QProcess python;
        // Debian's xlwt is installed for the system interpreter, which a
        // python3 first on PATH (pyenv, a venv) may not be.
        python.start(QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                      : QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, xlwt\n"
                                     "b = xlwt.Workbook()\n"
                                     "s = b.add_sheet('Table')\n"
                                     "for c, t in enumerate(['No.', 'Port Name', 'Status', 'Description', 'Speed',"
                                     " 'Duplex Mode', 'Ip Address', 'Vlan No.']): s.write(0, c, t)\n"
                                     "s.write(1, 0, 1); s.write(1, 1, 'Gi0/1')\n"
                                     "b.add_sheet('Notes').write(0, 0, 'keep me')\n"
                                     "b.save(sys.argv[1])\n"),
                      file});
        QVERIFY(python.waitForFinished(20000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        QVERIFY(openFile(file));
        const QByteArray before = fileHash(file);

        choose("&File", SaveCaption); // the name dialog is cancelled
        QCOMPARE(Messages::recorded().size(), 1);
        QVERIFY(Messages::recorded().first().contains(QStringLiteral("more than one sheet")));
        QCOMPARE(m_dialogs.last().left(5), QStringLiteral("save:"));
        QCOMPARE(fileHash(file), before);
    }

    void openErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // "-": no file
        QTest::addColumn<QString>("message");    // the start of the one message shown

        QTest::newRow("not a workbook") << "text.xls" << QByteArray("Port;Status\nGi0/1;up\n") << "Cannot read";
        QTest::newRow("empty file") << "empty.xls" << QByteArray() << "Cannot read";
        QTest::newRow("truncated") << "cut.xls" << QByteArray("cut") << "Cannot read";
        QTest::newRow("missing file") << "missing.xls" << QByteArray("-") << NoSpreadsheet;
        QTest::newRow("a folder") << "folder.xls" << QByteArray("-") << NoSpreadsheet;
    }
    void openErrors()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString file = path(name);
        if (name == QLatin1String("folder.xls")) {
            QVERIFY(QDir(m_dir.path()).mkpath(name));
        } else if (content == "cut") {
            writeSheet(file, 40, 11);
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
        } else if (content != "-") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        TIfTableForm *shown = showDeviceTable(3, 0, false);
        const QByteArray before = fileHash(file);
        QVERIFY(!openFile(file));
        QCOMPARE(Messages::recorded().size(), 1);
        QVERIFY2(Messages::recorded().first().startsWith(message), qPrintable(Messages::recorded().first()));
        // Nothing changed, and Save cannot write the open table over the file.
        QCOMPARE(session().ifTableFile, QString());
        QCOMPARE(session().ifCount, 3);
        QCOMPARE(activeTable(), shown);
        QCOMPARE(fileHash(file), before);
    }

    void exportTable_data()
    {
        QTest::addColumn<int>("devClass");
        QTest::addColumn<bool>("showNbr");
        QTest::addColumn<int>("columns");
        QTest::newRow("without neighbours") << 0 << false << 8;
        QTest::newRow("with neighbours") << 0 << true << 11;
        QTest::newRow("router with neighbours") << 2 << true << 11;
    }
    void exportTable()
    {
        QFETCH(int, devClass);
        QFETCH(bool, showNbr);
        QFETCH(int, columns);
        TIfTableForm *table = showDeviceTable(20, devClass, showNbr);
        choose("&Analysis", ExportCaption);
        QCOMPARE(Messages::recorded(), QStringList());
        QCOMPARE(m_opened.size(), 1);
        const QString file = m_opened.first();
        QVERIFY(file.startsWith(QDir::tempPath()));

        QByteArray output;
        QString error;
        QVERIFY2(runScript(QStringLiteral("dump_xlrd.py"), {file}, &output, &error), qPrintable(error));
        const QJsonObject dump = QJsonDocument::fromJson(output).object();
        QCOMPARE(dump.value("ncols").toInt(), columns);
        QCOMPARE(dump.value("nrows").toInt(), session().ifCount + 1);
        QCOMPARE(dump.value("wrapped").toArray(), QJsonArray{true});
        const QJsonArray cells = dump.value("cells").toArray();
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c < columns; ++c)
                QCOMPARE(cells.at(r).toArray().at(c).toString(), table->gridCell(r, c));
        QDir(QFileInfo(file).path()).removeRecursively();
    }

    // The table shown earlier is exported as its window shows it, not as
    // the session's later count and neighbour option describe.
    void exportOfAnEarlierTable()
    {
        TIfTableForm *earlier = showDeviceTable(7, 0, true);
        showDeviceTable(3, 0, false);
        session().activeIfTable = earlier;
        choose("&Analysis", ExportCaption);
        QCOMPARE(m_opened.size(), 1);
        const WorkbookReadResult read = readWorkbook(m_opened.first());
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.sheet.rowCount(), 8);
        QCOMPARE(read.sheet.columnCount(), 11);
        QDir(QFileInfo(m_opened.first()).path()).removeRecursively();
    }

    void exportWithoutSpreadsheet_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("opened");
        QTest::newRow("no application registered") << false << 0;
        QTest::newRow("application fails to start") << true << 1;
    }
    void exportWithoutSpreadsheet()
    {
        QFETCH(bool, registered);
        QFETCH(int, opened);
        m_hasSpreadsheet = registered;
        m_openSucceeds = false;
        showDeviceTable(4, 0, false);
        choose("&Analysis", ExportCaption);
        QCOMPARE(Messages::recorded(), QStringList{NoSpreadsheet});
        QCOMPARE(m_opened.size(), opened);
        for (const QString &file : std::as_const(m_opened))
            QDir(QFileInfo(file).path()).removeRecursively();
    }

    // Saves and reopens a 1000-row table with neighbour columns.
    void benchmarkThousandRows()
    {
        TIfTableForm *original = showDeviceTable(1000, 0, true);
        const QString chosen = path(QStringLiteral("bench"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(saveAs(chosen));
        const qint64 saveMs = timer.restart();
        TIfTableForm *reopened = openFile(chosen + ".xls");
        const qint64 openMs = timer.elapsed();
        QVERIFY(reopened);
        QCOMPARE(session().ifCount, 1000);
        compareGrids(reopened, original, 1000);
        // Save reads the workbook again and writes it back.
        reopened->model()->setGridCell(1000, 3, QStringLiteral("edited"));
        timer.restart();
        choose("&File", SaveCaption);
        const qint64 resaveMs = timer.elapsed();
        QCOMPARE(Messages::recorded(), QStringList());
        QCOMPARE(readWorkbook(chosen + ".xls").sheet.cell(1000, 3), QStringLiteral("edited"));
        qInfo("1000 rows with neighbours: Save As %lld ms, Open %lld ms, Save %lld ms", saveMs, openMs,
              resaveMs);
        QVERIFY2(saveMs < 5000 && openMs < 5000 && resaveMs < 5000, "far slower than expected");
    }
};

QTEST_MAIN(TestWorkbookCommands)
#include "test_workbookcommands.moc"

// The interface-table window: layouts by device class and neighbour option,
// the grid as an editable copy, active-table tracking, Save enabling and the
// search driven through the window.
#include "connect/iftablemodel.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

// A table whose cell (row, column) reads "c<column>r<row>".
IfTableColumns labelledTable(int rows)
{
    IfTableColumns table = emptyIfTable(rows);
    for (int c = 0; c < IfColumn::Count; ++c)
        for (int r = 0; r < rows; ++r)
            table[size_t(c)][size_t(r)] = QStringLiteral("c%1r%2").arg(c).arg(r);
    return table;
}

void setSessionTable(const IfTableColumns &table, int ifCount, int devClass, bool showNbr,
                     const QString &sysName = QStringLiteral("lab-sw"))
{
    Session &s = session();
    s.ifTable = table;
    s.ifCount = ifCount;
    s.devClass = devClass;
    s.showNbr = showNbr;
    s.devSysName = sysName;
    s.ifTableFile.clear();
}

QStringList headingRow(const TIfTableForm &form)
{
    QStringList headings;
    for (int c = 0; c <= 10; ++c)
        headings << form.gridCell(0, c);
    return headings;
}

QStringList bodyRow(const TIfTableForm &form, int gridRow)
{
    QStringList cells;
    for (int c = 0; c <= 10; ++c)
        cells << form.gridCell(gridRow, c);
    return cells;
}

} // namespace

class TestIfTableForm : public QObject
{
    Q_OBJECT

    QMdiArea *m_area = nullptr;

    TIfTableForm *open()
    {
        TIfTableForm *form = TIfTableForm::openIn(m_area);
        QCoreApplication::processEvents();
        return form;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_area = new QMdiArea;
        m_area->resize(1000, 700);
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area));
    }
    void cleanupTestCase() { delete m_area; }
    void init() { Messages::startRecording(); }
    void cleanup()
    {
        m_area->closeAllSubWindows();
        QCoreApplication::processEvents();
        Messages::stopRecording();
    }

    void layouts_data()
    {
        QTest::addColumn<int>("devClass");
        QTest::addColumn<bool>("showNbr");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QStringList>("firstRow");

        const QStringList base{"No.", "Port Name", "Status", "Description", "Speed", "Duplex Mode",
                               "Ip Address"};
        const QStringList plainCells{"1",    "c0r0", "c1r0", "c2r0", "c3r0", "c4r0",
                                     "c5r0", "c6r0", "",     "",     ""};
        QTest::newRow("switch, no neighbours")
            << 0 << false << (base + QStringList{"Vlan No.", "", "", ""}) << plainCells;
        QTest::newRow("layer-2 switch, no neighbours")
            << 1 << false << (base + QStringList{"Vlan No.", "", "", ""}) << plainCells;
        // The VLAN column of a router is filled but has no heading.
        QTest::newRow("router, no neighbours")
            << 2 << false << (base + QStringList{"", "", "", ""}) << plainCells;
        QTest::newRow("switch with neighbours")
            << 0 << true
            << (base + QStringList{"Vlan No.", "Neighbour ID", "IP of Neighbour", "Port of Neighbour"})
            << QStringList{"1", "c0r0", "c1r0", "c2r0", "c3r0", "c4r0", "c5r0", "c6r0", "c7r0", "c8r0", "c9r0"};
        QTest::newRow("router with neighbours: VLAN left out")
            << 2 << true
            << (base + QStringList{"Neighbour ID", "IP of Neighbour", "Port of Neighbour", ""})
            << QStringList{"1", "c0r0", "c1r0", "c2r0", "c3r0", "c4r0", "c5r0", "c7r0", "c8r0", "c9r0", ""};
    }
    void layouts()
    {
        QFETCH(int, devClass);
        QFETCH(bool, showNbr);
        QFETCH(QStringList, headings);
        QFETCH(QStringList, firstRow);

        setSessionTable(labelledTable(3), 3, devClass, showNbr, QStringLiteral("tx-core-01"));
        TIfTableForm *form = open();
        QCOMPARE(form->windowTitle(), QStringLiteral("Interface Table - tx-core-01"));
        QCOMPARE(headingRow(*form), headings);
        QCOMPARE(bodyRow(*form, 1), firstRow);
        QCOMPARE(form->gridCell(3, 0), QStringLiteral("3"));
        QCOMPARE(form->gridCell(4, 0), QString());
        QCOMPARE(form->gridColumnCount(), 1000);
        QCOMPARE(form->gridRowCount(), 1001);
        // The view shows the headings and row numbers in its headers.
        QCOMPARE(form->model()->headerData(0, Qt::Horizontal).toString(), headings.at(1));
        QCOMPARE(form->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
    }

    void gridIsACopyTakenWhenShown()
    {
        setSessionTable(labelledTable(2), 2, 0, false);
        session().ifTable[5][1] = QStringLiteral("10.0.0.1\n10.0.1.1");
        TIfTableForm *form = open();
        QCOMPARE(form->gridCell(2, 6), QStringLiteral("10.0.0.1\n10.0.1.1"));

        // Edits stay in the grid; later connections do not reach it.
        QVERIFY(form->model()->setData(form->model()->index(0, 0), QStringLiteral("Gi0/9")));
        QCOMPARE(form->gridCell(1, 1), QStringLiteral("Gi0/9"));
        QCOMPARE(session().ifTable[0][0], QStringLiteral("c0r0"));
        session().ifTable = emptyIfTable(0);
        session().ifCount = 0;
        form->hide();
        form->show();
        QCOMPARE(form->gridCell(2, 1), QStringLiteral("c0r1"));
    }

    void shortTablesAndManyRows()
    {
        // A table with fewer columns than the layout reads leaves the rest empty.
        IfTableColumns narrow(7, std::vector<QString>(2, QStringLiteral("x")));
        setSessionTable(narrow, 2, 0, true);
        TIfTableForm *form = open();
        QCOMPARE(form->gridCell(2, 7), QStringLiteral("x"));
        QCOMPARE(form->gridCell(2, 8), QString());
        form->close();

        // More interfaces than the classic 1000 rows still all get a row.
        setSessionTable(labelledTable(1500), 1500, 0, false);
        form = open();
        QCOMPARE(form->gridRowCount(), 1501);
        QCOMPARE(form->gridCell(1500, 0), QStringLiteral("1500"));
        QCOMPARE(form->gridCell(1500, 1), QStringLiteral("c0r1499"));
    }

    void activeTableFollowsShowClickAndClose()
    {
        setSessionTable(labelledTable(2), 2, 0, false, QStringLiteral("first"));
        TIfTableForm *first = open();
        QCOMPARE(session().activeIfTable.data(), first);
        setSessionTable(labelledTable(2), 2, 0, false, QStringLiteral("second"));
        TIfTableForm *second = open();
        QCOMPARE(session().activeIfTable.data(), second);

        QTest::mouseClick(first->grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(session().activeIfTable.data(), first);

        // Closing any table leaves no active one, even though the MDI area
        // activates the remaining window by itself.
        second->close();
        QTRY_VERIFY(m_area->subWindowList().size() == 1);
        QCoreApplication::processEvents();
        QVERIFY(session().activeIfTable.isNull());
        QTest::mouseClick(first->grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(session().activeIfTable.data(), first);
        first->close();
        QTRY_VERIFY(m_area->subWindowList().isEmpty());
        QVERIFY(session().activeIfTable.isNull());
    }

    void typingEnablesSaveOnlyForWorkbookTables()
    {
        for (const bool fromWorkbook : {false, true}) {
            setSessionTable(labelledTable(2), 2, 0, false);
            if (fromWorkbook)
                session().ifTableFile = QStringLiteral("/tmp/table.xls");
            TIfTableForm *form = open();
            QSignalSpy spy(form, &TIfTableForm::saveEnablingRequested);
            form->grid()->setFocus();
            QTest::keyClick(form->grid(), Qt::Key_Right);
            QCOMPARE(spy.isEmpty(), !fromWorkbook);
            form->close();
            QCoreApplication::processEvents();
        }
        session().ifTableFile.clear();
    }

    void searchThroughTheWindow()
    {
        IfTableColumns table = emptyIfTable(4);
        table[9][2] = QStringLiteral("needle-a"); // grid row 3, column 10
        table[0][3] = QStringLiteral("NEEDLE-b"); // grid row 4, column 1
        setSessionTable(table, 4, 0, true);
        TIfTableForm *form = open();
        form->startSearch();
        QCOMPARE(form->currentGridRow(), 1);
        QCOMPARE(form->currentGridColumn(), 1);

        QVERIFY(form->findNext(QStringLiteral("needle")));
        QCOMPARE(form->currentGridRow(), 3);
        QCOMPARE(form->currentGridColumn(), 10);
        QVERIFY(form->grid()->hasFocus() || !QApplication::focusWidget());
        QVERIFY(form->findNext(QStringLiteral("needle")));
        QCOMPARE(form->currentGridRow(), 4);
        QCOMPARE(form->currentGridColumn(), 1);
        QVERIFY(Messages::recorded().isEmpty());
        QVERIFY(!form->findNext(QStringLiteral("needle")));
        QCOMPARE(Messages::recorded(), QStringList{"End of interface table reached."});
        QVERIFY(form->findNext(QStringLiteral("needle")));
        QCOMPARE(form->currentGridRow(), 3);
    }

    void emptyTableFindsNothing()
    {
        setSessionTable(emptyIfTable(0), 0, 0, false);
        TIfTableForm *form = open();
        QCOMPARE(form->gridCell(1, 0), QString());
        form->startSearch();
        QVERIFY(!form->findNext(QStringLiteral("No.")));
        QCOMPARE(Messages::recorded(), QStringList{"End of interface table reached."});
    }
};

QTEST_MAIN(TestIfTableForm)
#include "test_iftable_form.moc"

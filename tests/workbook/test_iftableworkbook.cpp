// How interface tables map onto worksheets: the tables read back from used
// ranges of every width, the CatOS sample's shifted reading, the rows and
// columns written from a grid, the Save As name, and the sample sources'
// text format.
#include "platform/workbook/workbooksheet.h"
#include "platform/workbook/workbookwriter.h"
#include "workbook/iftableworkbook.h"
#include "workbook/tabletext.h"

#include <QTest>

namespace {

// A sheet of rows x columns whose cell (r, c) reads "r<r>c<c>".
WorkbookSheet numberedSheet(int rows, int columns)
{
    QStringList cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            cells << QStringLiteral("r%1c%2").arg(r).arg(c);
    return WorkbookSheet(rows, columns, cells);
}

QString numbered(int row, int column)
{
    return QStringLiteral("r%1c%2").arg(row).arg(column);
}

} // namespace

class TestIfTableWorkbook final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableFromSheet_data();
    void tableFromSheet();
    void catosTableFromSheet_data();
    void catosTableFromSheet();
    void countGridRows_data();
    void countGridRows();
    void writeGrid();
    void saveAsPath_data();
    void saveAsPath();
    void tableText_data();
    void tableText();
    void tableTextErrors();
};

void TestIfTableWorkbook::tableFromSheet_data()
{
    QTest::addColumn<int>("sheetRows");
    QTest::addColumn<int>("sheetColumns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columnsRead");
    QTest::addColumn<bool>("neighbours");

    QTest::newRow("11 columns: neighbour layout") << 25 << 11 << 24 << 10 << true;
    QTest::newRow("8 columns: plain layout") << 25 << 8 << 24 << 7 << false;
    QTest::newRow("9 columns") << 4 << 9 << 3 << 8 << false;
    QTest::newRow("10 columns: router layout with neighbours") << 4 << 10 << 3 << 9 << true;
    QTest::newRow("12 columns") << 3 << 12 << 2 << 11 << true;
    QTest::newRow("fewer than 7 columns") << 6 << 4 << 5 << 3 << false;
    QTest::newRow("only column A") << 6 << 1 << 5 << 0 << false;
    QTest::newRow("heading row only") << 1 << 11 << 0 << 10 << true;
    QTest::newRow("empty sheet") << 0 << 0 << 0 << 0 << false;
}

void TestIfTableWorkbook::tableFromSheet()
{
    QFETCH(int, sheetRows);
    QFETCH(int, sheetColumns);
    QFETCH(int, rows);
    QFETCH(int, columnsRead);
    QFETCH(bool, neighbours);

    const IfTableWorkbook::SheetTable read =
        IfTableWorkbook::tableFromSheet(numberedSheet(sheetRows, sheetColumns));
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.columnsRead, columnsRead);
    QCOMPARE(IfTableWorkbook::showsNeighbours(read.columnsRead), neighbours);
    // Columns the sheet does not reach are there, empty.
    QCOMPARE(int(read.table.size()), int(IfColumn::Count));
    for (int i = 0; i < int(read.table.size()); ++i) {
        QCOMPARE(int(read.table[size_t(i)].size()), rows);
        for (int j = 0; j < rows; ++j)
            QCOMPARE(read.table[size_t(i)][size_t(j)], i < columnsRead ? numbered(j + 1, i + 1) : QString());
    }
}

void TestIfTableWorkbook::catosTableFromSheet_data()
{
    QTest::addColumn<int>("sheetRows");
    QTest::addColumn<int>("sheetColumns");

    QTest::newRow("10 columns") << 6 << 10;
    QTest::newRow("11 columns") << 6 << 11;
    QTest::newRow("7 columns") << 3 << 7;
    QTest::newRow("heading row only") << 1 << 10;
}

void TestIfTableWorkbook::catosTableFromSheet()
{
    QFETCH(int, sheetRows);
    QFETCH(int, sheetColumns);

    const IfTableWorkbook::SheetTable read =
        IfTableWorkbook::catosTableFromSheet(numberedSheet(sheetRows, sheetColumns));
    QCOMPARE(read.rows, sheetRows - 1);
    QCOMPARE(read.columnsRead, sheetColumns);
    QVERIFY(read.table.size() >= size_t(IfColumn::Count));
    for (int j = 0; j < read.rows; ++j) {
        for (int i = 0; i < int(read.table.size()); ++i) {
            QString expected;
            if (i < sheetColumns && i < IfColumn::VlanNo)
                expected = numbered(j + 1, i + 1);
            else if (i < sheetColumns && i > IfColumn::VlanNo)
                expected = numbered(j, i); // one row and one column earlier
            QCOMPARE(read.table[size_t(i)][size_t(j)], expected);
        }
    }
}

void TestIfTableWorkbook::countGridRows_data()
{
    QTest::addColumn<QStringList>("numbers"); // column 0, from row 0
    QTest::addColumn<int>("maxRows");
    QTest::addColumn<int>("rows");

    QTest::newRow("heading only") << QStringList{"No."} << 1001 << 1;
    QTest::newRow("three interfaces") << QStringList{"No.", "1", "2", "3"} << 1001 << 4;
    QTest::newRow("stops at the first gap") << QStringList{"No.", "1", "", "3"} << 1001 << 2;
    QTest::newRow("bounded") << QStringList{"No.", "1", "2", "3"} << 2 << 2;
    QTest::newRow("empty grid") << QStringList{} << 1001 << 0;
}

void TestIfTableWorkbook::countGridRows()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, maxRows);
    QFETCH(int, rows);
    const auto cell = [&numbers](int row, int col) {
        if (col != 0)
            return QStringLiteral("x");
        return row < numbers.size() ? numbers.at(row) : QString();
    };
    QCOMPARE(IfTableWorkbook::countGridRows(cell, maxRows), rows);
}

void TestIfTableWorkbook::writeGrid()
{
    WorkbookWriter writer;
    writer.setCell(1, 1, QStringLiteral("cleared by an empty grid cell"));
    writer.setCell(3, 3, QStringLiteral("outside, kept"));
    writer.setCell(0, 12, QStringLiteral("outside, kept"));
    const auto cell = [](int row, int col) {
        return row == 1 && col == 1 ? QString() : numbered(row, col);
    };
    IfTableWorkbook::writeGrid(writer, cell, 2, 10);
    for (int r = 0; r <= 2; ++r)
        for (int c = 0; c <= 10; ++c)
            QCOMPARE(writer.cell(r, c), r == 1 && c == 1 ? QString() : numbered(r, c));
    QCOMPARE(writer.cell(3, 3), QStringLiteral("outside, kept"));
    QCOMPARE(writer.cell(0, 12), QStringLiteral("outside, kept"));
    QCOMPARE(writer.cell(0, 11), QString());
}

void TestIfTableWorkbook::saveAsPath_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain name") << "/tmp/table" << "/tmp/table.xls";
    QTest::newRow("name already ending in .xls") << "/tmp/table.xls" << "/tmp/table.xls.xls";
}

void TestIfTableWorkbook::saveAsPath()
{
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QCOMPARE(IfTableWorkbook::saveAsPath(chosen), path);
}

void TestIfTableWorkbook::tableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("rows");

    QTest::newRow("rows and cells") << "a\tb\nc\td\te\n" << QList<QStringList>{{"a", "b"}, {"c", "d", "e"}};
    QTest::newRow("no final line feed") << "a\tb" << QList<QStringList>{{"a", "b"}};
    QTest::newRow("comments make no row") << "# note\na\n# more\nb\n" << QList<QStringList>{{"a"}, {"b"}};
    QTest::newRow("empty line is an empty row") << "a\n\nb\n" << QList<QStringList>{{"a"}, {}, {"b"}};
    QTest::newRow("empty cells") << "\t\tc\n" << QList<QStringList>{{"", "", "c"}};
    QTest::newRow("escapes") << "10.0.0.1\\n10.0.0.2\ttab\\there\tback\\\\slash\n"
                             << QList<QStringList>{{"10.0.0.1\n10.0.0.2", "tab\there", "back\\slash"}};
    QTest::newRow("CRLF line ends") << "a\tb\r\nc\r\n" << QList<QStringList>{{"a", "b"}, {"c"}};
    QTest::newRow("non-ASCII") << "Коммутатор\té\n" << QList<QStringList>{{"Коммутатор", "é"}};
}

void TestIfTableWorkbook::tableText()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, rows);
    WorkbookWriter writer;
    QString error;
    QVERIFY2(TableText::parse(text, writer, &error), qPrintable(error));
    for (int r = 0; r < rows.size() + 1; ++r)
        for (int c = 0; c < 4; ++c) {
            const QString expected = r < rows.size() && c < rows[r].size() ? rows[r][c] : QString();
            QCOMPARE(writer.cell(r, c), expected);
        }
}

void TestIfTableWorkbook::tableTextErrors()
{
    for (const QString &text : {QStringLiteral("ok\nbad\\x\n"), QStringLiteral("ok\nends in \\")}) {
        WorkbookWriter writer;
        QString error;
        QVERIFY(!TableText::parse(text, writer, &error));
        QVERIFY2(error.startsWith(QStringLiteral("line 2:")), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestIfTableWorkbook)
#include "test_iftableworkbook.moc"

// Find Next over an interface grid: which cells it visits in which order,
// where it continues after a hit, how it matches and where the table ends.
#include "connect/iftablesearch.h"
#include "core/session.h"

#include <QHash>
#include <QPoint>
#include <QTest>

namespace {

// A grid with a heading row, row numbers 1..ifCount in column 0 and the
// given body cells ("row,col" -> text).
class Grid final
{
public:
    Grid(int ifCount, const QHash<QString, QString> &cells)
    {
        m_cells.insert(QPoint(0, 0), QStringLiteral("No."));
        m_cells.insert(QPoint(0, 1), QStringLiteral("Port Name"));
        for (int row = 1; row <= ifCount; ++row)
            m_cells.insert(QPoint(row, 0), QString::number(row));
        for (auto it = cells.begin(); it != cells.end(); ++it)
            m_cells.insert(QPoint(it.key().section(',', 0, 0).toInt(), it.key().section(',', 1).toInt()),
                           it.value());
    }

    IfTableSearch search(int gridRowCount = 1001) const
    {
        return IfTableSearch([this](int row, int col) { return m_cells.value(QPoint(row, col)); },
                             gridRowCount);
    }

private:
    QHash<QPoint, QString> m_cells;
};

QString describe(const std::optional<IfTableSearch::Hit> &hit)
{
    return hit ? QStringLiteral("%1,%2").arg(hit->row).arg(hit->col) : QStringLiteral("end");
}

using Cells = QHash<QString, QString>;

} // namespace

class TestIfTableSearch final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { IfTableSearch::start(); }

    // Successive presses of Find Next: each expected entry is the hit as
    // "row,col" or "end" when the search runs off the table.
    void presses_data()
    {
        QTest::addColumn<int>("ifCount");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("no interfaces") << 0 << Cells{} << "Port" << QStringList{"end", "end"};
        QTest::newRow("empty text") << 3 << Cells{{"1,1", "Gi0/1"}} << "" << QStringList{"end"};
        QTest::newRow("headings and row numbers are not searched")
            << 3 << Cells{} << "No" << QStringList{"end"};
        QTest::newRow("row number text is not searched") << 3 << Cells{} << "2" << QStringList{"end"};
        QTest::newRow("column 11 is not searched") << 3 << Cells{{"2,11", "x"}} << "x" << QStringList{"end"};
        QTest::newRow("last column, then first column of the next row")
            << 5 << Cells{{"3,10", "vlan20"}, {"4,1", "VLAN20-uplink"}} << "vlan20"
            << QStringList{"3,10", "4,1", "end", "3,10"};
        QTest::newRow("column 9, then column 10 of the same row")
            << 4 << Cells{{"2,9", "Gi1/0/2"}, {"2,10", "Gi1/0/2"}} << "gi1/0/2"
            << QStringList{"2,9", "2,10", "end", "2,9"};
        QTest::newRow("two hits in one row, left to right")
            << 2 << Cells{{"1,7", "10"}, {"1,3", "10G"}} << "10" << QStringList{"1,3", "1,7", "end"};
        QTest::newRow("rows before the last hit are not revisited")
            << 4 << Cells{{"1,5", "up"}, {"3,2", "up"}} << "up" << QStringList{"1,5", "3,2", "end", "1,5"};
        QTest::newRow("a gap in the row numbers ends the table")
            << 2 << Cells{{"4,1", "x"}} << "x" << QStringList{"end"};
        // From the start the scan includes the row just past the numbers,
        // but a search continuing from a hit stops before it.
        QTest::newRow("row past the numbers, from the start only")
            << 2 << Cells{{"3,1", "x"}} << "x" << QStringList{"3,1", "end", "3,1"};
        QTest::newRow("hit in the last column of the last row")
            << 2 << Cells{{"2,10", "x"}} << "x" << QStringList{"2,10", "end", "2,10"};
    }
    void presses()
    {
        QFETCH(int, ifCount);
        QFETCH(Cells, cells);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const Grid grid(ifCount, cells);
        const IfTableSearch search = grid.search();
        for (qsizetype press = 0; press < expected.size(); ++press) {
            const std::optional<IfTableSearch::Hit> hit = search.findNext(text);
            QCOMPARE(describe(hit), expected.at(press));
            // The session keeps the hit, or goes back to the start.
            QCOMPARE(session().ifSearchRow, hit ? hit->row : 0);
            QCOMPARE(session().ifSearchCol, hit ? hit->col : 0);
        }
    }

    void startResetsPosition()
    {
        session().ifSearchRow = 4;
        session().ifSearchCol = 10;
        IfTableSearch::start();
        QCOMPARE(session().ifSearchRow, 0);
        QCOMPARE(session().ifSearchCol, 0);
        const Grid grid(3, {{"1,1", "x"}});
        QCOMPARE(describe(grid.search().findNext("x")), QStringLiteral("1,1"));
    }

    void matches_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("match");
        QTest::newRow("substring") << "GigabitEthernet1/0/24" << "net1/0/2" << true;
        QTest::newRow("ASCII case ignored") << "GigabitEthernet1/0/24" << "gIGABITethernet" << true;
        QTest::newRow("whole cell") << "up" << "UP" << true;
        QTest::newRow("line feed inside the cell") << "10.0.0.1\n10.0.0.2" << "0.2" << true;
        QTest::newRow("non-ASCII exact") << QString::fromUtf8("Übergabe") << QString::fromUtf8("Über") << true;
        QTest::newRow("non-ASCII case kept") << QString::fromUtf8("Übergabe") << QString::fromUtf8("übergabe")
                                             << false;
        QTest::newRow("ASCII folded beside non-ASCII") << QString::fromUtf8("ÜBERGABE")
                                                       << QString::fromUtf8("Übergabe") << true;
        QTest::newRow("longer than the cell") << "up" << "upx" << false;
        QTest::newRow("empty text") << "up" << "" << false;
        QTest::newRow("empty cell") << "" << "x" << false;
    }
    void matches()
    {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        QFETCH(bool, match);
        QCOMPARE(IfTableSearch::matches(cell, text), match);
    }

    // The row count stops at the first empty number or at the larger of
    // 1000 and the grid's row count.
    void filledRows_data()
    {
        QTest::addColumn<int>("numbered");
        QTest::addColumn<int>("gridRowCount");
        QTest::addColumn<int>("filled");
        QTest::newRow("heading only") << 0 << 1001 << 1;
        QTest::newRow("ordinary table") << 48 << 1001 << 49;
        QTest::newRow("numbers beyond a small grid") << 1500 << 10 << 1000;
        QTest::newRow("numbers beyond a grown grid") << 1500 << 1200 << 1200;
        QTest::newRow("grown grid") << 4999 << 5000 << 5000;
    }
    void filledRows()
    {
        QFETCH(int, numbered);
        QFETCH(int, gridRowCount);
        QFETCH(int, filled);
        QCOMPARE(Grid(numbered, {}).search(gridRowCount).filledRowCount(), filled);
    }
};

QTEST_GUILESS_MAIN(TestIfTableSearch)
#include "test_iftable_search.moc"

#pragma once

#include "core/iftable.h"

#include <functional>

class WorkbookSheet;
class WorkbookWriter;

// How an interface table and its window's grid map onto a worksheet: grid
// cell (row, column) is sheet cell (row, column), both zero-based, so the
// sheet's first row holds the headings and its first column the row
// numbers. Reading skips that row and column again.
namespace IfTableWorkbook {

// A table read from a sheet.
struct SheetTable final
{
    IfTableColumns table; // IfColumn::Count columns, each of rows entries
    int rows = 0;         // interface rows: the used range's rows minus the heading row
    int columnsRead = 0;  // table columns the sheet gave: its used columns minus column A
};

// The table of a saved interface-table workbook: table column i, row j is
// sheet cell (j + 1, i + 1). Columns the sheet does not reach are present
// and empty, so that every reader of the table finds the usual columns.
SheetTable tableFromSheet(const WorkbookSheet &sheet);

// The table of the CatOS sample workbook: one column more than tableFromSheet
// reads; columns 0 to 5 as there, column 6 left empty, and columns 7 on taken
// one row and one column earlier, from sheet cell (j, i).
SheetTable catosTableFromSheet(const WorkbookSheet &sheet);

// Whether a table read from a workbook carries neighbour columns.
inline bool showsNeighbours(int columnsRead)
{
    return columnsRead > 8;
}

// Grid text by grid row and column.
using GridCell = std::function<QString(int gridRow, int gridCol)>;

// Grid rows in use: consecutive rows from row 0 whose row-number cell is not
// empty, at most maxRows. For n interfaces that is n + 1.
int countGridRows(const GridCell &cell, int maxRows);

// The grid columns a saved workbook holds.
constexpr int SavedLastColumn = 10;

// Writes grid columns 0 to lastColumn of grid rows 0 to lastRow into the
// sheet; an empty grid cell clears the sheet cell.
void writeGrid(WorkbookWriter &writer, const GridCell &cell, int lastRow, int lastColumn);

// The path Save As writes: the chosen name with ".xls" appended, also when
// it already ends in ".xls".
QString saveAsPath(const QString &chosen);

} // namespace IfTableWorkbook

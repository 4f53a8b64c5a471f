#include "workbook/iftableworkbook.h"

#include "platform/workbook/workbooksheet.h"
#include "platform/workbook/workbookwriter.h"

#include <algorithm>

namespace IfTableWorkbook {

namespace {

// The usual columns, each of rows empty entries. Columns a sheet has past
// them are counted but not kept: no window or command reads them, and a
// sheet may reach column IV.
IfTableColumns emptyColumns(int rows)
{
    return IfTableColumns(size_t(IfColumn::Count), std::vector<QString>(size_t(rows)));
}

} // namespace

SheetTable tableFromSheet(const WorkbookSheet &sheet)
{
    SheetTable result;
    result.rows = std::max(sheet.rowCount() - 1, 0);
    result.columnsRead = std::max(sheet.columnCount() - 1, 0);
    result.table = emptyColumns(result.rows);
    for (int i = 0; i < std::min(result.columnsRead, int(IfColumn::Count)); ++i)
        for (int j = 0; j < result.rows; ++j)
            result.table[size_t(i)][size_t(j)] = sheet.cell(j + 1, i + 1);
    return result;
}

SheetTable catosTableFromSheet(const WorkbookSheet &sheet)
{
    SheetTable result;
    result.rows = std::max(sheet.rowCount() - 1, 0);
    result.columnsRead = sheet.columnCount();
    result.table = emptyColumns(result.rows);
    for (int i = 0; i < std::min(result.columnsRead, int(IfColumn::Count)); ++i) {
        if (i == IfColumn::VlanNo)
            continue;
        const int offset = i < IfColumn::VlanNo ? 1 : 0;
        for (int j = 0; j < result.rows; ++j)
            result.table[size_t(i)][size_t(j)] = sheet.cell(j + offset, i + offset);
    }
    return result;
}

int countGridRows(const GridCell &cell, int maxRows)
{
    int rows = 0;
    while (rows < maxRows && !cell(rows, 0).isEmpty())
        ++rows;
    return rows;
}

void writeGrid(WorkbookWriter &writer, const GridCell &cell, int lastRow, int lastColumn)
{
    for (int c = 0; c <= lastColumn; ++c)
        for (int r = 0; r <= lastRow; ++r)
            writer.setCell(r, c, cell(r, c));
}

QString saveAsPath(const QString &chosen)
{
    return chosen + QStringLiteral(".xls");
}

} // namespace IfTableWorkbook

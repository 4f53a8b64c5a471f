#pragma once

#include "platform/workbook/workbooksheet.h"
#include "platform/workbook/workbookwriter.h"

#include <QString>

// What readWorkbook() found: the first worksheet, or why it could not be read.
struct WorkbookReadResult final
{
    WorkbookSheet sheet;
    int sheetCount = 0; // worksheets in the file; only the first is read
    QString error;      // empty on success

    bool ok() const { return error.isEmpty(); }
};

// Reads the first worksheet of an Excel 97-2003 (.xls) workbook.
// Text cells give their text (line feeds kept), numbers their shortest
// decimal text ("48", "2.5", "10000000000"), booleans and errors what a
// spreadsheet shows ("TRUE", "#DIV/0!"), and cells formatted as dates or
// times the serial number the spreadsheet stores (to the second). The used range ends at the last row and column holding a
// non-empty value; blank but formatted cells do not widen it.
WorkbookReadResult readWorkbook(const QString &path);

#pragma once

#include <QString>

class WorkbookWriter;

// The readable source of a generated workbook: one line per sheet row,
// cells separated by tabs; inside a cell "\n" stands for a line feed, "\t"
// for a tab and "\\" for a backslash. Lines starting with "#" are comments
// and make no row; every other line, an empty one too, is the next row.
namespace TableText {

// Fills writer's cells from text; false with the reason (and line number)
// in *error when an escape is not one of the above.
bool parse(const QString &text, WorkbookWriter &writer, QString *error);

} // namespace TableText

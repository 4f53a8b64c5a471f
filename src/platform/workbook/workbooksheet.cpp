#include "platform/workbook/workbooksheet.h"

#include <utility>

WorkbookSheet::WorkbookSheet(int rows, int columns, QStringList cells)
    : m_rows(rows > 0 && columns > 0 ? rows : 0)
    , m_columns(rows > 0 && columns > 0 ? columns : 0)
    , m_cells(std::move(cells))
{
    // A grid that does not hold exactly rows * columns cells is padded so
    // that cell() never reads past its end.
    const qsizetype wanted = qsizetype(m_rows) * m_columns;
    if (m_cells.size() != wanted)
        m_cells.resize(wanted);
}

QString WorkbookSheet::cell(int row, int column) const
{
    if (row < 0 || column < 0 || row >= m_rows || column >= m_columns)
        return {};
    return m_cells.at(qsizetype(row) * m_columns + column);
}

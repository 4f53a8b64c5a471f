#include "platform/workbook/workbooksheet.h"

#include <algorithm>

WorkbookSheet::WorkbookSheet(int rows, int columns, const QStringList &cells)
    : m_rows(rows > 0 && columns > 0 ? rows : 0), m_columns(rows > 0 && columns > 0 ? columns : 0)
{
    // Entries past rows * columns are ignored; missing ones read as empty.
    const qsizetype count = std::min(cells.size(), qsizetype(m_rows) * m_columns);
    for (qsizetype i = 0; i < count; ++i) {
        if (!cells.at(i).isEmpty())
            m_cells.insert(key(int(i / m_columns), int(i % m_columns)), cells.at(i));
    }
}

WorkbookSheet WorkbookSheet::fromCells(const QHash<QPair<int, int>, QString> &cells)
{
    WorkbookSheet sheet;
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        if (it.value().isEmpty() || it.key().first < 0 || it.key().second < 0)
            continue;
        sheet.m_rows = std::max(sheet.m_rows, it.key().first + 1);
        sheet.m_columns = std::max(sheet.m_columns, it.key().second + 1);
        sheet.m_cells.insert(key(it.key().first, it.key().second), it.value());
    }
    return sheet;
}

QString WorkbookSheet::cell(int row, int column) const
{
    if (row < 0 || column < 0 || row >= m_rows || column >= m_columns)
        return {};
    return m_cells.value(key(row, column));
}

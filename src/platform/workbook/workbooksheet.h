#pragma once

#include <QString>
#include <QStringList>

// The text grid of one worksheet as read from a workbook: a used range that
// starts at A1 and reaches the last row and column holding a value, with
// every cell as text (cells outside the range or never written are empty).
class WorkbookSheet final
{
public:
    WorkbookSheet() = default;
    // cells holds rows * columns entries, row after row.
    WorkbookSheet(int rows, int columns, QStringList cells);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    bool isEmpty() const { return m_rows == 0; }
    QString cell(int row, int column) const;

private:
    int m_rows = 0;
    int m_columns = 0;
    QStringList m_cells;
};

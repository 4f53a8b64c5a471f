#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The text grid of one worksheet as read from a workbook: a used range that
// starts at A1 and reaches the last row and column holding a value, with
// every cell as text (cells outside the range or never written are empty).
// Only cells with a value are stored, so a sheet whose used range is made
// huge by one far-away cell stays small.
class WorkbookSheet final
{
public:
    WorkbookSheet() = default;
    // cells holds rows * columns entries, row after row.
    WorkbookSheet(int rows, int columns, const QStringList &cells);
    // The cells with a value, by (row, column); the used range is the
    // smallest one holding them all.
    static WorkbookSheet fromCells(const QHash<QPair<int, int>, QString> &cells);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    bool isEmpty() const { return m_rows == 0; }
    QString cell(int row, int column) const;

private:
    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }

    int m_rows = 0;
    int m_columns = 0;
    QHash<quint64, QString> m_cells;
};

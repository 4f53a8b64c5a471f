#pragma once

#include <QString>

#include <map>
#include <utility>

// Collects text cells and saves them as a one-sheet Excel 97-2003 (.xls)
// workbook: BIFF8 records in an OLE2 compound document, every cell a text
// cell. Empty texts leave their cell blank (and unformatted outside the
// formatted range).
class WorkbookWriter final
{
public:
    WorkbookWriter() = default;

    void setSheetName(const QString &name) { m_sheetName = name; }
    QString sheetName() const { return m_sheetName; }

    // Gives every written cell the "wrap text" format, so that cells with
    // line feeds show one line per line feed.
    void setWrapText(bool wrap) { m_wrapText = wrap; }
    bool wrapText() const { return m_wrapText; }

    // Makes the empty cells of the first rows x columns blank cells with the
    // cells' format, so that text typed into them later wraps too. Readers
    // that count only values do not see them.
    void setFormattedRange(int rows, int columns);

    // Sets the cell at the zero-based row and column; empty text clears it.
    // Cells beyond what the format holds (65536 rows, 256 columns, 32767
    // characters a cell) make save() fail rather than lose data silently.
    void setCell(int row, int column, const QString &text);
    QString cell(int row, int column) const;

    // True when the cells fit the format; else false with the reason in
    // *error (if not null). save() checks the same first.
    bool fits(QString *error = nullptr) const;

    // Writes the workbook to path, replacing any file there only once the
    // new one is complete. Returns false with the reason in *error (if not
    // null) when the table does not fit the format or the file cannot be
    // written.
    bool save(const QString &path, QString *error = nullptr) const;

private:
    QString validationError() const;

    std::map<std::pair<int, int>, QString> m_cells; // (row, column) -> text
    QString m_sheetName = QStringLiteral("Sheet1");
    bool m_wrapText = false;
    int m_formattedRows = 0;
    int m_formattedColumns = 0;
};

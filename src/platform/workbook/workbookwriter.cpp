#include "platform/workbook/workbookwriter.h"

#include "platform/workbook/biffworkbookencoder.h"
#include "platform/workbook/compounddocument.h"

#include <QSaveFile>

#include <algorithm>

namespace {

// "C7" style name of a cell, for error messages.
QString cellName(int row, int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(row + 1);
}

} // namespace

void WorkbookWriter::setCell(int row, int column, const QString &text)
{
    if (text.isEmpty())
        m_cells.erase({row, column});
    else
        m_cells[{row, column}] = text;
}

QString WorkbookWriter::cell(int row, int column) const
{
    const auto found = m_cells.find({row, column});
    return found == m_cells.end() ? QString() : found->second;
}

void WorkbookWriter::setFormattedRange(int rows, int columns)
{
    m_formattedRows = std::max(rows, 0);
    m_formattedColumns = std::max(columns, 0);
}

QString WorkbookWriter::validationError() const
{
    const QString name = m_sheetName;
    if (name.isEmpty() || name.size() > BiffWorkbookEncoder::MaxSheetNameLength)
        return QStringLiteral("the sheet name must have 1 to %1 characters")
            .arg(BiffWorkbookEncoder::MaxSheetNameLength);
    for (QChar c : QStringLiteral("[]:*?/\\"))
        if (name.contains(c))
            return QStringLiteral("the sheet name must not contain %1").arg(c);

    if (m_formattedRows > BiffWorkbookEncoder::MaxRows || m_formattedColumns > BiffWorkbookEncoder::MaxColumns)
        return QStringLiteral("the formatted range of %1 rows and %2 columns is larger than a sheet")
            .arg(m_formattedRows)
            .arg(m_formattedColumns);
    for (const auto &[position, text] : m_cells) {
        const auto [row, column] = position;
        if (row < 0 || column < 0)
            return QStringLiteral("a cell has a negative row or column");
        if (row >= BiffWorkbookEncoder::MaxRows)
            return QStringLiteral("row %1 is beyond the %2 rows an Excel 97-2003 sheet holds")
                .arg(row + 1)
                .arg(BiffWorkbookEncoder::MaxRows);
        if (column >= BiffWorkbookEncoder::MaxColumns)
            return QStringLiteral("column %1 is beyond the %2 columns an Excel 97-2003 sheet holds")
                .arg(column + 1)
                .arg(BiffWorkbookEncoder::MaxColumns);
        if (text.size() > BiffWorkbookEncoder::MaxTextLength)
            return QStringLiteral("cell %1 has %2 characters, more than the %3 a cell holds")
                .arg(cellName(row, column))
                .arg(text.size())
                .arg(BiffWorkbookEncoder::MaxTextLength);
    }
    return {};
}

bool WorkbookWriter::fits(QString *error) const
{
    const QString invalid = validationError();
    if (!invalid.isEmpty() && error)
        *error = QStringLiteral("Cannot save the table: %1.").arg(invalid);
    return invalid.isEmpty();
}

bool WorkbookWriter::save(const QString &path, QString *error) const
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Cannot save \"%1\": %2.").arg(path, why);
        return false;
    };

    const QString invalid = validationError();
    if (!invalid.isEmpty())
        return fail(invalid);

    // The map is ordered by row, then column: the order cell records need.
    // Blank formatted cells join in as empty texts.
    const std::map<std::pair<int, int>, QString> *source = &m_cells;
    std::map<std::pair<int, int>, QString> withBlanks;
    if (m_formattedRows > 0 && m_formattedColumns > 0) {
        withBlanks = m_cells;
        for (int r = 0; r < m_formattedRows; ++r)
            for (int c = 0; c < m_formattedColumns; ++c)
                withBlanks.try_emplace({r, c});
        source = &withBlanks;
    }
    QList<BiffCell> cells;
    cells.reserve(qsizetype(source->size()));
    for (const auto &[position, text] : *source)
        cells.append({quint16(position.first), quint16(position.second), text});

    const QByteArray stream = BiffWorkbookEncoder::encode(m_sheetName, cells, m_wrapText);
    QString reason;
    const QByteArray document =
        CompoundDocument::build(QStringLiteral("Workbook"), stream, &reason);
    if (document.isEmpty())
        return fail(reason);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(document) != document.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

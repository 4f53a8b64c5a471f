#include "workbook/workbookcommands.h"

#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "platform/desktopapps.h"
#include "platform/workbook/workbook.h"
#include "core/filedialogs.h"
#include "workbook/iftableworkbook.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

namespace {

const QString NoSpreadsheet = QStringLiteral("EXCEL is not installed on this machine.");
// Filter of the open and save dialogs.
const QString ExcelFilter = QStringLiteral("Excel files (*.xls)");

IfTableWorkbook::GridCell gridOf(const TIfTableForm *table)
{
    return [table](int row, int col) { return table->gridCell(row, col); };
}

// Shows an error the command does not handle itself.
void showError(const QString &text, TMainForm &main)
{
    Messages::show(text, Messages::Icon::Critical, QString(), &main);
}

} // namespace

WorkbookCommands::WorkbookCommands(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("WorkbookCommands"));
}

TIfTableForm *WorkbookCommands::activeTable() const
{
    return qobject_cast<TIfTableForm *>(session().activeIfTable.data());
}

TIfTableForm *WorkbookCommands::fileTable() const
{
    return m_fileTable.data();
}

void WorkbookCommands::open()
{
    Session &s = session();
    s.ifTableFile.clear();
    const QString path = FileDialogs::openFileName(&m_main, QStringLiteral("Open Interface Table"),
                                                   ExcelFilter);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        Messages::show(NoSpreadsheet, Messages::Icon::None, QString(), &m_main);
        return;
    }
    // A file that cannot be read leaves the table file empty: a later Save
    // must not write another table over it.
    const WorkbookReadResult read = readWorkbook(path);
    if (!read.ok()) {
        showError(read.error, m_main);
        return;
    }

    IfTableWorkbook::SheetTable sheet = IfTableWorkbook::tableFromSheet(read.sheet);
    s.ifTableFile = path;
    s.ifTable = std::move(sheet.table);
    s.showNbr = IfTableWorkbook::showsNeighbours(sheet.columnsRead);
    s.ifCount = sheet.rows;
    s.devSysName = path;
    TIfTableForm *form = m_main.createIfTableForm();
    s.ifTableForm = form;
    s.activeIfTable = form;
    m_fileTable = form;
}

void WorkbookCommands::save()
{
    TIfTableForm *table = activeTable();
    if (!table)
        return;
    const QString path = session().ifTableFile;
    // The table file belongs to the window it was opened into or saved
    // from; any other table is saved under a name of its own.
    if (path.isEmpty() || table != m_fileTable) {
        saveAs();
        return;
    }

    // Save updates the workbook: cells outside the table's range keep
    // what the file holds.
    const WorkbookReadResult existing = readWorkbook(path);
    if (!existing.ok()) {
        showError(existing.error, m_main);
        return;
    }
    // Our writer writes one sheet: rewriting a workbook of several would
    // lose the others, so such a table is saved under a new name instead.
    if (existing.sheetCount > 1) {
        Messages::show(QStringLiteral("This workbook has more than one sheet, which saving would lose. "
                                      "Save the table under a new name."),
                       Messages::Icon::Warning, QString(), &m_main);
        saveAs();
        return;
    }
    WorkbookWriter writer;
    for (int r = 0; r < existing.sheet.rowCount(); ++r)
        for (int c = 0; c < existing.sheet.columnCount(); ++c)
            writer.setCell(r, c, existing.sheet.cell(r, c));
    const IfTableWorkbook::GridCell grid = gridOf(table);
    const int rows = IfTableWorkbook::countGridRows(grid, table->gridRowCount());
    IfTableWorkbook::writeGrid(writer, grid, rows, IfTableWorkbook::SavedLastColumn);
    QString error;
    if (!writer.save(path, &error)) {
        showError(error, m_main);
        return;
    }
    disableSave();
}

void WorkbookCommands::saveAs()
{
    const QPointer<TIfTableForm> table = activeTable();
    if (!table)
        return;
    const QString chosen = FileDialogs::saveFileName(&m_main, QStringLiteral("Save Interface Table As"),
                                                     ExcelFilter);
    if (chosen.isEmpty())
        return;
    const QString path = IfTableWorkbook::saveAsPath(chosen);
    // The window may have closed while the dialog was open.
    if (!table)
        return;

    WorkbookWriter writer;
    const IfTableWorkbook::GridCell grid = gridOf(table);
    const int rows = IfTableWorkbook::countGridRows(grid, table->gridRowCount());
    IfTableWorkbook::writeGrid(writer, grid, rows, IfTableWorkbook::SavedLastColumn);
    QString error;
    if (!writer.fits(&error)) {
        showError(error, m_main);
        return;
    }
    // A file that cannot be created gets the answer of a missing
    // spreadsheet application.
    if (!writer.save(path, &error)) {
        Messages::show(NoSpreadsheet, Messages::Icon::None, QString(), &m_main);
        return;
    }
    session().ifTableFile = path;
    m_fileTable = table;
}

void WorkbookCommands::exportTable()
{
    TIfTableForm *table = activeTable();
    if (!table)
        return;
    if (!DesktopApps::hasDefaultApplication(DesktopApps::ExcelMimeType)) {
        Messages::show(NoSpreadsheet, Messages::Icon::None, QString(), &m_main);
        return;
    }

    // The window's own rows and neighbour columns, which the session's
    // count and option describe only for the table shown last.
    const IfTableWorkbook::GridCell grid = gridOf(table);
    const int lastRow = std::max(IfTableWorkbook::countGridRows(grid, table->gridRowCount()) - 1, 0);
    const bool neighbours = !table->gridCell(0, 8).isEmpty();
    const int lastColumn = neighbours ? IfTableWorkbook::SavedLastColumn : 7;
    // Every cell of the range wraps, the empty ones too for what the user
    // types into them.
    WorkbookWriter writer;
    writer.setWrapText(true);
    writer.setFormattedRange(lastRow + 1, lastColumn + 1);
    IfTableWorkbook::writeGrid(writer, grid, lastRow, lastColumn);

    // The spreadsheet application opens the file after this command ends,
    // so the folder is left for the system's temporary-file clean-up.
    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("tnm-export-XXXXXX")));
    if (!dir.isValid()) {
        showError(QStringLiteral("Cannot create a temporary folder: %1.").arg(dir.errorString()), m_main);
        return;
    }
    dir.setAutoRemove(false);
    const QString path = dir.filePath(QStringLiteral("Interface Table.xls"));
    QString error;
    if (!writer.save(path, &error)) {
        showError(error, m_main);
        return;
    }
    if (!DesktopApps::openFile(path))
        Messages::show(NoSpreadsheet, Messages::Icon::None, QString(), &m_main);
}

void WorkbookCommands::updateFileMenu()
{
    const bool table = activeTable() != nullptr;
    m_main.action(QStringLiteral("&Close Interface Table"))->setEnabled(table);
    m_main.action(QStringLiteral("Save Current Interface Table &As..."))->setEnabled(table);
    m_main.action(QStringLiteral("&Save Current Interface Table"))
        ->setEnabled(table && !session().ifTableFile.isEmpty());
}

void WorkbookCommands::disableSave()
{
    m_main.action(QStringLiteral("&Save Current Interface Table"))->setEnabled(false);
    if (auto *button = m_main.findChild<QAction *>(QStringLiteral("button:Save current table")))
        button->setEnabled(false);
}

void installWorkbookCommands(TMainForm &main)
{
    auto *commands = new WorkbookCommands(main);
    QObject::connect(main.action(QStringLiteral("&Open Interface Table")), &QAction::triggered,
                     commands, &WorkbookCommands::open);
    QObject::connect(main.action(QStringLiteral("&Save Current Interface Table")), &QAction::triggered,
                     commands, &WorkbookCommands::save);
    QObject::connect(main.action(QStringLiteral("Save Current Interface Table &As...")),
                     &QAction::triggered, commands, &WorkbookCommands::saveAs);
    QObject::connect(main.action(QStringLiteral("&Export to EXCEL")), &QAction::triggered, commands,
                     &WorkbookCommands::exportTable);
    QObject::connect(main.menu(QStringLiteral("&File")), &QMenu::aboutToShow, commands,
                     &WorkbookCommands::updateFileMenu);
}

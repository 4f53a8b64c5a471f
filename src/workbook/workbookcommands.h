#pragma once

#include <QObject>
#include <QPointer>

class TIfTableForm;
class TMainForm;

// The main window's workbook commands: Open, Save and Save As of interface
// tables as Excel 97-2003 workbooks, Export into the desktop's spreadsheet
// application, and the File menu's enabling of the table commands.
// Close Interface Table is the main window's own command.
class WorkbookCommands final : public QObject
{
    Q_OBJECT

public:
    explicit WorkbookCommands(TMainForm &main);

    void open();
    void save();
    void saveAs();
    void exportTable();
    void updateFileMenu();

    // The table window whose grid the session's table file was last opened
    // into or saved from; none when that window has closed.
    TIfTableForm *fileTable() const;

private:
    TIfTableForm *activeTable() const;
    void disableSave();

    TMainForm &m_main;
    QPointer<TIfTableForm> m_fileTable;
};

// Connects the workbook commands to main's menu items and its File menu.
void installWorkbookCommands(TMainForm &main);

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class ConfigFindDialog;
class QDialog;
class QFont;
class QPrinter;
class QTextEdit;
class QWidget;
class TConfAssist;
class TConfigFrm;
class TDocTypeForm;
class TMainForm;

// The configuration-document commands of the main window's File and Edit
// menus, toolbar and the analysis window's context menu: open with the
// document-type and keyword dialogs, save as RTF, print, the edit commands,
// and find and replace. Every command acts on session().activeConfigFrm and
// does nothing when there is none.
class ConfigCommands final : public QObject
{
    Q_OBJECT

public:
    explicit ConfigCommands(TMainForm &main);
    ~ConfigCommands() override;

    // Seams for the dialogs the commands show, so tests never block on one.
    // An empty file name means the user cancelled.
    struct Hooks
    {
        std::function<QString(QWidget *parent)> openFileName;
        std::function<QString(QWidget *parent)> saveFileName;
        std::function<int(QDialog &dialog)> execDialog;
        std::function<bool(QPrinter &printer, QWidget *parent)> printDialog;
        std::function<void(QPrinter &printer, QWidget *parent)> printSetupDialog;
        std::function<std::optional<QFont>(const QFont &current, QWidget *parent)> fontDialog;
    };
    Hooks hooks;

    TDocTypeForm *docTypeForm() const { return m_docType; }
    TConfAssist *confAssist() const { return m_confAssist; }
    ConfigFindDialog *findDialog() const { return m_findDialog; }
    ConfigFindDialog *replaceDialog() const { return m_replaceDialog; }
    QPrinter &printer() const { return *m_printer; }

    void openDocument();
    void docTypeChosen(int type);
    void saveAs();
    void print();
    void printSetup();
    void undo();
    void redo();
    void deleteSelection();
    void selectAll();
    void setFonts();
    void find();
    void replace();
    // Find next with the options of the given dialog; false when nothing was
    // found ("End of document reached." has then been shown).
    bool findNext(ConfigFindDialog &dialog);
    // The same search without the end message; false at the end.
    bool findNextQuietly(ConfigFindDialog &dialog);
    void showEndOfDocument(ConfigFindDialog &dialog);
    // Replace, or replace all; returns how many replacements were made.
    int replaceNext(bool all);

    // The enabling of the configuration items of the File and Edit menus.
    void updateEnabling();

private:
    TConfigFrm *activeFrm() const;
    QTextEdit *activeEditor() const;
    void openUserDocument();
    void showFindDialog(ConfigFindDialog *dialog);

    TMainForm &m_main;
    TDocTypeForm *m_docType = nullptr;
    TConfAssist *m_confAssist = nullptr;
    ConfigFindDialog *m_findDialog = nullptr;
    ConfigFindDialog *m_replaceDialog = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QString m_openedPath;
};

// Connects the main window's configuration-document commands and menu
// enabling to a ConfigCommands owned by the main window.
void installConfigCommands(TMainForm &main);
// The commands installed on this main window, or none.
ConfigCommands *configCommands(const TMainForm &main);

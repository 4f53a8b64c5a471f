#include "config/configcommands.h"

#include "config/configdocumentfile.h"
#include "config/configfinddialog.h"
#include "config/configwindows.h"
#include "config/tconfassist.h"
#include "config/tconfigfrm.h"
#include "config/tdoctypeform.h"
#include "core/filedialogs.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

ConfigCommands::ConfigCommands(TMainForm &main)
    : QObject(&main), m_main(main), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ConfigCommands"));
    hooks.openFileName = [](QWidget *parent) {
        return FileDialogs::openFileName(parent, QStringLiteral("Open Configuration Document"), QString());
    };
    hooks.saveFileName = [](QWidget *parent) {
        return FileDialogs::saveFileName(parent, QStringLiteral("Save Configuration As"),
                                         QStringLiteral("Text files (*.txt)"));
    };
    hooks.execDialog = [](QDialog &dialog) { return dialog.exec(); };
    hooks.printDialog = [](QPrinter &printer, QWidget *parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    hooks.printSetupDialog = [](QPrinter &printer, QWidget *parent) {
        QPageSetupDialog dialog(&printer, parent);
        dialog.exec();
    };
    hooks.fontDialog = [](const QFont &current, QWidget *parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, parent);
        if (!ok)
            return std::nullopt;
        return font;
    };

    // Created once and kept for the run, so their contents survive between uses.
    m_docType = new TDocTypeForm(&m_main);
    m_confAssist = new TConfAssist(&m_main);
    m_findDialog = new ConfigFindDialog(false, &m_main);
    m_replaceDialog = new ConfigFindDialog(true, &m_main);
    connect(m_findDialog, &ConfigFindDialog::findNextRequested, this, [this] { findNext(*m_findDialog); });
    connect(m_replaceDialog, &ConfigFindDialog::findNextRequested, this, [this] { findNext(*m_replaceDialog); });
    connect(m_replaceDialog, &ConfigFindDialog::replaceRequested, this, [this](bool all) { replaceNext(all); });
}

ConfigCommands::~ConfigCommands() = default;

TConfigFrm *ConfigCommands::activeFrm() const
{
    return qobject_cast<TConfigFrm *>(session().activeConfigFrm.data());
}

QTextEdit *ConfigCommands::activeEditor() const
{
    TConfigFrm *frm = activeFrm();
    return frm ? frm->myConf() : nullptr;
}

void ConfigCommands::openDocument()
{
    const QString path = hooks.openFileName(&m_main);
    if (path.isEmpty())
        return;
    m_openedPath = path;
    if (hooks.execDialog(*m_docType) != QDialog::Accepted)
        return;
    docTypeChosen(m_docType->typeIndex());
}

void ConfigCommands::docTypeChosen(int type)
{
    Session &s = session();
    s.devSysName = m_openedPath;
    if (type == TDocTypeForm::OtherType) {
        s.devVendor.clear();
        s.confDocFile = m_openedPath;
        if (hooks.execDialog(*m_confAssist) == QDialog::Accepted)
            openUserDocument();
        return;
    }
    s.ifCount = 1000;
    s.devVendor = QStringLiteral("Cisco");
    s.devOsType = QStringLiteral("IOS");
    TConfigFrm *frm = createConfigWindow(m_main);
    if (frm->loadFile(m_openedPath)) {
        runAnalysisPasses(*frm);
        // Only the root: no IOS section, so analyse it as CatOS instead.
        if (frm->treeNodeCount() == 1) {
            s.devOsType = QStringLiteral("CATOS");
            runAnalysisPasses(*frm);
        }
    }
    finishConfigWindow(*frm);
}

void ConfigCommands::openUserDocument()
{
    TConfigFrm *frm = createConfigWindow(m_main);
    if (frm->loadFile(session().confDocFile))
        runAnalysisPasses(*frm);
    finishConfigWindow(*frm);
}

void ConfigCommands::saveAs()
{
    TConfigFrm *frm = activeFrm();
    if (!frm)
        return;
    const QString path = hooks.saveFileName(&m_main);
    if (path.isEmpty())
        return;
    const QString error = ConfigDocumentFile::save(path, frm->document());
    if (!error.isEmpty())
        Messages::show(error, Messages::Icon::Critical, QString(), &m_main);
}

void ConfigCommands::print()
{
    QTextEdit *editor = activeEditor();
    if (!editor)
        return;
    if (!hooks.printDialog(*m_printer, &m_main))
        return;
    m_printer->setDocName(QStringLiteral("Print Configuration Document"));
    // The whole document, whatever range the dialog offered or an earlier
    // print left in the printer.
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setFromTo(0, 0);
    editor->document()->print(m_printer.get());
    if (m_printer->printerState() == QPrinter::Error)
        Messages::show(QStringLiteral("Printing failed."), Messages::Icon::Critical, QString(), &m_main);
}

void ConfigCommands::printSetup()
{
    hooks.printSetupDialog(*m_printer, &m_main);
}

void ConfigCommands::undo()
{
    if (QTextEdit *editor = activeEditor())
        editor->undo();
}

void ConfigCommands::redo()
{
    if (QTextEdit *editor = activeEditor())
        editor->redo();
}

void ConfigCommands::deleteSelection()
{
    if (QTextEdit *editor = activeEditor()) {
        QTextCursor cursor = editor->textCursor();
        cursor.removeSelectedText();
        editor->setTextCursor(cursor);
    }
}

void ConfigCommands::selectAll()
{
    if (QTextEdit *editor = activeEditor()) {
        editor->setFocus();
        editor->selectAll();
    }
}

void ConfigCommands::setFonts()
{
    QTextEdit *editor = activeEditor();
    if (!editor)
        return;
    if (const std::optional<QFont> font = hooks.fontDialog(editor->document()->defaultFont(), &m_main)) {
        editor->setFont(*font);
        editor->document()->setDefaultFont(*font);
    }
}

void ConfigCommands::showFindDialog(ConfigFindDialog *dialog)
{
    QTextEdit *editor = activeEditor();
    if (!editor)
        return;
    dialog->setFindText(editor->textCursor().selectedText());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ConfigCommands::find()
{
    showFindDialog(m_findDialog);
}

void ConfigCommands::replace()
{
    showFindDialog(m_replaceDialog);
}

bool ConfigCommands::findNext(ConfigFindDialog &dialog)
{
    if (findNextQuietly(dialog))
        return true;
    showEndOfDocument(dialog);
    return false;
}

void ConfigCommands::showEndOfDocument(ConfigFindDialog &dialog)
{
    if (activeEditor())
        Messages::show(QStringLiteral("End of document reached."), Messages::Icon::None, QString(), &dialog);
}

bool ConfigCommands::findNextQuietly(ConfigFindDialog &dialog)
{
    QTextEdit *editor = activeEditor();
    if (!editor)
        return false;
    QTextDocument::FindFlags flags;
    if (dialog.matchCase())
        flags |= QTextDocument::FindCaseSensitively;
    if (dialog.wholeWord())
        flags |= QTextDocument::FindWholeWords;
    // Step past the current match so it is not found again.
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection()) {
        cursor.setPosition(cursor.selectionStart() + 1);
        editor->setTextCursor(cursor);
    }
    const QString text = dialog.findText();
    const QTextCursor found = text.isEmpty() ? QTextCursor()
                                             : editor->document()->find(text, cursor.position(), flags);
    if (found.isNull())
        return false;
    // The selection shows while the dialog keeps the keyboard focus.
    editor->setTextCursor(found);
    return true;
}

int ConfigCommands::replaceNext(bool all)
{
    QTextEdit *editor = activeEditor();
    if (!editor)
        return 0;
    int replaced = 0;
    bool atEnd = false;
    // A replace-all is one step for undo. The end message waits until the
    // edit block is closed, so the editor shows the replacements behind it.
    QTextCursor block(editor->document());
    block.beginEditBlock();
    while (true) {
        QTextCursor cursor = editor->textCursor();
        if (cursor.hasSelection()) {
            cursor.insertText(m_replaceDialog->replaceText());
            editor->setTextCursor(cursor);
            ++replaced;
        }
        // Each round searches only after the text just inserted, so the
        // loop ends even when the replacement contains the search text.
        if (!findNextQuietly(*m_replaceDialog)) {
            atEnd = true;
            break;
        }
        if (!all)
            break;
    }
    block.endEditBlock();
    if (atEnd)
        showEndOfDocument(*m_replaceDialog);
    return replaced;
}

void ConfigCommands::updateEnabling()
{
    QTextEdit *editor = activeEditor();
    const bool config = editor != nullptr;
    auto enable = [this](const char *caption, bool on) {
        if (QAction *a = m_main.action(QLatin1String(caption)))
            a->setEnabled(on);
    };
    enable("Sa&ve Current Configuration Document As...", config);
    enable("&Print Current Configuration Document", config);
    enable("&Undo", config && editor->document()->isUndoAvailable());
    enable("&Redo", config && editor->document()->isRedoAvailable());
    enable("&Delete", config && editor->textCursor().hasSelection());
    for (const char *caption : {"&Select All", "&Find...", "R&eplace", "Set F&onts..."})
        enable(caption, config);
}

void installConfigCommands(TMainForm &main)
{
    auto *commands = new ConfigCommands(main);
    auto bind = [&main, commands](const char *caption, void (ConfigCommands::*command)()) {
        if (QAction *a = main.action(QLatin1String(caption)))
            QObject::connect(a, &QAction::triggered, commands, command);
    };
    bind("Ope&n Configuration Document", &ConfigCommands::openDocument);
    bind("Sa&ve Current Configuration Document As...", &ConfigCommands::saveAs);
    bind("&Print Current Configuration Document", &ConfigCommands::print);
    bind("Print Setup", &ConfigCommands::printSetup);
    bind("&Undo", &ConfigCommands::undo);
    bind("&Redo", &ConfigCommands::redo);
    bind("&Delete", &ConfigCommands::deleteSelection);
    bind("&Select All", &ConfigCommands::selectAll);
    bind("&Find...", &ConfigCommands::find);
    bind("R&eplace", &ConfigCommands::replace);
    bind("Set F&onts...", &ConfigCommands::setFonts);
    // Connected after the main window's own enabling, so these rules win.
    for (const char *menu : {"&File", "&Edit"}) {
        if (QMenu *m = main.menu(QLatin1String(menu)))
            QObject::connect(m, &QMenu::aboutToShow, commands, &ConfigCommands::updateEnabling);
    }
}

ConfigCommands *configCommands(const TMainForm &main)
{
    return main.findChild<ConfigCommands *>(QStringLiteral("ConfigCommands"), Qt::FindDirectChildrenOnly);
}

#pragma once

// Shared set-up of the configuration window tests: a shown main window with
// the configuration commands installed, dialogs answered by the test, and
// helpers to write documents and read back colours.
#include "config/configcommands.h"
#include "config/tconfigfrm.h"
#include "config/tdoctypeform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

#include <functional>

class ConfigFixture
{
public:
    TMainForm *main = nullptr;
    ConfigCommands *commands = nullptr;
    QTemporaryDir dir;
    int docType = TDocTypeForm::CiscoType;
    // Runs the keyword dialog in place of the user; returns its result.
    std::function<int(QDialog &)> keywordDialog = [](QDialog &) { return int(QDialog::Rejected); };

    void setUp()
    {
        Messages::startRecording();
        main = new TMainForm;
        installConfigCommands(*main);
        commands = configCommands(*main);
        main->resize(1000, 700);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        commands->hooks.execDialog = [this](QDialog &dialog) {
            if (auto *type = qobject_cast<TDocTypeForm *>(&dialog)) {
                type->show(); // shown, so its first item is selected again
                type->setTypeIndex(docType);
                type->okButton()->click();
                return type->result();
            }
            return keywordDialog(dialog);
        };
    }

    void tearDown()
    {
        delete main;
        main = nullptr;
    }

    void closeAll() { main->mdiArea()->closeAllSubWindows(); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return path;
    }

    // Opens a document through the File menu command, as Ctrl+N does.
    TConfigFrm *open(const QString &path, int type = TDocTypeForm::CiscoType)
    {
        docType = type;
        commands->hooks.openFileName = [path](QWidget *) { return path; };
        main->action(QStringLiteral("Ope&n Configuration Document"))->trigger();
        return active();
    }

    static TConfigFrm *active() { return qobject_cast<TConfigFrm *>(session().activeConfigFrm.data()); }

    // The colour of the character at `position` (black when none is set).
    static QColor colorAt(QTextEdit *editor, int position)
    {
        QTextCursor cursor(editor->document());
        cursor.setPosition(position + 1);
        const QTextCharFormat format = cursor.charFormat();
        return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(Qt::black);
    }

    static QStringList topCaptions(const TConfigFrm *frm);
};

inline QStringList ConfigFixture::topCaptions(const TConfigFrm *frm)
{
    QStringList out;
    QTreeWidget *tree = frm->myTree();
    if (tree->topLevelItemCount() == 0)
        return out;
    QTreeWidgetItem *root = tree->topLevelItem(0);
    out << root->text(0);
    for (int i = 0; i < root->childCount(); ++i)
        out << root->child(i)->text(0);
    return out;
}

// The configuration-document commands from the menus, toolbar and context
// menu: enabling, undo and redo, delete, fonts, find and replace, Save As in
// RTF (also read back by LibreOffice when it is installed) and printing.
#include "configfixture.h"

#include "config/configfinddialog.h"
#include "config/configdocumentfile.h"

#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {
const QByteArray IosConfig = "hostname Core1\n"
                             "interface Gi0/1\n"
                             " shutdown\n"
                             "interface Gi0/2\n"
                             " no shutdown\n"
                             "line vty 0 4\n"
                             "end\n";

void select(QTextEdit *editor, int from, int length)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

void caretAt(QTextEdit *editor, int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(position);
    editor->setTextCursor(cursor);
}
} // namespace

class TestConfigDocuments final : public QObject
{
    Q_OBJECT

    ConfigFixture f;

    TConfigFrm *openText(const QByteArray &bytes) { return f.open(f.write(u"doc.txt"_s, bytes)); }

    void showMenu(const char *caption)
    {
        Q_EMIT f.main->menu(QLatin1String(caption))->aboutToShow();
    }
    bool enabled(const char *caption) const { return f.main->action(QLatin1String(caption))->isEnabled(); }

private Q_SLOTS:
    void initTestCase() { f.setUp(); }
    void cleanupTestCase() { f.tearDown(); }
    void init() { Messages::startRecording(); }
    void cleanup()
    {
        f.closeAll();
        f.commands->findDialog()->hide();
        f.commands->replaceDialog()->hide();
    }

    void menuEnabling()
    {
        QVERIFY(session().activeConfigFrm.isNull());
        showMenu("&File");
        QVERIFY(!enabled("Sa&ve Current Configuration Document As..."));
        QVERIFY(!enabled("&Print Current Configuration Document"));
        showMenu("&Edit");
        for (const char *caption : {"&Undo", "&Redo", "&Delete", "&Select All", "&Find...", "R&eplace", "Set F&onts..."})
            QVERIFY2(!enabled(caption), caption);
        // Commands without an active window do nothing.
        f.main->action(u"&Find..."_s)->setEnabled(true);
        f.main->action(u"&Find..."_s)->trigger();
        QVERIFY(!f.commands->findDialog()->isVisible());

        TConfigFrm *frm = openText(IosConfig);
        showMenu("&File");
        QVERIFY(enabled("Sa&ve Current Configuration Document As..."));
        QVERIFY(enabled("&Print Current Configuration Document"));
        showMenu("&Edit");
        QVERIFY(!enabled("&Undo"));
        QVERIFY(!enabled("&Redo"));
        QVERIFY(!enabled("&Delete"));
        for (const char *caption : {"&Select All", "&Find...", "R&eplace", "Set F&onts..."})
            QVERIFY2(enabled(caption), caption);
        select(frm->myConf(), 0, 8);
        showMenu("&Edit");
        QVERIFY(enabled("&Delete"));
        QVERIFY(!enabled("Search &Interface Table"));
    }

    void undoRedoDelete()
    {
        TConfigFrm *frm = openText(IosConfig);
        QTextEdit *editor = frm->myConf();
        const QString original = frm->plainText();
        const QColor blue = ConfigFixture::colorAt(editor, 15);
        QCOMPARE(blue, QColor(0, 0, 255));
        select(editor, 0, 9); // "hostname "
        f.main->action(u"&Delete"_s)->trigger();
        QCOMPARE(frm->plainText(), original.mid(9));
        showMenu("&Edit");
        QVERIFY(enabled("&Undo"));
        f.main->action(u"&Undo"_s)->trigger();
        QCOMPARE(frm->plainText(), original);
        showMenu("&Edit");
        QVERIFY(enabled("&Redo"));
        f.main->action(u"&Redo"_s)->trigger();
        QCOMPARE(frm->plainText(), original.mid(9));
        // Undoing everything the user did keeps the analysis colours.
        f.main->action(u"&Undo"_s)->trigger();
        QVERIFY(!editor->document()->isUndoAvailable());
        QCOMPARE(ConfigFixture::colorAt(editor, 15), blue);
    }

    void setFonts()
    {
        TConfigFrm *frm = openText(IosConfig);
        QFont chosen(u"DejaVu Sans Mono"_s, 14);
        f.commands->hooks.fontDialog = [chosen](const QFont &current, QWidget *) {
            // Starts from the editor's font: Tahoma, 11 pixels high.
            return current.family() == u"Tahoma"_s && current.pixelSize() == 11 ? std::optional<QFont>(chosen)
                                                                                  : std::nullopt;
        };
        f.main->action(u"Set F&onts..."_s)->trigger();
        QCOMPARE(frm->myConf()->document()->defaultFont().family(), chosen.family());
        QCOMPARE(frm->document().fontPointSize, 14.0);
    }

    void findNext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("plain") << "ab Ab ab" << "ab" << false << false << QList<int>{0, 3, 6};
        QTest::newRow("match case") << "ab Ab ab" << "Ab" << true << false << QList<int>{3};
        QTest::newRow("whole word") << "vlan vlans vlan" << "vlan" << false << true << QList<int>{0, 11};
        QTest::newRow("overlapping") << "aaa" << "aa" << false << false << QList<int>{0, 1};
        QTest::newRow("absent") << "abc" << "x" << false << false << QList<int>{};
    }
    void findNext()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(QList<int>, found);
        TConfigFrm *frm = openText(text.toUtf8());
        QTextEdit *editor = frm->myConf();
        ConfigFindDialog *dialog = f.commands->findDialog();
        f.main->action(u"&Find..."_s)->trigger();
        QVERIFY(dialog->isVisible());
        dialog->setFindText(search);
        dialog->setMatchCase(matchCase);
        dialog->setWholeWord(wholeWord);
        for (int position : found) {
            dialog->findNextButton()->click();
            QCOMPARE(editor->textCursor().selectionStart(), position);
            QCOMPARE(editor->textCursor().selectedText().size(), search.size());
        }
        QVERIFY(Messages::recorded().isEmpty());
        dialog->findNextButton()->click();
        QCOMPARE(Messages::recorded(), QStringList{u"End of document reached."_s});
        // The failed search leaves the caret one past the last match's start.
        QVERIFY(!editor->textCursor().hasSelection());
        if (!found.isEmpty())
            QCOMPARE(editor->textCursor().position(), found.last() + 1);
    }

    void findTakesSelectionAndRunsFromCaret()
    {
        TConfigFrm *frm = openText(IosConfig);
        QTextEdit *editor = frm->myConf();
        select(editor, 15, 9); // "interface"
        f.main->action(u"&Find..."_s)->trigger();
        QCOMPARE(f.commands->findDialog()->findText(), u"interface"_s);
        caretAt(editor, 20);
        f.commands->findDialog()->findNextButton()->click();
        QCOMPARE(editor->textCursor().selectionStart(), int(frm->plainText().indexOf(u"interface Gi0/2"_s)));
    }

    void replace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        QTest::newRow("all") << "vlan 1\nvlan 2\nvlan 3" << "vlan" << "VLAN" << "VLAN 1\nVLAN 2\nVLAN 3" << 3;
        QTest::newRow("replacement contains search") << "a a a" << "a" << "aa" << "aa aa aa" << 3;
        QTest::newRow("empty replacement") << "xaaaay" << "aa" << "" << "xy" << 2;
        QTest::newRow("none") << "abc" << "z" << "y" << "abc" << 0;
    }
    void replace()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QFETCH(int, count);
        TConfigFrm *frm = openText(text.toUtf8());
        ConfigFindDialog *dialog = f.commands->replaceDialog();
        f.main->action(u"R&eplace"_s)->trigger();
        QVERIFY(dialog->isVisible());
        dialog->setFindText(search);
        dialog->setReplaceText(with);
        QCOMPARE(f.commands->replaceNext(true), count);
        QCOMPARE(frm->plainText(), result);
        QCOMPARE(Messages::recorded(), QStringList{u"End of document reached."_s});
        // Replace-all is one step for undo.
        f.main->action(u"&Undo"_s)->trigger();
        QCOMPARE(frm->plainText(), text);
    }

    void replaceButtonReplacesAnySelection()
    {
        TConfigFrm *frm = openText("one two one");
        ConfigFindDialog *dialog = f.commands->replaceDialog();
        select(frm->myConf(), 4, 3); // "two", not a match
        f.main->action(u"R&eplace"_s)->trigger();
        dialog->setFindText(u"one"_s);
        dialog->setReplaceText(u"1"_s);
        dialog->replaceButton()->click();
        // The selection was replaced and the next match is selected.
        QCOMPARE(frm->plainText(), u"one 1 one"_s);
        QCOMPARE(frm->myConf()->textCursor().selectionStart(), 6);
        dialog->replaceButton()->click();
        QCOMPARE(frm->plainText(), u"one 1 1"_s);
        QCOMPARE(Messages::recorded(), QStringList{u"End of document reached."_s});
    }

    void saveAsWithoutExtensionAndReopen()
    {
        TConfigFrm *frm = openText(IosConfig);
        const QString target = f.dir.filePath(u"saved-config"_s);
        f.commands->hooks.saveFileName = [target](QWidget *) { return target; };
        f.main->action(u"Sa&ve Current Configuration Document As..."_s)->trigger();
        QVERIFY(QFileInfo::exists(target));
        QVERIFY(!QFileInfo::exists(target + u".txt"_s));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));
        file.close();
        const RtfDocument saved = frm->document();

        TConfigFrm *again = f.open(target);
        QVERIFY(again != frm);
        QCOMPARE(again->plainText(), frm->plainText());
        QCOMPARE(again->document().colorRuns, saved.colorRuns);
        QCOMPARE(ConfigFixture::colorAt(again->myConf(), 15), QColor(0, 0, 255));
        QCOMPARE(ConfigFixture::topCaptions(again).first(), u"Cisco IOS Configuration"_s);

        // The context menu's "Save As..." saves the same way; a failed save is reported.
        f.commands->hooks.saveFileName = [](QWidget *) { return u"/nonexistent/dir/x"_s; };
        again->popupMenu()->actions().last()->trigger();
        QCOMPARE(Messages::recorded().size(), 1);
        QVERIFY(Messages::recorded().first().contains(u"/nonexistent/dir/x"_s));
    }

    // Every character of a plain-text configuration survives the editor,
    // Save As and reopening; only the line-end form may change.
    void textSurvivesOpenAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("windows-1252") << QByteArray("banner caf\xe9 x\xa0\x80\r\n\tinterface x\r\n")
                                      << u"banner caf\u00e9 x\u00a0\u20ac\n\tinterface x\n"_s;
        QTest::newRow("utf-8") << QByteArray("description \xce\xa9 \xf0\x9f\x98\x80 {\\}\n")
                               << u"description \u03a9 \U0001F600 {\\}\n"_s;
        QTest::newRow("utf-16") << QByteArray("\xfe\xff\0h\0\n", 6) << u"h\n"_s;
    }
    void textSurvivesOpenAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        TConfigFrm *frm = openText(bytes);
        QCOMPARE(frm->plainText(), text);
        const QString target = f.dir.filePath(u"roundtrip.rtf"_s);
        f.commands->hooks.saveFileName = [target](QWidget *) { return target; };
        f.main->action(u"Sa&ve Current Configuration Document As..."_s)->trigger();
        TConfigFrm *again = f.open(target);
        QCOMPARE(again->plainText(), text);
    }

    void savedColoursOpenInLibreOffice()
    {
        const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        openText(IosConfig);
        const QString target = f.dir.filePath(u"for-writer.rtf"_s);
        f.commands->hooks.saveFileName = [target](QWidget *) { return target; };
        f.main->action(u"Sa&ve Current Configuration Document As..."_s)->trigger();
        QProcess convert;
        convert.start(soffice, {u"-env:UserInstallation=file://"_s + f.dir.filePath(u"lo-profile"_s), u"--headless"_s,
                                u"--convert-to"_s, u"html"_s, u"--outdir"_s, f.dir.filePath(u"html"_s), target});
        QVERIFY(convert.waitForFinished(120000));
        QFile html(f.dir.filePath(u"html/for-writer.html"_s));
        QVERIFY2(html.open(QIODevice::ReadOnly), qPrintable(QString::fromLocal8Bit(convert.readAllStandardError())));
        // Lower case, and the line breaks LibreOffice puts into its HTML
        // made single blanks again.
        const QString page = QString::fromUtf8(html.readAll()).toLower().simplified();
        QVERIFY2(page.contains(u"hostname core1"_s), qPrintable(page));
        // "interface" blue, "line" in its light blue.
        QVERIFY2(page.contains(u"#0000ff"_s), qPrintable(page.left(2000)));
        QVERIFY(page.contains(u"#007fff"_s));
    }

    void printToPdf()
    {
        openText(IosConfig);
        const QString pdf = f.dir.filePath(u"printed.pdf"_s);
        QString docName;
        f.commands->hooks.printDialog = [pdf](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        f.main->action(u"&Print Current Configuration Document"_s)->trigger();
        QCOMPARE(f.commands->printer().docName(), u"Print Configuration Document"_s);
        QVERIFY(Messages::recorded().isEmpty());
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; only the PDF's presence was checked");
        QProcess text;
        text.start(pdftotext, {pdf, u"-"_s});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(u"interface Gi0/2"_s), qPrintable(printed));
        QVERIFY(printed.contains(u"hostname Core1"_s));
    }

    void printCancelledAndSetup()
    {
        openText(IosConfig);
        bool setupShown = false;
        f.commands->hooks.printDialog = [](QPrinter &, QWidget *) { return false; };
        f.commands->hooks.printSetupDialog = [&setupShown](QPrinter &, QWidget *) { setupShown = true; };
        f.main->action(u"&Print Current Configuration Document"_s)->trigger();
        QVERIFY(Messages::recorded().isEmpty());
        f.main->action(u"Print Setup"_s)->trigger();
        QVERIFY(setupShown);
    }

    void toolbarRunsCommands()
    {
        TConfigFrm *frm = openText(IosConfig);
        QToolBar *bar = f.main->findChild<QToolBar *>(u"Toolbar"_s);
        QVERIFY(bar);
        select(frm->myConf(), 0, 8);
        for (QAction *a : bar->actions()) {
            if (a->objectName() == u"button:Replace"_s)
                a->trigger();
        }
        QVERIFY(f.commands->replaceDialog()->isVisible());
        QCOMPARE(f.commands->replaceDialog()->findText(), u"hostname"_s);
    }
};

QTEST_MAIN(TestConfigDocuments)
#include "test_configdocuments.moc"

// The analysis window as a user meets it: opening IOS and CatOS documents,
// the tree and its node selection, the colours, the window's activation
// rules, the keyword dialog with a user-defined analysis, and the speed of
// the passes on a large configuration.
#include "configfixture.h"

#include "config/configwindows.h"
#include "config/tconfassist.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
const QByteArray IosConfig = "version 12.2\r\n"
                             "hostname Core1\r\n"
                             "vlan 10\r\n"
                             " name users\r\n"
                             "interface FastEthernet0/1\r\n"
                             " switchport access vlan 10\r\n"
                             "interface FastEthernet0/2\r\n"
                             " shutdown\r\n"
                             "router ospf 1\r\n"
                             " network 10.0.0.0 0.255.255.255 area 0\r\n"
                             "IP ROUTE is mentioned here\r\n"
                             "ip route 0.0.0.0 0.0.0.0 10.1.1.1\r\n"
                             "access-list 10 permit any\r\n"
                             "snmp-server community public RO\r\n"
                             "line con 0\r\n"
                             "end\r\n";

const QByteArray CatosConfig = "#version 5.5(3)\n"
                               "#system\n"
                               "set system name Cat1\n"
                               "#snmp\n"
                               "set snmp community read-only public\n"
                               "#spantree\n"
                               "set spantree enable all\n"
                               "#module 1\n";

QString bigIosConfig(int lines)
{
    QStringList out;
    out.reserve(lines);
    int i = 0;
    while (int(out.size()) < lines) {
        switch (i % 10) {
        case 0: out << u"interface GigabitEthernet1/0/%1"_s.arg(i); break;
        case 1: out << u" description uplink %1"_s.arg(i); break;
        case 2: out << u" switchport access vlan %1"_s.arg(i % 4000); break;
        case 3: out << u"vlan %1"_s.arg(i % 4000); break;
        case 4: out << u" name v%1"_s.arg(i); break;
        case 5: out << u"ip route 10.%1.0.0 255.255.0.0 10.0.0.1"_s.arg(i % 250); break;
        case 6: out << u"access-list 101 permit ip any host 10.0.0.%1"_s.arg(i % 250); break;
        case 7: out << u"snmp-server host 10.0.0.%1 public"_s.arg(i % 250); break;
        case 8: out << u" spanning-tree portfast"_s; break;
        case 9: out << u"line vty %1"_s.arg(i % 16); break;
        }
        ++i;
    }
    return out.join(u'\n');
}

QTreeWidgetItem *findNode(QTreeWidget *tree, const QString &caption)
{
    const QList<QTreeWidgetItem *> items = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}
} // namespace

class TestConfigWindow final : public QObject
{
    Q_OBJECT

    ConfigFixture f;

private Q_SLOTS:
    void initTestCase() { f.setUp(); }
    void cleanupTestCase() { f.tearDown(); }
    void init()
    {
        Messages::startRecording();
        session().prevCaretLine = 0;
    }
    void cleanup() { f.closeAll(); }

    void iosDocument()
    {
        session().ifCount = 3;
        const QString path = f.write(u"core1.txt"_s, IosConfig);
        TConfigFrm *frm = f.open(path);
        QVERIFY(frm);
        QCOMPARE(session().configFrm.data(), frm);
        QCOMPARE(frm->windowTitle(), u"Config Analysis - "_s + path);
        QCOMPARE(session().ifCount, 1000);
        QCOMPARE(session().devOsType, u"IOS"_s);
        QCOMPARE(ConfigFixture::topCaptions(frm),
                 (QStringList{u"Cisco IOS Configuration"_s, u"Vlan"_s, u"Interface"_s, u"Dynamic route"_s,
                              u"Static route"_s, u"Access list"_s, u"Snmp"_s, u"Line"_s}));
        QTreeWidgetItem *interfaces = findNode(frm->myTree(), u"Interface"_s);
        QCOMPARE(interfaces->childCount(), 2);
        QCOMPARE(interfaces->child(1)->text(0), u"interface FastEthernet0/2"_s);
        QTextEdit *editor = frm->myConf();
        QCOMPARE(editor->textCursor().position(), 0);
        QVERIFY(!editor->textCursor().hasSelection());
        const QString text = frm->plainText();
        const int iface = int(text.indexOf(u"interface Fast"_s));
        QCOMPARE(ConfigFixture::colorAt(editor, iface), QColor(0, 0, 255));
        QCOMPARE(ConfigFixture::colorAt(editor, iface + 8), QColor(0, 0, 255));
        QCOMPARE(ConfigFixture::colorAt(editor, iface + 9), QColor(Qt::black));
        const int route = int(text.indexOf(u"ip route 0"_s));
        QCOMPARE(ConfigFixture::colorAt(editor, route + 7), QColor(255, 0, 255));
        QCOMPARE(ConfigFixture::colorAt(editor, route + 8), QColor(Qt::black));
        // The colouring is not an edit the user could undo.
        QVERIFY(!editor->document()->isUndoAvailable());
        QVERIFY(Messages::recorded().isEmpty());
    }

    void secondPassAsCatos_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("os");
        QTest::newRow("catos") << CatosConfig
                               << QStringList{u"Cisco CATOS Configuration"_s, u"System"_s, u"Snmp"_s,
                                              u"Spanning Tree"_s, u"Module"_s}
                               << "CATOS";
        QTest::newRow("neither") << QByteArray("hostname x\nend\n") << QStringList{u"Cisco CATOS Configuration"_s}
                                 << "CATOS";
        QTest::newRow("empty file") << QByteArray() << QStringList() << "IOS";
    }
    void secondPassAsCatos()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tree);
        QFETCH(QString, os);
        session().ifCount = 5;
        TConfigFrm *frm = f.open(f.write(u"doc.txt"_s, bytes));
        QVERIFY(frm);
        QCOMPARE(ConfigFixture::topCaptions(frm), tree);
        QCOMPARE(session().devOsType, os);
        QCOMPARE(session().ifCount, 1000);
        if (os == u"CATOS"_s && bytes.contains("#system"))
            QCOMPARE(ConfigFixture::colorAt(frm->myConf(), int(frm->plainText().indexOf(u"#system"_s))),
                     QColor(255, 0, 0));
    }

    void nodeSelection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("selected"); // empty: nothing selected
        QTest::addColumn<int>("line");
        QTest::newRow("interface") << IosConfig << "Interface" << "interface" << 4;
        QTest::newRow("static route, any case") << IosConfig << "Static route" << "IP ROUTE" << 10;
        QTest::newRow("access list") << IosConfig << "Access list" << "access-list" << 12;
        QTest::newRow("line node") << IosConfig << "interface FastEthernet0/2" << "interface FastEthernet0/2" << 6;
        QTest::newRow("dynamic route nowhere") << IosConfig << "Dynamic route" << "" << -1;
        QTest::newRow("root nowhere") << IosConfig << "Cisco IOS Configuration" << "" << -1;
        QTest::newRow("catos snmp") << CatosConfig << "Snmp" << "#snmp" << 3;
        QTest::newRow("catos spanning tree") << CatosConfig << "Spanning Tree" << "#spantree" << 5;
    }
    void nodeSelection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, node);
        QFETCH(QString, selected);
        QFETCH(int, line);
        TConfigFrm *frm = f.open(f.write(u"sel.txt"_s, bytes));
        frm->myTree()->setFocus();
        QTreeWidgetItem *item = findNode(frm->myTree(), node);
        QVERIFY(item);
        frm->myTree()->setCurrentItem(item);
        QTextCursor cursor = frm->myConf()->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        if (line >= 0) {
            QCOMPARE(cursor.blockNumber(), line);
            QCOMPARE(session().prevCaretLine, line);
        }
        QVERIFY(frm->myTree()->hasFocus());
    }

    void catosPrefixAppliesToEveryWindow()
    {
        TConfigFrm *ios = f.open(f.write(u"ios.txt"_s, IosConfig));
        // A later CatOS open leaves "CATOS" in the session; the IOS window's
        // nodes then look for "#Interface", which it does not have.
        f.open(f.write(u"cat.txt"_s, CatosConfig));
        QCOMPARE(session().devOsType, u"CATOS"_s);
        ios->myTree()->setCurrentItem(findNode(ios->myTree(), u"Interface"_s));
        QVERIFY(!ios->myConf()->textCursor().hasSelection());
    }

    void scrollsFiveMoreLinesDownward()
    {
        QStringList lines;
        for (int i = 0; i < 400; ++i)
            lines << (i % 50 == 0 || i == 102 ? u"interface Gi0/%1"_s.arg(i) : u" description %1"_s.arg(i));
        session().devVendor = u"Cisco"_s;
        session().devOsType = u"IOS"_s;
        TConfigFrm *frm = openConfigWindow(*f.main, lines.join(u'\n'));
        frm->parentWidget()->resize(600, 400);
        QTest::qWait(20);
        QTextEdit *editor = frm->myConf();
        const int spacing = editor->fontMetrics().lineSpacing();
        auto gapBelowCaret = [editor] {
            return editor->viewport()->height() - editor->cursorRect().bottom();
        };
        frm->myTree()->setCurrentItem(findNode(frm->myTree(), u"interface Gi0/300"_s));
        QCOMPARE(session().prevCaretLine, 300);
        // Brought into view at the bottom, then five more lines scrolled.
        QVERIFY2(std::abs(gapBelowCaret() - 5 * spacing) <= spacing, qPrintable(QString::number(gapBelowCaret())));
        frm->myTree()->setCurrentItem(findNode(frm->myTree(), u"interface Gi0/100"_s));
        QCOMPARE(session().prevCaretLine, 100);
        // Upwards: brought into view at the top, no extra scroll.
        QVERIFY(editor->cursorRect().top() <= spacing);
        // Within five lines below the previous one: no extra scroll either.
        const int before = editor->verticalScrollBar()->value();
        frm->myTree()->setCurrentItem(findNode(frm->myTree(), u"interface Gi0/102"_s));
        QCOMPARE(session().prevCaretLine, 102);
        QCOMPARE(editor->verticalScrollBar()->value(), before);
    }

    void activationAndClose()
    {
        TConfigFrm *first = f.open(f.write(u"a.txt"_s, IosConfig));
        TConfigFrm *second = f.open(f.write(u"b.txt"_s, IosConfig));
        QCOMPARE(ConfigFixture::active(), second);
        QTest::mouseClick(first->myConf()->viewport(), Qt::LeftButton);
        QCOMPARE(ConfigFixture::active(), first);
        QVERIFY(!session().iosSectionLines.isEmpty());
        second->parentWidget()->close();
        QVERIFY(session().activeConfigFrm.isNull());
        QVERIFY(session().iosSectionLines.isEmpty());
        QCOMPARE(first->windowTitle(), u"Config Analysis - "_s + f.dir.filePath(u"a.txt"_s));
    }

    void loadErrorLeavesEmptyWindow()
    {
        TConfigFrm *frm = f.open(f.dir.filePath(u"missing.txt"_s));
        QVERIFY(frm);
        QCOMPARE(Messages::recorded().size(), 1);
        QVERIFY(Messages::recorded().first().contains(u"missing.txt"_s));
        QVERIFY(frm->plainText().isEmpty());
        QCOMPARE(frm->myTree()->topLevelItemCount(), 0);
    }

    void popupMenuItems()
    {
        TConfigFrm *frm = f.open(f.write(u"p.txt"_s, IosConfig));
        QStringList items;
        for (QAction *a : frm->popupMenu()->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{u"Cut"_s, u"Copy"_s, u"Paste"_s, u"Delete"_s, u"Find..."_s, u"Replace"_s,
                                     u"Set Fonts..."_s, u"Select All"_s, u"Save As..."_s}));
        // "Select All" runs the main window's command even while its menu
        // item is disabled.
        f.main->action(u"&Select All"_s)->setEnabled(false);
        frm->popupMenu()->actions().at(7)->trigger();
        QCOMPARE(frm->myConf()->textCursor().selectedText().size(), frm->plainText().size());
    }

    // Keyword dialog: colours stay with list positions, "&Ok" fills the
    // tables and the user-defined analysis uses them.
    void keywordDialog()
    {
        TConfAssist *assist = f.commands->confAssist();
        QVERIFY(assist);
        QColor next;
        assist->chooseColor = [&next](const QColor &, QWidget *) { return std::optional<QColor>(next); };
        QCOMPARE(assist->entKW()->text(), u"(Enter keyword here)"_s);
        assist->clearLists();
        const QList<QColor> colors{QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
        const QStringList words{u"hostname"_s, u"shutdown"_s, u"vlan"_s};
        for (int i = 0; i < 3; ++i) {
            next = colors[i];
            assist->colorClick();
            assist->entKW()->setText(words[i]);
            assist->addClick();
            QCOMPARE(assist->entKW()->text(), words[i]);
        }
        QCOMPARE(session().lastAddedKeyword, 2);
        // Double-clicking the first keyword removes it; the other two now
        // take the colours of positions 0 and 1.
        QListWidget *list = assist->kwList();
        Q_EMIT list->itemDoubleClicked(list->item(0));
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1);
        assist->copyToDuplicates();
        QCOMPARE(assist->dpKWList()->count(), 1);
        // Enter adds without recording a colour and empties the edit.
        assist->entKW()->setText(u"description"_s);
        QTest::keyClick(assist->entKW(), Qt::Key_Return);
        QCOMPARE(list->count(), 3);
        QVERIFY(assist->entKW()->text().isEmpty());
        QVERIFY(!assist->isVisible());

        f.keywordDialog = [](QDialog &dialog) {
            auto *keywords = qobject_cast<TConfAssist *>(&dialog);
            keywords->okClick();
            return keywords->result();
        };
        TConfigFrm *frm = f.open(f.write(u"other.cfg"_s, "hostname sw\n shutdown\nvlan 5\nvlan 6\n"),
                                 TDocTypeForm::OtherType);
        QVERIFY(frm);
        QCOMPARE(session().devVendor, QString());
        QCOMPARE(session().confDocFile, f.dir.filePath(u"other.cfg"_s));
        QCOMPARE(session().keywordTable, (QStringList{u"shutdown"_s, u"vlan"_s, u"description"_s}));
        QCOMPARE(session().dupKeywordTable, QStringList{u"vlan"_s});
        QCOMPARE(session().dupKeywordLineCount, QList<int>{2});
        QCOMPARE(ConfigFixture::topCaptions(frm),
                 (QStringList{u"User Defined Configuration Directory"_s, u"shutdown"_s, u"vlan"_s}));
        QTreeWidgetItem *vlan = findNode(frm->myTree(), u"vlan"_s);
        QCOMPARE(vlan->childCount(), 2);
        QCOMPARE(findNode(frm->myTree(), u"shutdown"_s)->childCount(), 0);
        QTextEdit *editor = frm->myConf();
        QCOMPARE(ConfigFixture::colorAt(editor, 13), QColor(255, 0, 0)); // "shutdown": position 0's colour
        QCOMPARE(ConfigFixture::colorAt(editor, 22), QColor(0, 128, 0)); // "vlan": position 1's colour
        QCOMPARE(ConfigFixture::colorAt(editor, 0), QColor(Qt::black)); // "hostname" is no longer a keyword

        // Cancel leaves lists and tables as they were.
        assist->reject();
        QCOMPARE(list->count(), 3);
        QCOMPARE(session().keywordTable.size(), 3);
    }

    void keywordDialogEmptyListsAndManyKeywords()
    {
        TConfAssist *assist = f.commands->confAssist();
        f.keywordDialog = [](QDialog &dialog) {
            auto *keywords = qobject_cast<TConfAssist *>(&dialog);
            keywords->okClick();
            return keywords->result();
        };
        assist->clearLists();
        TConfigFrm *frm = f.open(f.write(u"empty-lists.cfg"_s, "hostname sw\n"), TDocTypeForm::OtherType);
        QCOMPARE(ConfigFixture::topCaptions(frm), QStringList{u"User Defined Configuration Directory"_s});
        QVERIFY(frm->document().colorRuns.isEmpty());

        // Positions past the first 50 get colours of their own.
        assist->chooseColor = [](const QColor &, QWidget *) { return std::optional<QColor>(QColor(0, 0, 200)); };
        assist->colorClick();
        QByteArray text;
        for (int i = 0; i < 60; ++i) {
            assist->entKW()->setText(u"kw%1x"_s.arg(i));
            assist->addClick();
            text += "kw" + QByteArray::number(i) + "x\n";
        }
        QCOMPARE(session().keywordColor.size(), 60);
        frm = f.open(f.write(u"many.cfg"_s, text), TDocTypeForm::OtherType);
        QCOMPARE(frm->myTree()->topLevelItem(0)->childCount(), 60);
        QCOMPARE(ConfigFixture::colorAt(frm->myConf(), int(frm->plainText().indexOf(u"kw59x"_s))), QColor(0, 0, 200));
        assist->clearLists();
    }

    void docTypeDialogClosedDoesNothing()
    {
        const int windows = int(f.main->mdiArea()->subWindowList().size());
        f.commands->hooks.openFileName = [this](QWidget *) { return f.write(u"x.txt"_s, IosConfig); };
        auto previous = f.commands->hooks.execDialog;
        f.commands->hooks.execDialog = [](QDialog &dialog) {
            dialog.show();
            dialog.reject();
            return dialog.result();
        };
        f.main->action(u"Ope&n Configuration Document"_s)->trigger();
        f.commands->hooks.execDialog = previous;
        QCOMPARE(int(f.main->mdiArea()->subWindowList().size()), windows);
        // Cancelling the file dialog does nothing either.
        f.commands->hooks.openFileName = [](QWidget *) { return QString(); };
        f.main->action(u"Ope&n Configuration Document"_s)->trigger();
        QCOMPARE(int(f.main->mdiArea()->subWindowList().size()), windows);
    }

    void benchmarkPasses()
    {
        const QString text = bigIosConfig(50000);
        session().devVendor = u"Cisco"_s;
        session().devOsType = u"IOS"_s;
        TConfigFrm *frm = createConfigWindow(*f.main);
        QElapsedTimer timer;
        timer.start();
        frm->loadText(text);
        const qint64 load = timer.restart();
        runAnalysisPasses(*frm);
        const qint64 passes = timer.elapsed();
        finishConfigWindow(*frm);
        // What the user waits for in addition: the window's first layout and paint.
        timer.restart();
        frm->myConf()->viewport()->repaint();
        QCoreApplication::processEvents();
        const qint64 shown = timer.elapsed();
        qInfo("50000-line IOS configuration: load %lld ms, highlighting and tree passes %lld ms, first paint %lld ms",
              load, passes, shown);
        QCOMPARE(findNode(frm->myTree(), u"Interface"_s)->childCount(), 5000);
        QVERIFY(passes < 10000);
    }
};

QTEST_MAIN(TestConfigWindow)
#include "test_configwindow.moc"

// The section analysis on plain text: which lines are section headers, what
// is coloured, what the tree holds, how node captions become searches, and
// the plain-text load of configuration files.
#include "config/configanalysis.h"
#include "config/configdocumentfile.h"
#include "core/session.h"
#include "platform/rtf/rtfwriter.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using ConfigAnalysis::TreeNode;

namespace {
void setKind(const QString &vendor, const QString &os)
{
    session().devVendor = vendor;
    session().devOsType = os;
}

QStringList captions(const QList<TreeNode> &nodes)
{
    QStringList out;
    for (const TreeNode &n : nodes)
        out << n.caption;
    return out;
}

// Renders the runs as "start+length:rrggbb" for readable comparisons.
QStringList describe(const QList<RtfColorRun> &runs)
{
    QStringList out;
    for (const RtfColorRun &r : runs)
        out << u"%1+%2:%3"_s.arg(r.start).arg(r.length).arg(ConfigAnalysis::rgbFromColor(r.color), 6, 16, QChar(u'0'));
    return out;
}
} // namespace

class TestConfigAnalysis final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kind_data()
    {
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("os");
        QTest::addColumn<int>("kind");
        QTest::newRow("ios") << "Cisco" << "IOS" << int(ConfigAnalysis::Kind::Ios);
        QTest::newRow("catos") << "Cisco" << "CATOS" << int(ConfigAnalysis::Kind::Catos);
        QTest::newRow("other os is catos") << "Cisco" << "ios" << int(ConfigAnalysis::Kind::Catos);
        QTest::newRow("empty vendor") << "" << "IOS" << int(ConfigAnalysis::Kind::User);
        QTest::newRow("vendor case") << "cisco" << "IOS" << int(ConfigAnalysis::Kind::User);
    }
    void kind()
    {
        QFETCH(QString, vendor);
        QFETCH(QString, os);
        QFETCH(int, kind);
        QCOMPARE(int(ConfigAnalysis::kindFor(vendor, os)), kind);
    }

    // Each line alone: which IOS section counts it and what is coloured.
    void iosHeaderLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("section"); // -1: none
        QTest::addColumn<QString>("run");
        QTest::newRow("vlan") << "vlan 10" << 0 << "0+4:ff0000";
        QTest::newRow("vlan policy") << "vlan internal allocation policy ascending" << 0 << "0+4:ff0000";
        QTest::newRow("blank before vlan") << " vlan 10" << -1 << "";
        QTest::newRow("interface") << "interface GigabitEthernet0/1" << 1 << "0+9:0000ff";
        QTest::newRow("capital Interface") << "Interface GigabitEthernet0/1" << -1 << "";
        QTest::newRow("router") << "router ospf 1" << 2 << "0+6:008000";
        QTest::newRow("static route") << "ip route 0.0.0.0 0.0.0.0 10.1.1.1" << 3 << "0+8:ff00ff";
        QTest::newRow("ip routing") << "ip routing" << -1 << "";
        QTest::newRow("access-list") << "access-list 10 permit any" << 4 << "0+11:800080";
        QTest::newRow("snmp-server") << "snmp-server community public RO" << 5 << "0+11:32cc99";
        QTest::newRow("line") << "line vty 0 4" << 6 << "0+4:007fff";
        QTest::newRow("indented line") << " line con 0" << -1 << "";
    }
    void iosHeaderLines()
    {
        QFETCH(QString, line);
        QFETCH(int, section);
        QFETCH(QString, run);
        setKind(u"Cisco"_s, u"IOS"_s);
        const QString text = u"hostname R1\n"_s + line + u"\nend"_s;
        const QList<RtfColorRun> runs = ConfigAnalysis::highlightSections(text, session());
        QList<int> expected(7, 0);
        if (section >= 0)
            expected[section] = 1;
        QCOMPARE(session().iosSectionCount, expected);
        // Runs are positioned in the whole text: the line starts at 12.
        QStringList want;
        if (!run.isEmpty()) {
            const int plus = int(run.indexOf(u'+'));
            want << QString::number(12 + run.left(plus).toInt()) + run.mid(plus);
        }
        QCOMPARE(describe(runs), want);
    }

    void iosTree()
    {
        setKind(u"Cisco"_s, u"IOS"_s);
        session().ifCount = 1;
        QString text = u"version 12.2\nvlan 10\nvlan 20\ninterface Fa0/1\n description x\ninterface Fa0/2\n"
                       u"router ospf 1\nip route 0.0.0.0 0.0.0.0 1.1.1.1\nline con 0\nend"_s;
        ConfigAnalysis::highlightSections(text, session());
        const std::optional<TreeNode> root = ConfigAnalysis::buildSectionTree(text, session());
        QVERIFY(root);
        QCOMPARE(root->caption, u"Cisco IOS Configuration"_s);
        QCOMPARE(captions(root->children),
                 (QStringList{u"Vlan"_s, u"Interface"_s, u"Dynamic route"_s, u"Static route"_s, u"Line"_s}));
        // Stored lines are not cut at IfCount: both VLANs and interfaces show.
        QCOMPARE(captions(root->children[0].children), (QStringList{u"vlan 10"_s, u"vlan 20"_s}));
        QCOMPARE(captions(root->children[1].children), (QStringList{u"interface Fa0/1"_s, u"interface Fa0/2"_s}));
        QCOMPARE(captions(root->children[2].children), QStringList{u"router ospf 1"_s});
        QVERIFY(root->children[3].children.isEmpty());
    }

    void manyHeaderLinesAreAllKept()
    {
        setKind(u"Cisco"_s, u"IOS"_s);
        session().ifCount = 1000;
        QStringList lines;
        for (int i = 0; i < 1500; ++i)
            lines << u"interface Gi1/0/%1"_s.arg(i) << u" shutdown"_s;
        for (int i = 0; i < 8; ++i)
            lines << u"router bgp %1"_s.arg(i);
        const QString text = lines.join(u'\n');
        ConfigAnalysis::highlightSections(text, session());
        const std::optional<TreeNode> root = ConfigAnalysis::buildSectionTree(text, session());
        QCOMPARE(root->children[0].caption, u"Interface"_s);
        QCOMPARE(root->children[0].children.size(), 1500);
        QCOMPARE(root->children[1].children.size(), 8);
    }

    void catosTree()
    {
        setKind(u"Cisco"_s, u"CATOS"_s);
        const QString text = u"#version 5.5\n#system\nset system name S1\n#snmp\n#spantree\n#permit list\n"
                             u"#ip\n#ntp\n #vtp\n"_s;
        const QList<RtfColorRun> runs = ConfigAnalysis::highlightSections(text, session());
        const std::optional<TreeNode> root = ConfigAnalysis::buildSectionTree(text, session());
        QCOMPARE(root->caption, u"Cisco CATOS Configuration"_s);
        QCOMPARE(captions(root->children), (QStringList{u"System"_s, u"Snmp"_s, u"Ip"_s, u"Spanning Tree"_s,
                                                        u"Permit list"_s, u"Ntp"_s}));
        for (const TreeNode &n : root->children)
            QVERIFY(n.children.isEmpty());
        QCOMPARE(runs.size(), 6);
        QCOMPARE(session().catosSectionCount[8], 1);
    }

    void emptyTextAndNoSections_data()
    {
        QTest::addColumn<QString>("os");
        QTest::addColumn<QString>("root");
        QTest::newRow("ios") << "IOS" << "Cisco IOS Configuration";
        QTest::newRow("catos") << "CATOS" << "Cisco CATOS Configuration";
    }
    void emptyTextAndNoSections()
    {
        QFETCH(QString, os);
        QFETCH(QString, root);
        setKind(u"Cisco"_s, os);
        QVERIFY(ConfigAnalysis::highlightSections(QString(), session()).isEmpty());
        QVERIFY(!ConfigAnalysis::buildSectionTree(QString(), session()));
        const QString text = u"hostname x\nend\n"_s;
        QVERIFY(ConfigAnalysis::highlightSections(text, session()).isEmpty());
        const std::optional<TreeNode> tree = ConfigAnalysis::buildSectionTree(text, session());
        QCOMPARE(tree->caption, root);
        QVERIFY(tree->children.isEmpty());
    }

    void userKeywords()
    {
        setKind(QString(), QString());
        Session &s = session();
        s.keywordTable = {u"shutdown"_s, u"ip"_s, u"absent"_s};
        s.dupKeywordTable = {u"ip"_s};
        s.dupKeywordLineCount = {0};
        s.keywordColor = QList<quint32>(50, 0);
        s.keywordColor[0] = 0x112233;
        s.keywordColor[1] = 0xff0000;
        const QString text = u"hostname a\n shutdown shutdown\nip address ip\nno shutdown"_s;
        const QList<RtfColorRun> runs = ConfigAnalysis::highlightSections(text, s);
        // Only the first occurrence in a line is coloured; the blank before
        // "shutdown" moves the run to the line's second character.
        QCOMPARE(describe(runs), (QStringList{u"12+8:112233"_s, u"30+2:ff0000"_s, u"47+8:112233"_s}));
        QCOMPARE(s.keywordHits, (QList<int>{2, 1, 0}));
        QCOMPARE(s.dupKeywordLineCount, QList<int>{1});
        const std::optional<TreeNode> root = ConfigAnalysis::buildSectionTree(text, s);
        QCOMPARE(root->caption, u"User Defined Configuration Directory"_s);
        QCOMPARE(captions(root->children), (QStringList{u"shutdown"_s, u"ip"_s}));
        QVERIFY(root->children[0].children.isEmpty());
        QCOMPARE(captions(root->children[1].children), QStringList{u"ip address ip"_s});
    }

    void userKeywordsBeyondFiftyColours()
    {
        setKind(QString(), QString());
        Session &s = session();
        s.keywordTable.clear();
        for (int i = 0; i < 60; ++i)
            s.keywordTable << u"k%1x"_s.arg(i);
        s.dupKeywordTable.clear();
        s.dupKeywordLineCount.clear();
        s.keywordColor = QList<quint32>(60, 0);
        s.keywordColor[59] = 0x00ff00;
        const QList<RtfColorRun> runs = ConfigAnalysis::highlightSections(u"a k59x"_s, s);
        QCOMPARE(describe(runs), QStringList{u"2+4:00ff00"_s});
        // A table shorter than the keyword list colours the rest black.
        s.keywordColor = QList<quint32>(50, 0xffffff);
        QCOMPARE(describe(ConfigAnalysis::highlightSections(u"k55x"_s, s)), QStringList{u"0+4:000000"_s});
    }

    void nodeSearchText_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("os");
        QTest::addColumn<QString>("search");
        QTest::newRow("static route") << "Static route" << "IOS" << "Ip route";
        QTest::newRow("access list") << "Access list" << "IOS" << "access-list";
        QTest::newRow("spanning tree") << "Spanning Tree" << "CATOS" << "#spantree";
        QTest::newRow("catos snmp") << "Snmp" << "CATOS" << "#Snmp";
        QTest::newRow("interface") << "Interface" << "IOS" << "Interface";
        QTest::newRow("line node") << "interface Fa0/1" << "IOS" << "interface Fa0/1";
        QTest::newRow("catos prefix in any window") << "Interface" << "CATOS" << "#Interface";
    }
    void nodeSearchText()
    {
        QFETCH(QString, caption);
        QFETCH(QString, os);
        QFETCH(QString, search);
        QCOMPARE(ConfigAnalysis::nodeSearchText(caption, os), search);
    }

    // Plain text keeps every character through open and a save as RTF.
    void plainTextSurvivesLoadAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("windows-1252") << QByteArray("caf\xe9\xa0x\r\n\tend\r\n") << u"café\u00a0x\n\tend\n"_s;
        QTest::newRow("utf-8") << QByteArray("\xce\xa9 \xe2\x82\xac\n") << u"Ω €\n"_s;
        QTest::newRow("utf-16 bom") << QByteArray("\xff\xfe" "a\0\n\0", 6) << u"a\n"_s;
    }
    void plainTextSurvivesLoadAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const ConfigDocumentFile::Loaded loaded = ConfigDocumentFile::fromBytes(bytes);
        QVERIFY(loaded.error.isEmpty());
        QVERIFY(!loaded.rich);
        QCOMPARE(loaded.document.text, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"saved"_s);
        QCOMPARE(ConfigDocumentFile::save(path, loaded.document), QString());
        const ConfigDocumentFile::Loaded again = ConfigDocumentFile::load(path);
        QVERIFY(again.rich);
        QCOMPARE(again.document.text, text);
    }

    void loadErrors()
    {
        const ConfigDocumentFile::Loaded missing = ConfigDocumentFile::load(u"/nonexistent/dir/x.txt"_s);
        QVERIFY(missing.error.contains(u"/nonexistent/dir/x.txt"_s));
        const ConfigDocumentFile::Loaded broken = ConfigDocumentFile::fromBytes(QByteArray(600, '{').prepend("{\\rtf1"));
        QVERIFY(!broken.error.isEmpty());
        QVERIFY(!ConfigDocumentFile::save(u"/nonexistent/dir/out"_s, RtfDocument{}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfigAnalysis)
#include "test_configanalysis.moc"

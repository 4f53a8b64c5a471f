#include "config/configanalysis.h"

#include "core/session.h"

namespace ConfigAnalysis {

namespace {
Section section(const char *keyword, int length, quint8 r, quint8 g, quint8 b, const char *caption)
{
    return Section{QString::fromLatin1(keyword), length, RtfColor{r, g, b}, QString::fromLatin1(caption)};
}

// Calls f(line, lineStart) for every hard line of the text.
template<typename F>
void forEachLine(const QString &text, F &&f)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (true) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = size;
        f(QStringView(text).mid(start, end - start), int(start));
        if (end >= size)
            break;
        start = end + 1;
    }
}

// The sections shared by both Cisco kinds: test every keyword at the line
// start, colour and count each match.
void highlightCisco(const QString &text, const QList<Section> &sections, QList<int> &counts,
                    QList<QStringList> *stored, QList<RtfColorRun> &runs)
{
    counts = QList<int>(sections.size(), 0);
    forEachLine(text, [&](QStringView line, int lineStart) {
        for (qsizetype i = 0; i < sections.size(); ++i) {
            const Section &sec = sections[i];
            if (!line.startsWith(sec.keyword))
                continue;
            runs.append(RtfColorRun{lineStart, sec.colouredLength, sec.color});
            ++counts[i];
            if (stored && i < stored->size())
                (*stored)[i].append(line.toString());
        }
    });
}

void highlightUser(const QString &text, Session &s, QList<RtfColorRun> &runs)
{
    s.keywordHits = QList<int>(s.keywordTable.size(), 0);
    s.dupKeywordLines = QList<QStringList>(s.dupKeywordTable.size());
    while (s.dupKeywordLineCount.size() < s.dupKeywordTable.size())
        s.dupKeywordLineCount.append(0);
    // For each keyword, the first listed entry equal to it (or -1).
    QList<int> listed(s.keywordTable.size(), -1);
    for (qsizetype j = 0; j < s.keywordTable.size(); ++j)
        listed[j] = int(s.dupKeywordTable.indexOf(s.keywordTable[j]));
    forEachLine(text, [&](QStringView line, int lineStart) {
        for (qsizetype j = 0; j < s.keywordTable.size(); ++j) {
            const QString &keyword = s.keywordTable[j];
            if (keyword.isEmpty())
                continue;
            const qsizetype p = line.indexOf(keyword);
            if (p < 0)
                continue;
            const quint32 rgb = j < s.keywordColor.size() ? s.keywordColor[j] : 0;
            runs.append(RtfColorRun{lineStart + int(p), int(keyword.size()), colorFromRgb(rgb)});
            ++s.keywordHits[j];
            if (const int k = listed[j]; k >= 0) {
                s.dupKeywordLines[k].append(line.toString());
                ++s.dupKeywordLineCount[k];
            }
        }
    });
}
// A section's stored header lines as its child nodes; an empty line ends
// the list.
void appendHeaderLines(TreeNode &node, const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.isEmpty())
            break;
        node.children.append(TreeNode{line, {}});
    }
}

} // namespace

const QList<Section> &iosSections()
{
    static const QList<Section> sections{
        section("vlan", 4, 255, 0, 0, "Vlan"),
        section("interface", 9, 0, 0, 255, "Interface"),
        section("router", 6, 0, 128, 0, "Dynamic route"),
        section("ip route ", 8, 255, 0, 255, "Static route"),
        section("access-list", 11, 128, 0, 128, "Access list"),
        section("snmp-server", 11, 50, 204, 153, "Snmp"),
        section("line", 4, 0, 127, 255, "Line"),
    };
    return sections;
}

const QList<Section> &catosSections()
{
    static const QList<Section> sections{
        section("#system", 7, 255, 0, 0, "System"),
        section("#snmp", 5, 0, 0, 255, "Snmp"),
        section("#tacacs+", 8, 0, 128, 0, "Tacacs"),
        section("#radius", 7, 255, 0, 255, "Radius"),
        section("#authentication", 15, 128, 0, 128, "Authentication"),
        section("#bridge", 7, 50, 204, 153, "Bridge"),
        section("#vtp", 4, 0, 127, 255, "Vtp"),
        section("#ip", 3, 37, 193, 255, "Ip"),
        section("#spantree", 9, 226, 43, 138, "Spanning Tree"),
        section("#syslog", 7, 255, 111, 131, "Syslog"),
        section("#permit list", 12, 139, 34, 104, "Permit list"),
        section("#qos", 4, 115, 198, 205, "Qos"),
        section("#module", 7, 99, 99, 238, "Module"),
        section("#ntp", 4, 139, 101, 139, "Ntp"),
    };
    return sections;
}

Kind kindFor(const QString &vendor, const QString &osType)
{
    if (vendor != QLatin1String("Cisco"))
        return Kind::User;
    return osType == QLatin1String("IOS") ? Kind::Ios : Kind::Catos;
}

RtfColor colorFromRgb(quint32 rgb)
{
    return RtfColor{quint8((rgb >> 16) & 0xff), quint8((rgb >> 8) & 0xff), quint8(rgb & 0xff)};
}

quint32 rgbFromColor(const RtfColor &color)
{
    return (quint32(color.red) << 16) | (quint32(color.green) << 8) | quint32(color.blue);
}

QList<RtfColorRun> highlightSections(const QString &text, Session &s)
{
    QList<RtfColorRun> runs;
    switch (kindFor(s.devVendor, s.devOsType)) {
    case Kind::Ios:
        // Lists for "vlan", "interface" and "router" header lines.
        s.iosSectionLines = QList<QStringList>(3);
        highlightCisco(text, iosSections(), s.iosSectionCount, &s.iosSectionLines, runs);
        break;
    case Kind::Catos:
        highlightCisco(text, catosSections(), s.catosSectionCount, nullptr, runs);
        break;
    case Kind::User:
        highlightUser(text, s, runs);
        break;
    }
    return runs;
}

std::optional<TreeNode> buildSectionTree(const QString &text, const Session &s)
{
    if (text.isEmpty())
        return std::nullopt;
    TreeNode root;
    switch (kindFor(s.devVendor, s.devOsType)) {
    case Kind::Ios: {
        root.caption = IosRoot;
        const QList<Section> &sections = iosSections();
        for (qsizetype i = 0; i < sections.size(); ++i) {
            if (i >= s.iosSectionCount.size() || s.iosSectionCount[i] == 0)
                continue;
            TreeNode node{sections[i].caption, {}};
            if (i < s.iosSectionLines.size())
                appendHeaderLines(node, s.iosSectionLines[i]);
            root.children.append(std::move(node));
        }
        break;
    }
    case Kind::Catos: {
        root.caption = CatosRoot;
        const QList<Section> &sections = catosSections();
        for (qsizetype i = 0; i < sections.size(); ++i) {
            if (i < s.catosSectionCount.size() && s.catosSectionCount[i] != 0)
                root.children.append(TreeNode{sections[i].caption, {}});
        }
        break;
    }
    case Kind::User:
        root.caption = UserRoot;
        for (qsizetype i = 0; i < s.keywordTable.size(); ++i) {
            if (i >= s.keywordHits.size() || s.keywordHits[i] == 0)
                continue;
            TreeNode node{s.keywordTable[i], {}};
            for (qsizetype k = 0; k < s.dupKeywordTable.size() && k < s.dupKeywordLines.size(); ++k) {
                if (s.dupKeywordTable[k] == s.keywordTable[i])
                    appendHeaderLines(node, s.dupKeywordLines[k]);
            }
            root.children.append(std::move(node));
        }
        break;
    }
    return root;
}

QString nodeSearchText(const QString &caption, const QString &osType)
{
    QString text = caption;
    if (text == QLatin1String("Static route"))
        text = QStringLiteral("Ip route");
    else if (text == QLatin1String("Access list"))
        text = QStringLiteral("access-list");
    else if (text == QLatin1String("Spanning Tree"))
        text = QStringLiteral("spantree");
    if (osType == QLatin1String("CATOS"))
        text.prepend(QLatin1Char('#'));
    return text;
}

} // namespace ConfigAnalysis

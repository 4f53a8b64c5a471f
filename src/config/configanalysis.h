#pragma once

#include "platform/rtf/rtfdocument.h"

#include <QList>
#include <QString>

#include <optional>

class Session;

// The section analysis of a configuration text: which header lines start a
// section, how their keywords are coloured, and the tree of sections built
// from the counts and stored lines. Works on plain text ("\n" between lines,
// a line break counting as one position) and on the session's analysis
// tables, so an editor only has to apply the colour runs and show the tree.
namespace ConfigAnalysis {

enum class Kind { Ios, Catos, User };

// A section keyword that must start a header line.
struct Section final
{
    QString keyword;
    int colouredLength = 0;
    RtfColor color;
    QString caption;
};

// A node of the section tree: a caption and its children, nothing else.
struct TreeNode final
{
    QString caption;
    QList<TreeNode> children;
};

const QList<Section> &iosSections();
const QList<Section> &catosSections();

inline const QString IosRoot = QStringLiteral("Cisco IOS Configuration");
inline const QString CatosRoot = QStringLiteral("Cisco CATOS Configuration");
inline const QString UserRoot = QStringLiteral("User Defined Configuration Directory");

// "Cisco" with "IOS" is IOS, "Cisco" with anything else CatOS, any other
// vendor the user's keywords (exact, case-sensitive comparisons).
Kind kindFor(const QString &vendor, const QString &osType);

RtfColor colorFromRgb(quint32 rgb);
quint32 rgbFromColor(const RtfColor &color);

// The highlighting pass: resets and fills the section counts, stored header
// lines and keyword hit tables of `s` for the kind its vendor and OS type
// select, and returns the colour runs to apply, in the order they apply (a
// later run wins where runs overlap). Stored line lists are not capped: every
// header line found is kept.
QList<RtfColorRun> highlightSections(const QString &text, Session &s);

// The tree-building pass over the tables the highlighting pass left; none
// when the text is empty (the tree is then left as it was).
std::optional<TreeNode> buildSectionTree(const QString &text, const Session &s);

// The text a selected node searches for: mapped captions, then "#" in front
// when the OS type is "CATOS".
QString nodeSearchText(const QString &caption, const QString &osType);

} // namespace ConfigAnalysis

#pragma once

#include "platform/rtf/codepage.h"
#include "platform/rtf/rtfdocument.h"
#include "platform/rtf/rtfkeywords.h"

#include <QByteArray>
#include <QHash>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

// The outcome of reading an RTF file: the document, or why there is none.
struct RtfReadResult final
{
    RtfDocument document;
    QString error; // empty when the file was read

    bool ok() const { return error.isEmpty(); }
};

// Reads RTF as word processors write it into text, colours and the font the
// text starts in. Paragraph ends (\par), line breaks (\line) and table rows
// become "\n", tabs and table cells "\t"; pictures, headers, footers, style
// sheets, metadata and field codes are skipped. The \par that closes the last
// paragraph ends the document rather than starting an empty line, so it adds
// no "\n" (RtfWriter writes one after every line for the same reason).
// Malformed input never crashes or hangs: truncated files give what was read,
// and only input that is not RTF or nests groups absurdly deep is an error.
class RtfReader final
{
public:
    static constexpr int MaxGroupDepth = 500;

    static RtfReadResult read(const QByteArray &rtf);

private:
    enum class Destination { Body, Skip, FontTable, ColorTable };

    // Properties a group inherits from its parent and drops when it closes.
    struct GroupState
    {
        Destination destination = Destination::Body;
        int colorIndex = 0;
        int font = -1; // -1: the default font (\deff)
        int halfPoints = 24;
        int unicodeSkip = 1;
    };

    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's code page
        bool nameComplete = false;
    };

    explicit RtfReader(const QByteArray &rtf);

    QString parse();
    RtfDocument takeDocument();

    void openGroup();
    void closeGroup();
    void readControl();
    void controlSymbol(char symbol);
    void controlWord(std::string_view word, std::optional<int> parameter);
    void bodyWord(const RtfKeywordInfo &info, std::optional<int> parameter);
    void textByte(char byte);
    void encodedByte(char byte);
    void character(QString text);
    void appendBody(const QString &text);
    void flushBytes();
    bool consumeSkippedCharacter();

    GroupState &state() { return m_groups.back(); }
    int currentFont() const;
    int codePageFor(int font) const;
    std::optional<RtfColor> colorFor(int index) const;

    const QByteArray m_data;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_groups;
    bool m_finished = false;

    int m_documentCodePage = CodePage::Windows1252;
    int m_defaultFont = 0;
    std::map<int, CodePage> m_codePages;
    QByteArray m_pendingBytes; // \'hh and 8-bit bytes waiting to be decoded together
    int m_skipRemaining = 0; // fallback characters still to drop after \uN

    QHash<int, Font> m_fonts;
    int m_fontInTable = -1;
    int m_firstFontInTable = -1;

    QList<std::optional<RtfColor>> m_colors;
    RtfColor m_colorEntry;
    bool m_colorEntryDefined = false;

    QString m_text;
    QList<RtfColorRun> m_runs;
    qsizetype m_parEndAt = -1; // where the last \par put its "\n"
    qsizetype m_cellTabAt = -1; // where the last \cell put its "\t"
    std::optional<int> m_firstTextFont;
    int m_firstTextHalfPoints = 24;
};

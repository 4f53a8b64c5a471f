#include "platform/rtf/rtfreader.h"

#include <algorithm>

namespace {

constexpr int kMaxWordLength = 32;
constexpr qint64 kParameterLimit = 2'000'000'000;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Skips an optional UTF-8 byte-order mark and white space before "{\rtf".
bool startsAsRtf(const QByteArray &data)
{
    QByteArrayView view(data);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    while (!view.isEmpty() && (view[0] == ' ' || view[0] == '\t' || view[0] == '\r' || view[0] == '\n'))
        view = view.sliced(1);
    return view.startsWith("{\\rtf");
}

} // namespace

RtfReadResult RtfReader::read(const QByteArray &rtf)
{
    RtfReadResult result;
    if (rtf.isEmpty()) {
        result.error = QStringLiteral("The file is empty.");
        return result;
    }
    if (!startsAsRtf(rtf)) {
        result.error = QStringLiteral("This is not an RTF document: it does not start with {\\rtf.");
        return result;
    }
    RtfReader reader(rtf);
    result.error = reader.parse();
    if (result.ok())
        result.document = reader.takeDocument();
    return result;
}

RtfReader::RtfReader(const QByteArray &rtf)
    : m_data(rtf)
{
    m_pos = m_data.indexOf('{');
}

QString RtfReader::parse()
{
    while (m_pos < m_data.size() && !m_finished) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++m_pos;
            if (m_groups.size() >= size_t(MaxGroupDepth))
                return QStringLiteral("The RTF document is broken: groups are nested more than %1 levels deep.")
                    .arg(MaxGroupDepth);
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
        } else if (c == '\\') {
            readControl();
        } else {
            ++m_pos;
            if (c != '\r' && c != '\n')
                textByte(c);
        }
    }
    flushBytes();
    return {};
}

void RtfReader::openGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    m_groups.push_back(m_groups.empty() ? GroupState() : m_groups.back());
}

void RtfReader::closeGroup()
{
    flushBytes();
    m_skipRemaining = 0;
    if (m_groups.empty()) {
        m_finished = true;
        return;
    }
    const Destination closing = state().destination;
    m_groups.pop_back();
    const bool leftTable = m_groups.empty() || state().destination != closing;
    if (closing == Destination::ColorTable && leftTable && m_colorEntryDefined) {
        m_colors.append(m_colorEntry); // a last entry without its ';'
        m_colorEntryDefined = false;
    }
    if (m_groups.empty())
        m_finished = true;
}

void RtfReader::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return;
    const char first = m_data[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        controlSymbol(first);
        return;
    }
    char word[kMaxWordLength];
    int length = 0;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos])) {
        if (length < kMaxWordLength)
            word[length++] = m_data[m_pos];
        ++m_pos;
    }
    std::optional<int> parameter;
    const bool negative = m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1]);
    if (negative)
        ++m_pos;
    if (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        qint64 value = 0;
        while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
            value = std::min(value * 10 + (m_data[m_pos] - '0'), kParameterLimit);
            ++m_pos;
        }
        parameter = int(negative ? -value : value);
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;
    controlWord(std::string_view(word, size_t(length)), parameter);
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textByte(symbol);
        return;
    case '\'': {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size() && hexValue(m_data[m_pos]) >= 0) {
            value = value * 16 + hexValue(m_data[m_pos]);
            ++m_pos;
            ++digits;
        }
        if (digits == 2)
            encodedByte(char(value));
        return;
    }
    default:
        break;
    }
    flushBytes();
    if (consumeSkippedCharacter())
        return;
    switch (symbol) {
    case '*':
        if (!m_groups.empty())
            state().destination = Destination::Skip;
        break;
    case '~':
        character(QString(QChar(0x00A0)));
        break;
    case '-':
        character(QString(QChar(0x00AD)));
        break;
    case '_':
        character(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        controlWord("par", std::nullopt);
        break;
    default:
        break; // \:, \| and unknown symbols carry nothing for us
    }
}

void RtfReader::controlWord(std::string_view word, std::optional<int> parameter)
{
    flushBytes();
    const RtfKeywordInfo info = lookupRtfKeyword(word);
    if (info.kind == RtfKeyword::Binary) {
        // The data is skipped wherever it is; it counts as one fallback character.
        m_pos += std::clamp<qsizetype>(parameter.value_or(0), 0, m_data.size() - m_pos);
        consumeSkippedCharacter();
        return;
    }
    if (consumeSkippedCharacter() || m_groups.empty())
        return;
    GroupState &group = state();
    if (group.destination == Destination::Skip)
        return;
    const int value = parameter.value_or(0);
    switch (info.kind) {
    case RtfKeyword::SkipDestination:
        group.destination = Destination::Skip;
        return;
    case RtfKeyword::FontTable:
        group.destination = Destination::FontTable;
        return;
    case RtfKeyword::ColorTable:
        group.destination = Destination::ColorTable;
        return;
    case RtfKeyword::AnsiCodePage:
        m_documentCodePage = value;
        return;
    case RtfKeyword::Ansi:
        m_documentCodePage = CodePage::Windows1252;
        return;
    case RtfKeyword::Mac:
        m_documentCodePage = 10000;
        return;
    case RtfKeyword::Pc:
        m_documentCodePage = 437;
        return;
    case RtfKeyword::Pca:
        m_documentCodePage = 850;
        return;
    case RtfKeyword::DefaultFont:
        m_defaultFont = value;
        return;
    case RtfKeyword::UnicodeSkip:
        group.unicodeSkip = std::clamp(value, 0, 1000);
        return;
    case RtfKeyword::Unicode: {
        if (!parameter)
            return;
        // Parameters are signed 16-bit, so U+8000..U+FFFF arrive negative.
        const char32_t code = char32_t(value < 0 ? value + 0x10000 : value);
        if (code <= 0xFFFF)
            character(QString(QChar(char16_t(code))));
        else if (code <= 0x10FFFF)
            character(QString::fromUcs4(&code, 1));
        m_skipRemaining = group.unicodeSkip;
        return;
    }
    case RtfKeyword::Character:
        character(QString(QChar(info.character)));
        return;
    default:
        break;
    }

    switch (group.destination) {
    case Destination::FontTable:
        if (info.kind == RtfKeyword::Font) {
            m_fontInTable = value;
            if (m_firstFontInTable < 0)
                m_firstFontInTable = value;
            m_fonts[value]; // known even if it never gets a name
        } else if (m_fontInTable >= 0 && info.kind == RtfKeyword::FontCharset) {
            Font &font = m_fonts[m_fontInTable];
            if (font.codePage == 0)
                font.codePage = CodePage::forCharset(value);
        } else if (m_fontInTable >= 0 && info.kind == RtfKeyword::FontCodePage) {
            m_fonts[m_fontInTable].codePage = value;
        }
        return;
    case Destination::ColorTable: {
        const quint8 component = quint8(std::clamp(value, 0, 255));
        if (info.kind == RtfKeyword::Red)
            m_colorEntry.red = component;
        else if (info.kind == RtfKeyword::Green)
            m_colorEntry.green = component;
        else if (info.kind == RtfKeyword::Blue)
            m_colorEntry.blue = component;
        else
            return;
        m_colorEntryDefined = true;
        return;
    }
    case Destination::Body:
        bodyWord(info, parameter);
        return;
    case Destination::Skip:
        return;
    }
}

void RtfReader::bodyWord(const RtfKeywordInfo &info, std::optional<int> parameter)
{
    GroupState &group = state();
    switch (info.kind) {
    case RtfKeyword::Par:
        appendBody(QStringLiteral("\n"));
        m_parEndAt = m_text.size() - 1;
        break;
    case RtfKeyword::Line:
        appendBody(QStringLiteral("\n"));
        break;
    case RtfKeyword::Tab:
        appendBody(QStringLiteral("\t"));
        break;
    case RtfKeyword::Cell:
        appendBody(QStringLiteral("\t"));
        m_cellTabAt = m_text.size() - 1;
        break;
    case RtfKeyword::Row:
        // The tab after a row's last cell becomes the row's line end.
        if (m_cellTabAt >= 0 && m_cellTabAt == m_text.size() - 1)
            m_text[m_cellTabAt] = u'\n';
        else
            appendBody(QStringLiteral("\n"));
        m_cellTabAt = -1;
        break;
    case RtfKeyword::ColorIndex:
        group.colorIndex = parameter.value_or(0);
        break;
    case RtfKeyword::Plain:
        group.colorIndex = 0;
        group.font = -1;
        group.halfPoints = 24;
        break;
    case RtfKeyword::Font:
        group.font = parameter.value_or(0);
        break;
    case RtfKeyword::FontSize:
        group.halfPoints = parameter.value_or(0) > 0 ? std::min(*parameter, 32767) : 24;
        break;
    default:
        break;
    }
}

bool RtfReader::consumeSkippedCharacter()
{
    if (m_skipRemaining <= 0)
        return false;
    --m_skipRemaining;
    return true;
}

void RtfReader::textByte(char byte)
{
    if (m_groups.empty() || consumeSkippedCharacter())
        return;
    switch (state().destination) {
    case Destination::Body:
        if (byte == '\t') {
            flushBytes();
            appendBody(QStringLiteral("\t"));
        } else if (uchar(byte) >= 0x20) {
            m_pendingBytes.append(byte);
        }
        return;
    case Destination::FontTable:
        if (byte == ';') {
            flushBytes();
            if (m_fontInTable >= 0)
                m_fonts[m_fontInTable].nameComplete = true;
        } else if (uchar(byte) >= 0x20) {
            m_pendingBytes.append(byte);
        }
        return;
    case Destination::ColorTable:
        if (byte == ';') {
            m_colors.append(m_colorEntryDefined ? std::optional(m_colorEntry) : std::nullopt);
            m_colorEntry = RtfColor();
            m_colorEntryDefined = false;
        }
        return;
    case Destination::Skip:
        return;
    }
}

void RtfReader::encodedByte(char byte)
{
    if (m_groups.empty() || consumeSkippedCharacter())
        return;
    const Destination destination = state().destination;
    if (destination == Destination::Body || destination == Destination::FontTable)
        m_pendingBytes.append(byte);
}

void RtfReader::character(QString text)
{
    if (m_groups.empty())
        return;
    if (state().destination == Destination::Body) {
        appendBody(text);
    } else if (state().destination == Destination::FontTable && m_fontInTable >= 0) {
        Font &font = m_fonts[m_fontInTable];
        if (!font.nameComplete)
            font.name += text;
    }
}

void RtfReader::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const bool inFontTable = state().destination == Destination::FontTable;
    const int codePage = codePageFor(inFontTable ? m_fontInTable : currentFont());
    auto it = m_codePages.find(codePage);
    if (it == m_codePages.end())
        it = m_codePages.emplace(codePage, CodePage(codePage)).first;
    const QString text = it->second.decode(m_pendingBytes);
    m_pendingBytes.clear();
    character(text);
}

void RtfReader::appendBody(const QString &text)
{
    if (text.isEmpty())
        return;
    const GroupState &group = state();
    if (!m_firstTextFont) {
        m_firstTextFont = currentFont();
        m_firstTextHalfPoints = group.halfPoints;
    }
    const qsizetype start = m_text.size();
    m_text += text;
    if (const std::optional<RtfColor> color = colorFor(group.colorIndex)) {
        if (!m_runs.isEmpty() && m_runs.last().start + m_runs.last().length == start
            && m_runs.last().color == *color)
            m_runs.last().length += int(text.size());
        else
            m_runs.append({int(start), int(text.size()), *color});
    }
}

int RtfReader::currentFont() const
{
    if (m_groups.empty() || m_groups.back().font < 0)
        return m_defaultFont;
    return m_groups.back().font;
}

int RtfReader::codePageFor(int font) const
{
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage > 0)
        return it->codePage;
    return m_documentCodePage;
}

std::optional<RtfColor> RtfReader::colorFor(int index) const
{
    if (index < 0 || index >= m_colors.size())
        return std::nullopt;
    return m_colors[index];
}

RtfDocument RtfReader::takeDocument()
{
    // The \par that closes the last paragraph is not an empty line of its own.
    if (m_parEndAt >= 0 && m_parEndAt == m_text.size() - 1) {
        m_text.chop(1);
        if (!m_runs.isEmpty() && m_runs.last().start + m_runs.last().length > m_text.size()
            && --m_runs.last().length == 0)
            m_runs.removeLast();
    }
    RtfDocument document;
    document.text = m_text;
    document.colorRuns = m_runs;
    int font = m_firstTextFont.value_or(m_defaultFont);
    if (!m_fonts.contains(font))
        font = m_fonts.contains(m_defaultFont) ? m_defaultFont : m_firstFontInTable;
    document.fontFamily = m_fonts.value(font).name.trimmed();
    document.fontPointSize = (m_firstTextFont ? m_firstTextHalfPoints : 24) / 2.0;
    return document;
}

#include "platform/rtf/rtfwriter.h"

#include "platform/rtf/codepage.h"

#include <QList>

#include <algorithm>

namespace {

void appendHex(QByteArray &out, int byte)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[(byte >> 4) & 0xF];
    out += kDigits[byte & 0xF];
}

} // namespace

QByteArray RtfWriter::write(const RtfDocument &document)
{
    const QString &text = document.text;
    const qsizetype size = text.size();

    // Colour table index per character; 0 is the table's "auto" entry.
    QList<RtfColor> table;
    QList<int> colorOf(size, 0);
    for (const RtfColorRun &run : document.colorRuns) {
        const qsizetype from = std::clamp<qsizetype>(run.start, 0, size);
        const qsizetype to = std::clamp<qsizetype>(qsizetype(run.start) + std::max(run.length, 0), from, size);
        if (from == to)
            continue;
        qsizetype index = table.indexOf(run.color);
        if (index < 0) {
            table.append(run.color);
            index = table.size() - 1;
        }
        std::fill(colorOf.begin() + from, colorOf.begin() + to, int(index + 1));
    }

    QByteArray out;
    out.reserve(256 + size * 2);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil ";
    QString family = document.fontFamily;
    family.remove(u';'); // ';' would end the name early
    appendEscaped(out, family, 0, family.size());
    out += ";}}\n{\\colortbl ;";
    for (const RtfColor &c : table)
        out += "\\red" + QByteArray::number(c.red) + "\\green" + QByteArray::number(c.green) + "\\blue"
            + QByteArray::number(c.blue) + ';';
    // Without a generator LibreOffice takes the file for Word's and turns runs
    // of spaces into U+2006 pairs; naming ourselves keeps indentation intact.
    out += "}\n{\\*\\generator Talvex Network Management;}\n\\uc1\\pard\\plain\\f0\\fs";
    out += QByteArray::number(std::clamp(qRound(document.fontPointSize * 2), 1, 32767));
    out += ' ';

    int current = 0;
    qsizetype chunkStart = 0;
    auto flush = [&](qsizetype to) {
        appendEscaped(out, text, chunkStart, to);
        chunkStart = to;
    };
    for (qsizetype i = 0; i < size; ++i) {
        if (colorOf[i] != current) {
            flush(i);
            current = colorOf[i];
            out += "\\cf" + QByteArray::number(current) + ' ';
        }
        if (text[i] == u'\n') {
            flush(i);
            out += "\\par\n";
            chunkStart = i + 1;
        }
    }
    flush(size);
    out += "\\par\n}\n";
    return out;
}

void RtfWriter::appendEscaped(QByteArray &out, const QString &text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        const char16_t ch = text[i].unicode();
        if (ch == u'\\' || ch == u'{' || ch == u'}') {
            out += '\\';
            out += char(ch);
        } else if (ch == u'\t') {
            out += "\\tab ";
        } else if (ch >= 0x20 && ch < 0x7F) {
            out += char(ch);
        } else if (const int byte = CodePage::unicodeToWindows1252(ch); byte >= 0) {
            appendHex(out, byte); // control characters too, so no raw CR/LF is lost
        } else {
            out += "\\u" + QByteArray::number(qint16(ch)) + '?';
        }
    }
}

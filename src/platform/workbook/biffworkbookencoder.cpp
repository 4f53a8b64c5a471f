#include "platform/workbook/biffworkbookencoder.h"

#include "platform/workbook/biffrecordstream.h"
#include "platform/workbook/biffsharedstrings.h"

namespace {

using namespace biff;

enum RecordType : quint16 {
    RecordEof = 0x000A,
    RecordDateMode = 0x0022,
    RecordWindow1 = 0x003D,
    RecordFont = 0x0031,
    RecordCodePage = 0x0042,
    RecordBoundSheet = 0x0085,
    RecordLabelSst = 0x00FD,
    RecordBlank = 0x0201,
    RecordXf = 0x00E0,
    RecordDimensions = 0x0200,
    RecordWindow2 = 0x023E,
    RecordStyle = 0x0293,
    RecordBof = 0x0809,
};

constexpr quint16 BofWorkbookGlobals = 0x0005;
constexpr quint16 BofWorksheet = 0x0010;

// Smaller streams would be kept in the compound document's mini stream,
// which some readers handle poorly; zero bytes after the last record pad
// the stream to this size instead.
constexpr qsizetype MinStreamSize = 4096;

QByteArray bof(quint16 substreamType)
{
    QByteArray data;
    putUInt16(data, 0x0600); // BIFF8
    putUInt16(data, substreamType);
    putUInt16(data, 0x0DBB); // build identifier
    putUInt16(data, 0x07CC); // build year
    putUInt32(data, 0);      // file history flags
    putUInt32(data, 0x0006); // lowest BIFF version that can read the file
    return data;
}

QByteArray uint16Record(quint16 value)
{
    QByteArray data;
    putUInt16(data, value);
    return data;
}

QByteArray window1()
{
    QByteArray data;
    putUInt16(data, 0);      // window position
    putUInt16(data, 0);
    putUInt16(data, 0x4000); // window size in twips
    putUInt16(data, 0x2000);
    putUInt16(data, 0x0038); // show both scroll bars and the sheet tabs
    putUInt16(data, 0);      // active sheet
    putUInt16(data, 0);      // first visible tab
    putUInt16(data, 1);      // selected sheets
    putUInt16(data, 600);    // tab bar width, per mille
    return data;
}

// Appends a string with an 8-bit length, as sheet and font names are stored.
void putShortString(QByteArray &data, const QString &text)
{
    const bool compressed = isAscii(text);
    putUInt8(data, quint8(text.size()));
    putUInt8(data, compressed ? 0x00 : 0x01);
    putCharacters(data, text, 0, text.size(), compressed);
}

QByteArray font()
{
    QByteArray data;
    putUInt16(data, 200);                // height: 10 pt in twentieths
    putUInt16(data, 0);                  // no italic, strike-out, outline
    putUInt16(data, 0x7FFF);             // automatic colour
    putUInt16(data, 400);                // normal weight
    putUInt16(data, 0);                  // no super- or subscript
    putUInt8(data, 0);                   // no underline
    putUInt8(data, 2);                   // swiss family
    putUInt8(data, 0);                   // ANSI character set
    putUInt8(data, 0);
    putShortString(data, QStringLiteral("Arial"));
    return data;
}

// One XF record. A style XF (isStyle) has no parent; a cell XF inherits
// from the Normal style XF 0. usedFlags marks the attribute groups (bits 2-7:
// number, font, alignment, border, pattern, protection) that the record
// sets itself.
QByteArray xf(quint16 fontIndex, bool isStyle, bool wrap, quint8 usedFlags)
{
    QByteArray data;
    putUInt16(data, fontIndex);
    putUInt16(data, 0); // "General" number format
    putUInt16(data, isStyle ? 0xFFF5 : 0x0001); // locked; style XFs: no parent
    putUInt8(data, 0x20 | (wrap ? 0x08 : 0x00)); // bottom aligned, maybe wrapped
    putUInt8(data, 0);  // no rotation
    putUInt8(data, 0);  // no indent
    putUInt8(data, usedFlags);
    putUInt32(data, 0); // no borders
    putUInt32(data, 0);
    putUInt16(data, 0x20C0); // pattern colours: system foreground, background
    return data;
}

void writeFormats(BiffRecordStream &stream)
{
    // Font index 4 does not exist in BIFF, so five records give fonts 0-3 and 5.
    for (int i = 0; i < 5; ++i)
        stream.appendRecord(RecordFont, font());

    // XFs 0-14 are the style XFs Excel requires, XF 15 the default cell
    // format, XF 16 the same with wrapped text.
    stream.appendRecord(RecordXf, xf(0, true, false, 0x00));
    for (int i = 1; i < 15; ++i)
        stream.appendRecord(RecordXf, xf(i < 3 ? 1 : (i < 5 ? 2 : 0), true, false, 0xF4));
    stream.appendRecord(RecordXf, xf(0, false, false, 0x00));
    stream.appendRecord(RecordXf, xf(0, false, true, 0x10));

    QByteArray normalStyle;
    putUInt16(normalStyle, 0x8000); // built-in style on XF 0
    putUInt8(normalStyle, 0);       // "Normal"
    putUInt8(normalStyle, 0xFF);
    stream.appendRecord(RecordStyle, normalStyle);
}

QByteArray dimensions(const QList<BiffCell> &cells)
{
    quint32 rowEnd = 0;
    quint16 columnEnd = 0;
    for (const BiffCell &cell : cells) {
        rowEnd = qMax(rowEnd, quint32(cell.row) + 1);
        columnEnd = qMax(columnEnd, quint16(cell.column + 1));
    }
    QByteArray data;
    putUInt32(data, 0);         // first row
    putUInt32(data, rowEnd);    // last row + 1
    putUInt16(data, 0);         // first column
    putUInt16(data, columnEnd); // last column + 1
    putUInt16(data, 0);
    return data;
}

QByteArray window2()
{
    QByteArray data;
    // Grid lines, headers, zero values, outline symbols; sheet selected.
    putUInt16(data, 0x06B6);
    putUInt16(data, 0); // top row shown
    putUInt16(data, 0); // left column shown
    putUInt32(data, 0x40); // default grid line colour
    putUInt16(data, 0); // zoom levels: default
    putUInt16(data, 0);
    putUInt32(data, 0);
    return data;
}

} // namespace

QByteArray BiffWorkbookEncoder::encode(const QString &sheetName, const QList<BiffCell> &cells,
                                       bool wrapText)
{
    BiffSharedStrings strings;
    QList<quint32> stringIndexes;
    stringIndexes.reserve(cells.size());
    for (const BiffCell &cell : cells)
        stringIndexes.append(cell.text.isEmpty() ? 0 : strings.add(cell.text));

    BiffRecordStream stream;
    stream.appendRecord(RecordBof, bof(BofWorkbookGlobals));
    stream.appendRecord(RecordCodePage, uint16Record(1200)); // UTF-16
    stream.appendRecord(RecordWindow1, window1());
    stream.appendRecord(RecordDateMode, uint16Record(0)); // dates count from 1900
    writeFormats(stream);

    // The sheet's stream offset is known only once the globals are written.
    QByteArray boundSheet;
    putUInt32(boundSheet, 0);
    putUInt8(boundSheet, 0); // visible
    putUInt8(boundSheet, 0); // worksheet
    putShortString(boundSheet, sheetName);
    const qsizetype sheetOffsetField = stream.size() + 4;
    stream.appendRecord(RecordBoundSheet, boundSheet);

    strings.write(stream);
    stream.appendRecord(RecordEof, {});

    stream.patchUInt32(sheetOffsetField, quint32(stream.size()));
    stream.appendRecord(RecordBof, bof(BofWorksheet));
    stream.appendRecord(RecordDimensions, dimensions(cells));
    const quint16 format = wrapText ? WrapCellFormat : DefaultCellFormat;
    QByteArray label;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        label.clear();
        putUInt16(label, cells.at(i).row);
        putUInt16(label, cells.at(i).column);
        putUInt16(label, format);
        // An empty text is a blank cell that only carries the format.
        if (cells.at(i).text.isEmpty()) {
            stream.appendRecord(RecordBlank, label);
            continue;
        }
        putUInt32(label, stringIndexes.at(i));
        stream.appendRecord(RecordLabelSst, label);
    }
    stream.appendRecord(RecordWindow2, window2());
    stream.appendRecord(RecordEof, {});

    stream.padTo(MinStreamSize);
    return stream.bytes();
}

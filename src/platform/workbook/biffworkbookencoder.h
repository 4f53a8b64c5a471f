#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One text cell to encode; rows and columns are zero-based.
struct BiffCell final
{
    quint16 row = 0;
    quint16 column = 0;
    QString text;
};

// Encodes a one-sheet workbook as the BIFF8 record stream that an .xls file
// keeps in its "Workbook" stream: the workbook globals (fonts, formats,
// sheet list, shared strings) followed by the worksheet with one text cell
// record per cell.
class BiffWorkbookEncoder final
{
public:
    // cells must be sorted by row, then column, without duplicates; texts
    // must be at most MaxTextLength UTF-16 units long, and an empty one
    // makes a blank cell that carries only the format. wrapText gives every
    // cell the "wrap text" format.
    static QByteArray encode(const QString &sheetName, const QList<BiffCell> &cells,
                             bool wrapText);

    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 256;
    static constexpr int MaxTextLength = 32767;
    static constexpr int MaxSheetNameLength = 31;

    // Format indexes written into cell records.
    static constexpr quint16 DefaultCellFormat = 15;
    static constexpr quint16 WrapCellFormat = 16;
};

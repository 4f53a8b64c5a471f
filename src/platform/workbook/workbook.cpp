#include "platform/workbook/workbook.h"

#include "platform/workbook/biffworkbookstream.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTime>

#include <freexl.h>

namespace {

// Closes a freexl handle however the read ends; freexl wants a close even
// after a failed open.
struct FreexlHandle final
{
    const void *handle = nullptr;
    ~FreexlHandle() { freexl_close(handle); }
};

QString describeFreexlError(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("the file cannot be opened");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("not enough memory to load it");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
    case FREEXL_CFBF_INVALID_SECTOR_SIZE:
        return QStringLiteral("it is not an Excel 97-2003 workbook");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return QStringLiteral("the document holds no Excel workbook");
    case FREEXL_UNSUPPORTED_CHARSET:
        return QStringLiteral("its character set is not supported");
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR:
    case FREEXL_CFBF_EMPTY_FAT_CHAIN:
    case FREEXL_CFBF_ILLEGAL_FAT_ENTRY:
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
        return QStringLiteral("the file is damaged or truncated");
    default:
        return QStringLiteral("the workbook is damaged (error %1)").arg(code);
    }
}

// Number text without a trailing ".0" and, below 1e15, without an exponent.
QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

// freexl turns date-formatted numbers into ISO text; this turns them back
// into the serial number the sheet stores, in the workbook's date system.
double dateSerial(const QDate &date, bool dates1904)
{
    if (dates1904)
        return QDate(1904, 1, 1).daysTo(date);
    // The 1900 system counts the non-existent 1900-02-29 as day 60.
    if (date < QDate(1900, 3, 1))
        return QDate(1899, 12, 31).daysTo(date);
    return QDate(1899, 12, 30).daysTo(date);
}

double timeFraction(const QTime &time)
{
    return time.msecsSinceStartOfDay() / 86'400'000.0;
}

QString dateCellText(const FreeXL_CellValue &value, bool dates1904)
{
    const QString text = QString::fromUtf8(value.value.text_value);
    switch (value.type) {
    case FREEXL_CELL_DATE: {
        // freexl writes the impossible 1900-02-29 too; QDate rejects it.
        if (text == QLatin1String("1900-02-29") && !dates1904)
            return QStringLiteral("60");
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? numberText(dateSerial(date, dates1904)) : text;
    }
    case FREEXL_CELL_DATETIME: {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
        if (!date.isValid() || !time.isValid())
            return text;
        return numberText(dateSerial(date, dates1904) + timeFraction(time));
    }
    case FREEXL_CELL_TIME: {
        const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        return time.isValid() ? numberText(timeFraction(time)) : text;
    }
    default:
        return text;
    }
}

QString cellText(const FreeXL_CellValue &value, bool dates1904)
{
    switch (value.type) {
    case FREEXL_CELL_INT:
        return QString::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberText(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return value.value.text_value ? QString::fromUtf8(value.value.text_value) : QString();
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return value.value.text_value ? dateCellText(value, dates1904) : QString();
    default:
        return {};
    }
}

} // namespace

WorkbookReadResult readWorkbook(const QString &path)
{
    WorkbookReadResult result;
    const auto fail = [&](const QString &why) {
        result.error = QStringLiteral("Cannot read \"%1\": %2.").arg(path, why);
        return result;
    };

    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("the file does not exist"));
    if (!info.isFile())
        return fail(QStringLiteral("it is not a file"));
    if (info.size() == 0)
        return fail(QStringLiteral("the file is empty"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray magic = file.read(8);
    file.close();
    if (magic.startsWith("PK\x03\x04"))
        return fail(QStringLiteral("it is a ZIP file such as an Excel 2007 (.xlsx) workbook, "
                                   "not an Excel 97-2003 workbook"));
    if (magic != QByteArray::fromHex("d0cf11e0a1b11ae1"))
        return fail(QStringLiteral("it is not an Excel 97-2003 workbook"));

    FreexlHandle xls;
    const QByteArray nativePath = QFile::encodeName(path);
    int rc = freexl_open(nativePath.constData(), &xls.handle);
    if (rc != FREEXL_OK)
        return fail(describeFreexlError(rc));

    // freexl cuts short, or loses, texts that run over more than two records
    // of the string table, so such workbooks are refused instead. Checked
    // after freexl has accepted the file, so libgsf never reads a truncated one.
    BiffWorkbookStream stream;
    QString streamError;
    const bool streamLoaded = stream.load(path, &streamError);
    if (streamLoaded && stream.longestSharedStringSpan() > 2)
        return fail(QStringLiteral("it holds a cell text of more than about 8000 characters, "
                                   "which cannot be read"));

    unsigned int value = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_PASSWORD, &value) == FREEXL_OK
        && value == FREEXL_BIFF_OBFUSCATED)
        return fail(QStringLiteral("the workbook is password protected"));
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &value) != FREEXL_OK || value == 0)
        return fail(QStringLiteral("no worksheet could be read from it"));
    result.sheetCount = int(value);
    const bool dates1904 = freexl_get_info(xls.handle, FREEXL_BIFF_DATEMODE, &value) == FREEXL_OK
                           && value == FREEXL_BIFF_DATEMODE_1904;

    rc = freexl_select_active_worksheet(xls.handle, 0);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (rc == FREEXL_OK)
        rc = freexl_worksheet_dimensions(xls.handle, &rows, &columns);
    if (rc != FREEXL_OK)
        return fail(describeFreexlError(rc));

    // freexl reports boolean and error cells as plain integers.
    const QHash<quint32, QString> booleansAndErrors =
        streamLoaded ? stream.firstSheetBooleanAndErrorCells() : QHash<quint32, QString>();

    // Only cells with a value are kept: one stray cell far out must not
    // make the reader allocate the whole 65536 x 256 grid.
    QHash<QPair<int, int>, QString> cells;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell;
            rc = freexl_get_cell_value(xls.handle, row, column, &cell);
            if (rc != FREEXL_OK)
                return fail(describeFreexlError(rc));
            if (cell.type == FREEXL_CELL_NULL
                && !booleansAndErrors.contains(BiffWorkbookStream::cellKey(row, column)))
                continue;
            QString text = booleansAndErrors.value(BiffWorkbookStream::cellKey(row, column),
                                                   cellText(cell, dates1904));
            if (!text.isEmpty())
                cells.insert({int(row), int(column)}, std::move(text));
        }
    }
    result.sheet = WorkbookSheet::fromCells(cells);
    return result;
}

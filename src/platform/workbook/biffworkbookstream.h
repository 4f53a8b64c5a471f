#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// The BIFF record stream of an .xls file, read out of its compound document
// through libgsf. The reader uses it for what freexl gets wrong: texts it
// would cut short, and boolean and error cells, which it turns into numbers.
class BiffWorkbookStream final
{
public:
    // Loads the "Workbook" (or older "Book") stream; false with the reason
    // in *error if the file holds none that can be read.
    bool load(const QString &path, QString *error);

    // The most records (SST plus CONTINUE) that one shared string spans:
    // 0 without strings, 1 when no string is continued. Stops counting where
    // the table is malformed, leaving that to the reader proper.
    int longestSharedStringSpan() const;

    // The boolean and error cells of the first sheet as a spreadsheet shows
    // them ("TRUE", "#DIV/0!"), keyed by cellKey().
    QHash<quint32, QString> firstSheetBooleanAndErrorCells() const;
    static quint32 cellKey(quint32 row, quint32 column) { return (row << 8) | (column & 0xFF); }

private:
    struct Record final
    {
        quint16 type;
        qsizetype dataOffset;
        qsizetype size;
    };

    QByteArray m_stream;
    QList<Record> m_records;
};

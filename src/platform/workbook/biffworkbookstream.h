#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The BIFF record stream of an .xls file, read out of its compound document
// through libgsf. The reader uses it to look for what freexl cannot read
// rather than let freexl cut texts short.
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

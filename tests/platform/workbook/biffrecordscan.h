#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// One BIFF record of a workbook stream, found at offset in the stream.
struct BiffRecord final
{
    quint16 type = 0;
    qsizetype offset = 0; // of the 4-byte header
    QByteArray data;
};

// Reads the "Workbook" stream out of an .xls file and splits it into its
// records, so tests can check the file's structure and not only what a
// lenient reader makes of it.
class BiffRecordScan final
{
public:
    // Returns false with the reason in *error if the file holds no readable
    // workbook stream.
    bool load(const QString &path, QString *error);

    const QByteArray &stream() const { return m_stream; }
    // Records up to the first all-zero padding after the last EOF.
    const QList<BiffRecord> &records() const { return m_records; }

private:
    QByteArray m_stream;
    QList<BiffRecord> m_records;
};

// The shared string table as stored: its strings in index order, where each
// one starts in the stream, and the EXTSST index that should point at them.
struct BiffSharedStringDump final
{
    QStringList strings;
    QList<qsizetype> starts; // stream offset of each string's length field
    int bucketSize = 0;
    QList<QPair<quint32, quint16>> buckets; // (stream offset, offset in record)
    int continueRecords = 0;
};

// Decodes the SST record, its CONTINUE records and the EXTSST record that
// follows them; returns false with the reason in *error if they break the
// format's rules.
bool decodeSharedStrings(const QList<BiffRecord> &records, BiffSharedStringDump *dump,
                         QString *error);

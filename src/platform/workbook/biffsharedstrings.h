#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class BiffRecordStream;

// The shared string table of a BIFF8 workbook: each distinct cell text is
// stored once and cells refer to it by index. write() emits the SST record,
// the CONTINUE records it spills into beyond 8224 bytes, and the EXTSST
// index Excel expects after it.
class BiffSharedStrings final
{
public:
    // Returns the index of text in the table, adding it on first use; every
    // call counts as one cell reference.
    quint32 add(const QString &text);

    qsizetype uniqueCount() const { return m_strings.size(); }
    quint32 referenceCount() const { return m_references; }

    void write(BiffRecordStream &stream) const;

private:
    QStringList m_strings;
    QHash<QString, quint32> m_index;
    quint32 m_references = 0;
};

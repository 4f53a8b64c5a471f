#include "biffrecordscan.h"

#include <QFile>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

namespace {

quint16 uint16At(const QByteArray &bytes, qsizetype offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

} // namespace

bool BiffRecordScan::load(const QString &path, QString *error)
{
    gsf_init();
    GError *gerror = nullptr;
    GsfInput *input = gsf_input_stdio_new(QFile::encodeName(path).constData(), &gerror);
    if (!input) {
        *error = QString::fromUtf8(gerror ? gerror->message : "cannot open");
        g_clear_error(&gerror);
        return false;
    }
    GsfInfile *ole = gsf_infile_msole_new(input, &gerror);
    g_object_unref(input);
    if (!ole) {
        *error = QString::fromUtf8(gerror ? gerror->message : "not a compound document");
        g_clear_error(&gerror);
        return false;
    }
    GsfInput *workbook = gsf_infile_child_by_name(ole, "Workbook");
    g_object_unref(ole);
    if (!workbook) {
        *error = QStringLiteral("no Workbook stream");
        return false;
    }
    const gsf_off_t size = gsf_input_size(workbook);
    m_stream.resize(qsizetype(size));
    const bool read = gsf_input_read(workbook, size, reinterpret_cast<guint8 *>(m_stream.data()));
    g_object_unref(workbook);
    if (!read) {
        *error = QStringLiteral("cannot read the Workbook stream");
        return false;
    }

    m_records.clear();
    qsizetype offset = 0;
    while (offset + 4 <= m_stream.size()) {
        BiffRecord record;
        record.type = uint16At(m_stream, offset);
        const quint16 length = uint16At(m_stream, offset + 2);
        if (record.type == 0 && length == 0)
            break; // padding
        if (offset + 4 + length > m_stream.size()) {
            *error = QStringLiteral("record at %1 runs past the stream end").arg(offset);
            return false;
        }
        record.offset = offset;
        record.data = m_stream.mid(offset + 4, length);
        m_records.append(record);
        offset += 4 + length;
    }
    return true;
}

namespace {

constexpr quint16 RecordSst = 0x00FC;
constexpr quint16 RecordContinue = 0x003C;
constexpr quint16 RecordExtSst = 0x00FF;

quint32 uint32At(const QByteArray &bytes, qsizetype offset)
{
    return uint16At(bytes, offset) | (quint32(uint16At(bytes, offset + 2)) << 16);
}

} // namespace

bool decodeSharedStrings(const QList<BiffRecord> &records, BiffSharedStringDump *dump,
                         QString *error)
{
    qsizetype at = 0;
    while (at < records.size() && records[at].type != RecordSst)
        ++at;
    if (at == records.size()) {
        *error = QStringLiteral("no SST record");
        return false;
    }
    // Position inside the current record's data, moving on to the next
    // CONTINUE record when it is used up.
    qsizetype pos = 8;
    const quint32 unique = uint32At(records[at].data, 4);
    const auto bytesLeft = [&] { return records[at].data.size() - pos; };
    const auto nextRecord = [&] {
        ++at;
        pos = 0;
        if (at == records.size() || records[at].type != RecordContinue) {
            *error = QStringLiteral("SST data ends early");
            return false;
        }
        ++dump->continueRecords;
        return true;
    };

    for (quint32 i = 0; i < unique; ++i) {
        if (bytesLeft() == 0 && !nextRecord())
            return false;
        if (bytesLeft() < 3) {
            *error = QStringLiteral("string %1 header split across records").arg(i);
            return false;
        }
        dump->starts.append(records[at].offset + 4 + pos);
        const quint16 length = uint16At(records[at].data, pos);
        quint8 options = quint8(records[at].data[pos + 2]);
        pos += 3;
        if (options & ~0x01) {
            *error = QStringLiteral("string %1 has unexpected options %2").arg(i).arg(options);
            return false;
        }
        QString text;
        while (text.size() < length) {
            if (bytesLeft() == 0) {
                if (!nextRecord())
                    return false;
                options = quint8(records[at].data[pos++]); // repeated option byte
                if (options > 1) {
                    *error = QStringLiteral("bad continued option byte in string %1").arg(i);
                    return false;
                }
            }
            const int charSize = (options & 1) ? 2 : 1;
            if (bytesLeft() < charSize) {
                *error = QStringLiteral("character split across records in string %1").arg(i);
                return false;
            }
            text.append(QChar(charSize == 2 ? uint16At(records[at].data, pos)
                                            : quint8(records[at].data[pos])));
            pos += charSize;
        }
        dump->strings.append(text);
    }
    if (bytesLeft() != 0 || at + 1 >= records.size() || records[at + 1].type != RecordExtSst) {
        *error = QStringLiteral("SST is not followed directly by EXTSST");
        return false;
    }
    const QByteArray &ext = records[at + 1].data;
    dump->bucketSize = uint16At(ext, 0);
    for (qsizetype off = 2; off + 8 <= ext.size(); off += 8)
        dump->buckets.append({uint32At(ext, off), uint16At(ext, off + 4)});
    return true;
}

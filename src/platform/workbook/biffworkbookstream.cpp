#include "platform/workbook/biffworkbookstream.h"

#include <QFile>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <mutex>

namespace {

constexpr quint16 RecordSst = 0x00FC;
constexpr quint16 RecordContinue = 0x003C;
constexpr quint16 RecordBoundSheet = 0x0085;
constexpr quint16 RecordBoolErr = 0x0205;
constexpr quint16 RecordBof = 0x0809;
constexpr quint16 RecordEof = 0x000A;

QString errorText(quint8 code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    case 0x2A: return QStringLiteral("#N/A");
    default: return QStringLiteral("#ERROR!");
    }
}

quint16 uint16At(const QByteArray &bytes, qsizetype offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

quint32 uint32At(const QByteArray &bytes, qsizetype offset)
{
    return uint16At(bytes, offset) | (quint32(uint16At(bytes, offset + 2)) << 16);
}

template<typename T>
void unref(T *object)
{
    if (object)
        g_object_unref(object);
}

} // namespace

bool BiffWorkbookStream::load(const QString &path, QString *error)
{
    static std::once_flag gsfReady;
    std::call_once(gsfReady, [] { gsf_init(); });

    GError *gerror = nullptr;
    GsfInput *input = gsf_input_stdio_new(QFile::encodeName(path).constData(), &gerror);
    GsfInfile *ole = input ? gsf_infile_msole_new(input, &gerror) : nullptr;
    unref(input);
    if (!ole) {
        *error = QString::fromUtf8(gerror ? gerror->message : "not a compound document");
        g_clear_error(&gerror);
        return false;
    }
    GsfInput *workbook = gsf_infile_child_by_name(ole, "Workbook");
    if (!workbook)
        workbook = gsf_infile_child_by_name(ole, "Book");
    unref(ole);
    if (!workbook) {
        *error = QStringLiteral("no workbook stream");
        return false;
    }
    const gsf_off_t size = gsf_input_size(workbook);
    m_stream.resize(qsizetype(size));
    const bool read =
        size > 0 && gsf_input_read(workbook, size, reinterpret_cast<guint8 *>(m_stream.data()));
    unref(workbook);
    if (!read) {
        *error = QStringLiteral("cannot read the workbook stream");
        return false;
    }

    m_records.clear();
    for (qsizetype offset = 0; offset + 4 <= m_stream.size();) {
        const quint16 type = uint16At(m_stream, offset);
        const quint16 length = uint16At(m_stream, offset + 2);
        if (offset + 4 + length > m_stream.size())
            break;
        m_records.append({type, offset + 4, length});
        offset += 4 + length;
    }
    return true;
}

int BiffWorkbookStream::longestSharedStringSpan() const
{
    qsizetype at = 0;
    while (at < m_records.size() && m_records[at].type != RecordSst)
        ++at;
    if (at == m_records.size() || m_records[at].size < 8)
        return 0;

    // A cursor over the SST data that runs on into the CONTINUE records.
    qsizetype pos = 8;
    const auto left = [&] { return m_records[at].size - pos; };
    const auto byteAt = [&](qsizetype i) { return quint8(m_stream[m_records[at].dataOffset + i]); };
    const auto nextRecord = [&] {
        if (at + 1 >= m_records.size() || m_records[at + 1].type != RecordContinue)
            return false;
        ++at;
        pos = 0;
        return true;
    };

    const quint32 unique = uint32At(m_stream, m_records[at].dataOffset + 4);
    int longest = 0;
    for (quint32 i = 0; i < unique; ++i) {
        if (left() == 0 && !nextRecord())
            break;
        const qsizetype first = at;
        const qsizetype data = m_records[at].dataOffset;
        if (left() < 3)
            break;
        quint32 characters = uint16At(m_stream, data + pos);
        const quint8 options = byteAt(pos + 2);
        pos += 3;
        quint64 trailing = 0; // formatting runs and phonetic data after the text
        if (options & 0x08) {
            if (left() < 2)
                break;
            trailing += 4 * quint64(uint16At(m_stream, data + pos));
            pos += 2;
        }
        if (options & 0x04) {
            if (left() < 4)
                break;
            trailing += uint32At(m_stream, data + pos);
            pos += 4;
        }
        bool wide = options & 0x01;
        bool malformed = false;
        while (characters > 0 && !malformed) {
            if (left() == 0) {
                // A continued text restarts with its option byte.
                if (!nextRecord() || left() == 0) {
                    malformed = true;
                    break;
                }
                wide = byteAt(pos) & 0x01;
                ++pos;
            }
            const qsizetype fit = qMin<qsizetype>(characters, left() / (wide ? 2 : 1));
            malformed = fit == 0;
            pos += fit * (wide ? 2 : 1);
            characters -= quint32(fit);
        }
        while (trailing > 0 && !malformed) {
            if (left() == 0 && !nextRecord()) {
                malformed = true;
                break;
            }
            const qsizetype skip = qsizetype(qMin<quint64>(trailing, quint64(left())));
            pos += skip;
            trailing -= quint64(skip);
        }
        if (malformed)
            break;
        longest = qMax(longest, int(at - first + 1));
    }
    return longest;
}

QHash<quint32, QString> BiffWorkbookStream::firstSheetBooleanAndErrorCells() const
{
    QHash<quint32, QString> cells;
    qsizetype sheetOffset = -1;
    for (const Record &record : m_records) {
        if (record.type == RecordBoundSheet && record.size >= 4) {
            sheetOffset = uint32At(m_stream, record.dataOffset);
            break;
        }
    }
    qsizetype at = 0;
    while (at < m_records.size() && m_records[at].dataOffset - 4 != sheetOffset)
        ++at;
    // Charts embedded in the sheet nest their own BOF ... EOF.
    int depth = 0;
    for (; at < m_records.size(); ++at) {
        const Record &record = m_records[at];
        if (record.type == RecordBof)
            ++depth;
        else if (record.type == RecordEof && --depth <= 0)
            break;
        else if (record.type == RecordBoolErr && depth == 1 && record.size >= 8) {
            const quint16 row = uint16At(m_stream, record.dataOffset);
            const quint16 column = uint16At(m_stream, record.dataOffset + 2);
            const quint8 value = quint8(m_stream[record.dataOffset + 6]);
            const bool isError = m_stream[record.dataOffset + 7] != 0;
            cells.insert(cellKey(row, column),
                         isError ? errorText(value)
                                 : (value ? QStringLiteral("TRUE") : QStringLiteral("FALSE")));
        }
    }
    return cells;
}

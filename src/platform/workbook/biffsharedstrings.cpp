#include "platform/workbook/biffsharedstrings.h"

#include "platform/workbook/biffrecordstream.h"

#include <QList>

namespace {

constexpr quint16 RecordSst = 0x00FC;
constexpr quint16 RecordContinue = 0x003C;
constexpr quint16 RecordExtSst = 0x00FF;

// EXTSST holds at most this many buckets, so large tables get larger buckets.
constexpr qsizetype MaxBuckets = 128;
constexpr qsizetype MinBucketSize = 8;

// Where one EXTSST bucket's first string starts: absolute stream offset and
// offset inside its record counted from the record header.
struct BucketStart final
{
    quint32 streamOffset;
    quint16 recordOffset;
};

// Fills SST data into records of at most MaxRecordData bytes, opening a
// CONTINUE record each time one is full.
class SstRecordFiller final
{
public:
    explicit SstRecordFiller(BiffRecordStream &stream) : m_stream(stream) {}

    qsizetype room() const { return BiffRecordStream::MaxRecordData - m_data.size(); }
    QByteArray &data() { return m_data; }

    void startContinue()
    {
        m_stream.appendRecord(m_type, m_data);
        m_data.clear();
        m_type = RecordContinue;
    }

    BucketStart position() const
    {
        const qsizetype recordStart = m_stream.size();
        return {quint32(recordStart + 4 + m_data.size()), quint16(4 + m_data.size())};
    }

    void finish() { m_stream.appendRecord(m_type, m_data); }

private:
    BiffRecordStream &m_stream;
    QByteArray m_data;
    quint16 m_type = RecordSst;
};

} // namespace

quint32 BiffSharedStrings::add(const QString &text)
{
    ++m_references;
    const auto found = m_index.constFind(text);
    if (found != m_index.constEnd())
        return found.value();
    const quint32 index = quint32(m_strings.size());
    m_strings.append(text);
    m_index.insert(text, index);
    return index;
}

void BiffSharedStrings::write(BiffRecordStream &stream) const
{
    const qsizetype bucketSize =
        qBound(MinBucketSize, (m_strings.size() + MaxBuckets - 1) / MaxBuckets, qsizetype(0xFFFF));
    QList<BucketStart> buckets;

    SstRecordFiller filler(stream);
    biff::putUInt32(filler.data(), m_references);
    biff::putUInt32(filler.data(), quint32(m_strings.size()));

    for (qsizetype i = 0; i < m_strings.size(); ++i) {
        const QString &text = m_strings.at(i);
        const bool compressed = biff::isAscii(text);
        const qsizetype charSize = compressed ? 1 : 2;
        // The 3-byte string header never ends a record on its own: it goes
        // with the first character (or a whole surrogate pair) at least.
        const qsizetype headRoom = 3 + (text.isEmpty() ? 0 : (compressed ? 1 : 4));
        if (filler.room() < headRoom)
            filler.startContinue();
        if (i % bucketSize == 0)
            buckets.append(filler.position());

        const quint8 options = compressed ? 0x00 : 0x01;
        biff::putUInt16(filler.data(), quint16(text.size()));
        biff::putUInt8(filler.data(), options);

        qsizetype done = 0;
        for (;;) {
            qsizetype count = qMin(filler.room() / charSize, text.size() - done);
            if (done + count < text.size() && count > 1
                && text.at(done + count - 1).isHighSurrogate())
                --count; // keep a surrogate pair in one record
            biff::putCharacters(filler.data(), text, done, count, compressed);
            done += count;
            if (done == text.size())
                break;
            // The rest goes on in a CONTINUE record, which starts by
            // repeating the string's option byte.
            filler.startContinue();
            biff::putUInt8(filler.data(), options);
        }
    }
    filler.finish();

    QByteArray extSst;
    biff::putUInt16(extSst, quint16(bucketSize));
    // Past 8 million strings the index would outgrow its record; it is cut
    // short there, as it only speeds up copying between workbooks.
    const qsizetype maxEntries = (BiffRecordStream::MaxRecordData - 2) / 8;
    for (const BucketStart &bucket : buckets.first(qMin(buckets.size(), maxEntries))) {
        biff::putUInt32(extSst, bucket.streamOffset);
        biff::putUInt16(extSst, bucket.recordOffset);
        biff::putUInt16(extSst, 0);
    }
    stream.appendRecord(RecordExtSst, extSst);
}

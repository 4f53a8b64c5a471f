#include "platform/workbook/biffrecordstream.h"

bool biff::isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

void biff::putCharacters(QByteArray &data, const QString &text, qsizetype from, qsizetype count,
                         bool compressed)
{
    const QChar *chars = text.constData() + from;
    if (compressed) {
        for (qsizetype i = 0; i < count; ++i)
            data.append(char(chars[i].unicode()));
    } else {
        for (qsizetype i = 0; i < count; ++i)
            putUInt16(data, chars[i].unicode());
    }
}

void BiffRecordStream::appendRecord(quint16 type, const QByteArray &data)
{
    Q_ASSERT(data.size() <= MaxRecordData);
    biff::putUInt16(m_bytes, type);
    biff::putUInt16(m_bytes, quint16(data.size()));
    m_bytes.append(data);
}

void BiffRecordStream::patchUInt32(qsizetype offset, quint32 value)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= m_bytes.size());
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

void BiffRecordStream::padTo(qsizetype size)
{
    if (m_bytes.size() < size)
        m_bytes.append(size - m_bytes.size(), '\0');
}

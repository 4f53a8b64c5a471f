#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Little-endian field writers for building BIFF record bodies.
namespace biff {

inline void putUInt8(QByteArray &data, quint8 value)
{
    data.append(char(value));
}

inline void putUInt16(QByteArray &data, quint16 value)
{
    data.append(char(value & 0xFF));
    data.append(char(value >> 8));
}

inline void putUInt32(QByteArray &data, quint32 value)
{
    putUInt16(data, quint16(value & 0xFFFF));
    putUInt16(data, quint16(value >> 16));
}

// True when every UTF-16 unit of text is ASCII, so it may be stored with
// one byte a character (the "compressed" form).
bool isAscii(const QString &text);

// Appends the characters text[from, from + count) as one byte each when
// compressed, else as UTF-16LE.
void putCharacters(QByteArray &data, const QString &text, qsizetype from, qsizetype count,
                   bool compressed);

} // namespace biff

// A BIFF8 record stream being built: records are appended with their 4-byte
// header, and fields whose value is known only later can be patched in place.
class BiffRecordStream final
{
public:
    // The most data one BIFF8 record may carry; longer data goes on in
    // CONTINUE records.
    static constexpr qsizetype MaxRecordData = 8224;

    // Appends one record; data must not exceed MaxRecordData bytes.
    void appendRecord(quint16 type, const QByteArray &data);
    void patchUInt32(qsizetype offset, quint32 value);
    // Appends zero bytes up to size bytes in all.
    void padTo(qsizetype size);

    qsizetype size() const { return m_bytes.size(); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

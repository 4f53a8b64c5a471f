#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <memory>

// Turns bytes of a Windows/DOS/Mac code page into text. Windows-1252 is built
// in (its five unassigned bytes map to U+0081, U+008D, U+008F, U+0090 and
// U+009D so every byte survives a round trip); other code pages go through
// QStringDecoder when this Qt knows them and fall back to Windows-1252.
class CodePage final
{
public:
    static constexpr int Windows1252 = 1252;

    explicit CodePage(int number = Windows1252);
    ~CodePage();
    CodePage(CodePage &&) noexcept;
    CodePage &operator=(CodePage &&) noexcept;

    // The code page actually used: the one asked for, or 1252 as fallback.
    int number() const { return m_number; }

    // Decodes a complete byte sequence (multi-byte characters must not be
    // split across calls).
    QString decode(QByteArrayView bytes);

    static char16_t windows1252ToUnicode(uchar byte);
    // The Windows-1252 byte for a character, or -1 when it has none.
    static int unicodeToWindows1252(char16_t ch);

    // The code page an RTF \fcharsetN implies, or 0 when the charset has no
    // code page of its own (ANSI, default, symbol) and the document's applies.
    static int forCharset(int charset);

private:
    int m_number = Windows1252;
    std::unique_ptr<QStringDecoder> m_decoder;
};

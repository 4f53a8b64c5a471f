#pragma once

#include <QByteArray>
#include <QString>

// Opens configuration files as text and saves them back byte for byte.
// Detection order: a UTF-8 or UTF-16 byte-order mark, then UTF-8 when the
// bytes are valid UTF-8, else Windows-1252 (which maps all 256 bytes, so it
// never fails). Line ends are normalised to "\n" on decoding and the file's
// own style is put back on encoding.
class TextCodec final
{
public:
    enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };
    enum class LineEnding { Lf, CrLf, Cr };

    // How a file was stored; pass it back to encode() to save it the same way.
    struct Format final
    {
        Encoding encoding = Encoding::Utf8;
        LineEnding lineEnding = LineEnding::Lf;

        friend bool operator==(const Format &, const Format &) = default;
    };

    struct Decoded final
    {
        QString text;
        Format format;
    };

    // The style of the first line end decides the file's line-end form; only
    // that form is turned into "\n" (for CRLF files a lone CR or LF stays as
    // it is), so a file with one consistent style saves back unchanged.
    static Decoded decode(const QByteArray &bytes);

    // Writes text in the given format: "\n" becomes the format's line end and
    // a byte-order mark is written where the format has one. *lossless is set
    // to false when a character had no representation and was written as '?'
    // (for example Greek typed into a Windows-1252 file).
    static QByteArray encode(const QString &text, const Format &format, bool *lossless = nullptr);

    static QString encodingName(Encoding encoding);
};

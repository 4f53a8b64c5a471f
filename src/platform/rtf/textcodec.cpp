#include "platform/rtf/textcodec.h"

#include "platform/rtf/codepage.h"

#include <QStringDecoder>

#include <cstring>
#include <optional>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// Decodes UTF-8 and proves it re-encodes to the same bytes, so overlong forms,
// encoded surrogates and stray bytes all count as "not UTF-8".
std::optional<QString> decodeExactUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    const QByteArray again = text.toUtf8();
    if (decoder.hasError() || again.size() != bytes.size()
        || (!again.isEmpty() && std::memcmp(again.constData(), bytes.data(), size_t(again.size())) != 0))
        return std::nullopt;
    return text;
}

// UTF-16 is read unit by unit, so even an unpaired surrogate is kept and saved
// back as it was. An odd byte count cannot be kept and rules UTF-16 out.
std::optional<QString> decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar a = uchar(bytes[2 * i]);
        const uchar b = uchar(bytes[2 * i + 1]);
        text[i] = QChar(bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a));
    }
    return text;
}

TextCodec::LineEnding detectLineEnding(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return TextCodec::LineEnding::Lf;
        if (text[i] == u'\r')
            return i + 1 < text.size() && text[i + 1] == u'\n' ? TextCodec::LineEnding::CrLf
                                                               : TextCodec::LineEnding::Cr;
    }
    return TextCodec::LineEnding::Lf;
}

TextCodec::Decoded withLineEnding(QString text, TextCodec::Encoding encoding)
{
    const TextCodec::LineEnding ending = detectLineEnding(text);
    if (ending == TextCodec::LineEnding::CrLf)
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    else if (ending == TextCodec::LineEnding::Cr)
        text.replace(u'\r', u'\n');
    return {text, {encoding, ending}};
}

} // namespace

TextCodec::Decoded TextCodec::decode(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith(kUtf8Bom)) {
        if (auto text = decodeExactUtf8(view.sliced(3)))
            return withLineEnding(*text, Encoding::Utf8Bom);
    } else if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        const bool bigEndian = uchar(view[0]) == 0xFE;
        if (auto text = decodeUtf16(view.sliced(2), bigEndian))
            return withLineEnding(*text, bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE);
    }
    if (auto text = decodeExactUtf8(view))
        return withLineEnding(*text, Encoding::Utf8);
    return withLineEnding(CodePage(CodePage::Windows1252).decode(view), Encoding::Windows1252);
}

QByteArray TextCodec::encode(const QString &text, const Format &format, bool *lossless)
{
    QString withEnds = text;
    if (format.lineEnding == LineEnding::CrLf)
        withEnds.replace(u'\n', QStringLiteral("\r\n"));
    else if (format.lineEnding == LineEnding::Cr)
        withEnds.replace(u'\n', u'\r');

    bool exact = true;
    QByteArray out;
    switch (format.encoding) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom: {
        if (format.encoding == Encoding::Utf8Bom)
            out = kUtf8Bom;
        // Qt's encoder replaces an unpaired surrogate without flagging it.
        const QByteArray encoded = withEnds.toUtf8();
        exact = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(encoded)
            == withEnds;
        out += encoded;
        break;
    }
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        const bool bigEndian = format.encoding == Encoding::Utf16BE;
        out.reserve(2 + 2 * withEnds.size());
        for (QChar ch : QChar(0xFEFF) + withEnds) {
            const char16_t unit = ch.unicode();
            const char hi = char(unit >> 8), lo = char(unit & 0xFF);
            out.append(bigEndian ? hi : lo);
            out.append(bigEndian ? lo : hi);
        }
        break;
    }
    case Encoding::Windows1252:
        out.reserve(withEnds.size());
        for (QChar ch : withEnds) {
            const int byte = CodePage::unicodeToWindows1252(ch.unicode());
            exact = exact && byte >= 0;
            out.append(byte >= 0 ? char(byte) : '?');
        }
        break;
    }
    if (lossless)
        *lossless = exact;
    return out;
}

QString TextCodec::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom: return QStringLiteral("UTF-8 with BOM");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    }
    return {};
}

#include "platform/rtf/codepage.h"

#include <QList>

#include <array>

namespace {

// Bytes 0x80..0x9F of Windows-1252; 0xA0..0xFF equal their Latin-1 code points.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Names under which Qt (through ICU) may know a code page, best first.
QList<QByteArray> decoderNames(int number)
{
    switch (number) {
    case 10000: return {"macintosh"};
    case 20866: return {"KOI8-R"};
    case 21866: return {"KOI8-U"};
    case 65001: return {"UTF-8"};
    default: break;
    }
    if (number >= 28591 && number <= 28606)
        return {"ISO-8859-" + QByteArray::number(number - 28590)};
    const QByteArray n = QByteArray::number(number);
    return {"windows-" + n, "cp" + n};
}

} // namespace

CodePage::CodePage(int number)
{
    if (number == Windows1252 || number <= 0)
        return;
    for (const QByteArray &name : decoderNames(number)) {
        auto decoder = std::make_unique<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
        if (decoder->isValid()) {
            m_decoder = std::move(decoder);
            m_number = number;
            return;
        }
    }
}

CodePage::~CodePage() = default;
CodePage::CodePage(CodePage &&) noexcept = default;
CodePage &CodePage::operator=(CodePage &&) noexcept = default;

QString CodePage::decode(QByteArrayView bytes)
{
    if (m_decoder) {
        m_decoder->resetState();
        return m_decoder->decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(windows1252ToUnicode(uchar(bytes[i])));
    return text;
}

char16_t CodePage::windows1252ToUnicode(uchar byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252High[byte - 0x80];
    return byte;
}

int CodePage::unicodeToWindows1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == ch)
            return int(0x80 + i);
    }
    return -1;
}

int CodePage::forCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    default: return 0;
    }
}

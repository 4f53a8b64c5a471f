#include "platform/rtf/textcodec.h"

#include <QTest>

// Tests that configuration files of every supported encoding decode to the
// right text and save back to the very same bytes.

using namespace Qt::StringLiterals;

class TestTextCodec final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesText_data();
    void decodesText();
    void encodeReportsLoss_data();
    void encodeReportsLoss();
};

void TestTextCodec::decodesText_data()
{
    using E = TextCodec::Encoding;
    using L = TextCodec::LineEnding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextCodec::Encoding>("encoding");
    QTest::addColumn<TextCodec::LineEnding>("lineEnding");

    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);

    QTest::newRow("empty") << QByteArray() << QString() << E::Utf8 << L::Lf;
    QTest::newRow("ascii lf") << QByteArray("a\nb\n") << u"a\nb\n"_s << E::Utf8 << L::Lf;
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << u"a\nb\n"_s << E::Utf8 << L::CrLf;
    QTest::newRow("cr") << QByteArray("a\rb\r") << u"a\nb\n"_s << E::Utf8 << L::Cr;
    QTest::newRow("stray cr in lf file") << QByteArray("a\nb\r\nc\rd") << u"a\nb\r\nc\rd"_s << E::Utf8 << L::Lf;
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << u"café €"_s << E::Utf8 << L::Lf;
    QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx\r\n") << u"\uFEFFx\n"_s << E::Utf8Bom
                               << L::CrLf;
    QTest::newRow("utf-16le bom") << QByteArray("\xff\xfe" "a\0\xac\x20\r\0\n\0", 10) << u"a€\n"_s
                                  << E::Utf16LE << L::CrLf;
    QTest::newRow("utf-16be bom") << QByteArray("\xfe\xff\0a\xd8\x3d\xde\x00", 8) << u"a😀"_s << E::Utf16BE
                                  << L::Lf;
    QTest::newRow("utf-16 lone surrogate kept") << QByteArray("\xff\xfe\x00\xd8x\0", 6)
                                                << QString(QChar(0xD800)) + u"x"_s << E::Utf16LE << L::Lf;
    QTest::newRow("utf-16 odd length is not utf-16") << QByteArray("\xff\xfe" "a\0b", 5)
                                                     << QString::fromUtf16(u"ÿþa\0b", 5) << E::Windows1252 << L::Lf;
    QTest::newRow("latin byte") << QByteArray("caf\xe9\r\n") << u"café\n"_s << E::Windows1252 << L::CrLf;
    QTest::newRow("undefined 1252 bytes") << QByteArray("\x81\x8d\x8f\x90\x9d\x80")
                                          << u"\u0081\u008D\u008F\u0090\u009D€"_s << E::Windows1252 << L::Lf;
    QTest::newRow("overlong utf-8") << QByteArray("\xc0\xaf") << u"À¯"_s << E::Windows1252 << L::Lf;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << u"í\u00A0€"_s << E::Windows1252 << L::Lf;
    QTest::newRow("truncated utf-8") << QByteArray("ab\xe2\x82") << u"abâ‚"_s << E::Windows1252 << L::Lf;
    QTest::newRow("bom then invalid") << QByteArray("\xef\xbb\xbf\xff") << u"ï»¿ÿ"_s << E::Windows1252 << L::Lf;
    QTest::newRow("all 256 bytes") << all << QString() << E::Windows1252 << L::Lf;
}

void TestTextCodec::decodesText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextCodec::Encoding, encoding);
    QFETCH(TextCodec::LineEnding, lineEnding);

    const TextCodec::Decoded decoded = TextCodec::decode(bytes);
    if (!text.isNull())
        QCOMPARE(decoded.text, text);
    QCOMPARE(TextCodec::encodingName(decoded.format.encoding), TextCodec::encodingName(encoding));
    QCOMPARE(decoded.format.lineEnding, lineEnding);

    bool lossless = false;
    QCOMPARE(TextCodec::encode(decoded.text, decoded.format, &lossless), bytes);
    QVERIFY(lossless);
}

void TestTextCodec::encodeReportsLoss_data()
{
    using E = TextCodec::Encoding;
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextCodec::Encoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("lossless");

    QTest::newRow("greek into 1252") << u"aΩb"_s << E::Windows1252 << QByteArray("a?b") << false;
    QTest::newRow("c1 control without a byte") << u"\u0080"_s << E::Windows1252 << QByteArray("?") << false;
    QTest::newRow("euro into 1252") << u"€"_s << E::Windows1252 << QByteArray("\x80") << true;
    QTest::newRow("lone surrogate into utf-8") << QString(QChar(0xDC00)) << E::Utf8 << QByteArray() << false;
    QTest::newRow("utf-8 bom written") << u"x"_s << E::Utf8Bom << QByteArray("\xef\xbb\xbfx") << true;
    QTest::newRow("utf-16be bom written") << u"x"_s << E::Utf16BE << QByteArray("\xfe\xff\0x", 4) << true;
}

void TestTextCodec::encodeReportsLoss()
{
    QFETCH(QString, text);
    QFETCH(TextCodec::Encoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, lossless);

    bool exact = !lossless;
    const QByteArray out = TextCodec::encode(text, {encoding, TextCodec::LineEnding::Lf}, &exact);
    QCOMPARE(exact, lossless);
    if (!bytes.isEmpty())
        QCOMPARE(out, bytes);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_textcodec.moc"

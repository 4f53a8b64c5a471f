#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <optional>

// Tests the RTF reader and writer against hand-made snippets, files
// LibreOffice wrote, round trips and mutated input.

using namespace Qt::StringLiterals;

namespace {

using Colors = QList<std::optional<RtfColor>>;

constexpr RtfColor kRed{255, 0, 0};
constexpr RtfColor kBlue{0, 0, 255};
constexpr RtfColor kGreen{0, 128, 0};
constexpr RtfColor kBlack{0, 0, 0};
constexpr RtfColor kNavy{0, 0, 128};

// Snippets share this colour table: \cf1 red, \cf2 blue, \cf3 green, \cf4 black.
const QByteArray kColorTable = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
                               "\\red0\\green128\\blue0;\\red0\\green0\\blue0;}";

Colors expandRuns(const RtfDocument &doc)
{
    Colors colors(doc.text.size());
    for (const RtfColorRun &run : doc.colorRuns) {
        for (int i = std::max(run.start, 0); i < run.start + run.length && i < colors.size(); ++i)
            colors[i] = run.color;
    }
    return colors;
}

// One letter per character: '.' default, r/b/g/k/n the colours above, '?' other.
QString colorMask(const RtfDocument &doc)
{
    QString mask;
    for (const std::optional<RtfColor> &c : expandRuns(doc)) {
        if (!c)
            mask += u'.';
        else if (*c == kRed)
            mask += u'r';
        else if (*c == kBlue)
            mask += u'b';
        else if (*c == kGreen)
            mask += u'g';
        else if (*c == kBlack)
            mask += u'k';
        else if (*c == kNavy)
            mask += u'n';
        else
            mask += u'?';
    }
    return mask;
}

// Runs must lie inside the text, in order, without overlap or empty ones,
// and neighbours of one colour must be merged.
bool runsWellFormed(const RtfDocument &doc)
{
    int end = 0;
    for (qsizetype i = 0; i < doc.colorRuns.size(); ++i) {
        const RtfColorRun &run = doc.colorRuns[i];
        if (run.length <= 0 || run.start < end || run.start + run.length > doc.text.size())
            return false;
        if (i > 0 && run.start == end && run.color == doc.colorRuns[i - 1].color)
            return false;
        end = run.start + run.length;
    }
    return true;
}

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(TNM_SOURCE_DIR "/tests/platform/rtf/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// What tnm-written.rtf holds; LibreOffice re-saved it as tnm-resaved.rtf.
RtfDocument sampleDocument()
{
    RtfDocument doc;
    doc.text = u"hostname core-sw1\ninterface GigabitEthernet0/1\n description uplink {to} \\dist\n"
               u"\tCafé über 5 € Straße\nΕλληνικά Привет 가 😀\n  indented\nend\n"_s;
    const auto run = [&doc](const QString &word, RtfColor color) {
        return RtfColorRun{int(doc.text.indexOf(word)), int(word.size()), color};
    };
    doc.colorRuns = {run(u"core-sw1"_s, kRed), run(u"GigabitEthernet0/1"_s, kBlue), run(u"\\dist"_s, kGreen),
                     run(u"Ελληνικά"_s, {200, 100, 0}), run(u"가 😀"_s, kRed)};
    doc.fontFamily = u"DejaVu Sans Mono"_s;
    doc.fontPointSize = 10.5;
    return doc;
}

RtfDocument readOk(const QByteArray &rtf)
{
    const RtfReadResult result = RtfReader::read(rtf);
    if (!result.ok())
        qWarning("unexpected error: %s", qPrintable(result.error));
    return result.document;
}

} // namespace

class TestRtf final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void roundTripRandom();
    void writerEscapes_data();
    void writerEscapes();
    void readsSnippet_data();
    void readsSnippet();
    void readsFont_data();
    void readsFont();
    void rejectsNonRtf_data();
    void rejectsNonRtf();
    void survivesMalformed_data();
    void survivesMalformed();
    void readsLibreOfficeFile_data();
    void readsLibreOfficeFile();
    void writerSampleIsCurrent();
    void readsOwnFileResavedByLibreOffice();
    void fuzzMutatedFixtures();
};

void TestRtf::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<RtfColorRun>>("runs");

    const QList<RtfColorRun> none;
    QTest::newRow("empty") << QString() << none;
    QTest::newRow("one line") << u"hostname core"_s << QList<RtfColorRun>{{9, 4, kRed}};
    QTest::newRow("trailing newline") << u"a\nb\n"_s << none;
    QTest::newRow("only newlines") << u"\n\n\n"_s << none;
    QTest::newRow("single newline") << u"\n"_s << none;
    QTest::newRow("leading spaces after control words")
        << u"  x\n  indented\n \tend"_s << QList<RtfColorRun>{{0, 1, kBlue}, {4, 2, kRed}};
    QTest::newRow("rtf syntax in text") << u"{\\par} \\'e9 \\u8364? ;"_s << none;
    QTest::newRow("windows-1252 letters") << u"Café über 5 € Straße ‰ ÿ"_s << QList<RtfColorRun>{{0, 4, kGreen}};
    QTest::newRow("greek and cyrillic") << u"Ελληνικά\nПривет"_s << QList<RtfColorRun>{{2, 6, kRed}};
    QTest::newRow("negative \\u range") << u"가나 ﬀ \uFFFD \uFFFF"_s << none;
    QTest::newRow("surrogate pairs") << u"a😀b𝄞"_s << QList<RtfColorRun>{{1, 2, kBlue}};
    QTest::newRow("control characters")
        << QString::fromUtf16(u"a\rb\u0001c\u007F\u0081\u009D\u0080\0z", 11) << none;
    QTest::newRow("coloured line ends") << u"ab\ncd\n"_s << QList<RtfColorRun>{{1, 3, kRed}, {5, 1, kBlue}};
    QTest::newRow("explicit black") << u"black"_s << QList<RtfColorRun>{{0, 5, kBlack}};
    QTest::newRow("later run wins") << u"abcdef"_s << QList<RtfColorRun>{{0, 6, kRed}, {2, 2, kBlue}};
    QTest::newRow("runs past the end are clipped")
        << u"abc"_s << QList<RtfColorRun>{{-2, 3, kRed}, {2, 50, kGreen}, {9, 2, kBlue}};
}

void TestRtf::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QList<RtfColorRun>, runs);

    const RtfDocument in{text, runs, u"DejaVu Sans Mono"_s, 10.5};
    const RtfDocument out = readOk(RtfWriter::write(in));
    QCOMPARE(out.text, text);
    QCOMPARE(expandRuns(out), expandRuns(in));
    QVERIFY(runsWellFormed(out));
    QCOMPARE(out.fontFamily, in.fontFamily);
    QCOMPARE(out.fontPointSize, 10.5);
}

void TestRtf::roundTripRandom()
{
    // Random text over characters that need each kind of escaping.
    const QString alphabet = u"ab {}\\;?'\t\n\r\x00A0\x00AD\x00E9\x20AC\x0081\x0080\x03A9\x8000\xFFFD"_s;
    const QList<RtfColor> palette{kRed, kBlue, kGreen, kBlack};
    QRandomGenerator rng(20240611);
    for (int iteration = 0; iteration < 300; ++iteration) {
        RtfDocument in;
        const int length = rng.bounded(40);
        for (int i = 0; i < length; ++i) {
            if (rng.bounded(10) == 0)
                in.text += u"😀"_s;
            else
                in.text += alphabet[rng.bounded(int(alphabet.size()))];
        }
        for (int r = rng.bounded(4); r > 0; --r)
            in.colorRuns.append({rng.bounded(length + 1), rng.bounded(length + 1), palette[rng.bounded(4)]});
        in.fontFamily = u"Courier {New}\\é"_s;
        const RtfDocument out = readOk(RtfWriter::write(in));
        QCOMPARE(out.text, in.text);
        QCOMPARE(expandRuns(out), expandRuns(in));
        QCOMPARE(out.fontFamily, in.fontFamily);
    }
}

void TestRtf::writerEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("windows-1252 as hex") << u"é€"_s << QByteArray("\\'e9\\'80");
    QTest::newRow("bmp below 32768") << u"Ω"_s << QByteArray("\\u937?");
    QTest::newRow("above 32767 is negative") << u"가"_s << QByteArray("\\u-21504?");
    QTest::newRow("astral as two units") << u"😀"_s << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("syntax characters") << u"\\{}"_s << QByteArray("\\\\\\{\\}");
    QTest::newRow("tab and line end") << u"a\tb\nc"_s << QByteArray("a\\tab b\\par\nc\\par");
}

void TestRtf::writerEscapes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);

    const QByteArray rtf = RtfWriter::write({text, {}, u"Mono"_s, 11});
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Mono;}}"), rtf.constData());
    QVERIFY2(rtf.contains("\\fs22 "), rtf.constData());
    QVERIFY2(rtf.contains(expected), rtf.constData());
    for (char c : rtf)
        QVERIFY2(uchar(c) < 0x80, "RTF output must be 7-bit");
}

void TestRtf::readsSnippet_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mask");

    QTest::newRow("delimiter space is eaten") << QByteArray("\\b bold\\b0  x") << u"bold x"_s << u"......"_s;
    QTest::newRow("control symbols") << QByteArray("a\\~b\\-c\\_d\\{\\}\\\\") << u"a\u00A0b\u00ADc\u2011d{}\\"_s
                                     << u".........."_s;
    QTest::newRow("raw line breaks ignored") << QByteArray("ab\r\ncd\nef") << u"abcdef"_s << u"......"_s;
    QTest::newRow("backslash newline is par") << QByteArray("a\\\nb") << u"a\nb"_s << u"..."_s;
    QTest::newRow("par line tab") << QByteArray("a\\par b\\line c\\tab d") << u"a\nb\nc\td"_s << u"......."_s;
    QTest::newRow("final par ends the document") << QByteArray("a\\par b\\par") << u"a\nb"_s << u"..."_s;
    QTest::newRow("two final pars keep one empty line") << QByteArray("a\\par\\par ") << u"a\n"_s << u".."_s;
    QTest::newRow("final line break is kept") << QByteArray("a\\line") << u"a\n"_s << u".."_s;
    QTest::newRow("hex in windows-1252") << QByteArray("\\'e9\\'80\\'81\\'9f") << u"é€\u0081Ÿ"_s << u"...."_s;
    QTest::newRow("raw 8-bit byte") << QByteArray("caf\xe9") << u"café"_s << u"...."_s;
    QTest::newRow("ansicpg 1251") << QByteArray("\\ansicpg1251 \\'cf\\'f0\\'e8") << u"При"_s << u"..."_s;
    QTest::newRow("ansicpg 1250") << QByteArray("\\ansicpg1250 \\'9a\\'e8\\'b9") << u"ščą"_s << u"..."_s;
    QTest::newRow("double-byte code page") << QByteArray("\\ansicpg932 \\'82\\'a0\\'88\\'9f") << u"あ亜"_s << u".."_s;
    QTest::newRow("unknown code page falls back") << QByteArray("\\ansicpg99999 \\'e9") << u"é"_s << u"."_s;
    QTest::newRow("font charset picks code page")
        << QByteArray("{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\'e9{\\f1 \\'e9}\\'e9")
        << u"éйé"_s << u"..."_s;
    QTest::newRow("unicode with default skip") << QByteArray("\\u8364?x") << u"€x"_s << u".."_s;
    QTest::newRow("skip eats a hex escape") << QByteArray("\\u233\\'e9x") << u"éx"_s << u".."_s;
    QTest::newRow("uc2 skips two") << QByteArray("\\uc2\\u8364??x") << u"€x"_s << u".."_s;
    QTest::newRow("uc0 skips nothing") << QByteArray("\\uc0\\u8364 ?") << u"€?"_s << u".."_s;
    QTest::newRow("uc is scoped to its group") << QByteArray("{\\uc0\\u937}\\u937?") << u"ΩΩ"_s << u".."_s;
    QTest::newRow("skip stops at a group end") << QByteArray("{\\uc3\\u937}x") << u"Ωx"_s << u".."_s;
    QTest::newRow("negative unicode") << QByteArray("\\u-21504?") << u"가"_s << u"."_s;
    QTest::newRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << u"😀"_s << u".."_s;
    QTest::newRow("character words") << QByteArray("\\emdash\\endash\\bullet\\lquote\\rdblquote")
                                     << u"—–•‘”"_s << u"....."_s;
    QTest::newRow("colours and groups") << QByteArray("a{\\cf1 b{\\cf2 c}d}e\\cf3 f\\cf0 g")
                                        << u"abcdefg"_s << u".rbr.g."_s;
    QTest::newRow("plain resets colour, pard does not") << QByteArray("\\cf1 a\\pard b\\plain c")
                                                        << u"abc"_s << u"rr."_s;
    QTest::newRow("explicit black is a run") << QByteArray("\\cf4 a\\cf0 b") << u"ab"_s << u"k."_s;
    QTest::newRow("unknown colour index") << QByteArray("\\cf99 a\\cf-1 b") << u"ab"_s << u".."_s;
    QTest::newRow("skipped destinations")
        << QByteArray("{\\*\\unknown x}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\pict 0102}"
                      "{\\header H\\par}{\\footerl F}{\\*\\generator G;}{\\listtable L}a")
        << u"a"_s << u"."_s;
    QTest::newRow("header distance is not a header") << QByteArray("\\headery720 a") << u"a"_s << u"."_s;
    QTest::newRow("field keeps its result")
        << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt \\cf2 link}} ok")
        << u"link ok"_s << u"bbbb..."_s;
    QTest::newRow("field code without star") << QByteArray("{\\field{\\fldinst PAGE}{\\fldrslt 3}}")
                                             << u"3"_s << u"."_s;
    QTest::newRow("binary data may hold braces") << QByteArray("{\\pict\\bin6 }}\\{{x}a") << u"a"_s << u"."_s;
    QTest::newRow("binary outside a picture") << QByteArray("a\\bin2 zzb") << u"ab"_s << u".."_s;
    QTest::newRow("table rows")
        << QByteArray("\\trowd\\cellx100\\cellx200 a\\cell b\\cell\\row c\\cell\\row\\pard d")
        << u"a\tb\nc\nd"_s << u"......."_s;
    QTest::newRow("long parameter saturates") << QByteArray("\\cf99999999999999999999 a") << u"a"_s << u"."_s;
}

void TestRtf::readsSnippet()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(QString, mask);

    const RtfDocument doc = readOk("{\\rtf1\\ansi\\deff0" + kColorTable + body + "}");
    QCOMPARE(doc.text, text);
    QCOMPARE(colorMask(doc), mask);
    QVERIFY(runsWellFormed(doc));
}

void TestRtf::readsFont_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");

    QTest::newRow("default font and size") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}x}")
                                           << u"Courier New"_s << 12.0;
    QTest::newRow("font of the first text") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Mono;}}\\f1\\fs21 x\\f0\\fs40 }")
                                            << u"Mono"_s << 10.5;
    QTest::newRow("plain restores defaults") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Mono;}}\\f1\\fs30\\plain x}")
                                             << u"Arial"_s << 12.0;
    QTest::newRow("table without inner groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}\\f1 x}") << u"Courier"_s << 12.0;
    QTest::newRow("alternative name skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Liberation Serif{\\*\\falt Times New Roman};}}x}") << u"Liberation Serif"_s
        << 12.0;
    QTest::newRow("name in the font's code page")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}x}") << u"Ариал"_s << 12.0;
    QTest::newRow("text font missing from table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f7 x}")
                                                  << u"Arial"_s << 12.0;
    QTest::newRow("no font table") << QByteArray("{\\rtf1 x}") << QString() << 12.0;
}

void TestRtf::readsFont()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, family);
    QFETCH(qreal, size);

    const RtfDocument doc = readOk(rtf);
    QCOMPARE(doc.text, u"x"_s);
    QCOMPARE(doc.fontFamily, family);
    QCOMPARE(doc.fontPointSize, size);
}

void TestRtf::rejectsNonRtf_data()
{
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("hostname core-sw1\n");
    QTest::newRow("html") << QByteArray("<html><body>{\\rtf1}</body></html>");
    QTest::newRow("almost rtf") << QByteArray("{\\rtx1 a}");
    QTest::newRow("deep nesting") << "{\\rtf1" + QByteArray(100000, '{') + "x";
}

void TestRtf::rejectsNonRtf()
{
    QFETCH(QByteArray, input);

    const RtfReadResult result = RtfReader::read(input);
    QVERIFY(!result.ok());
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.document.text.isEmpty());
}

void TestRtf::survivesMalformed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 ab{\\cf1 c") << u"abc"_s;
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 ab}}}cd}") << u"ab"_s;
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'4") << u"a"_s;
    QTest::newRow("bad hex digits") << QByteArray("{\\rtf1 a\\'zzb}") << u"azzb"_s;
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << u"a"_s;
    QTest::newRow("unicode word without or with absurd value") << QByteArray("{\\rtf1 \\u\\u-99999999 ?a}") << u"a"_s;
    QTest::newRow("huge binary length") << QByteArray("{\\rtf1 a\\bin99999999999 bcd}") << u"a"_s;
    QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_s;
    QTest::newRow("huge skip count") << QByteArray("{\\rtf1 \\uc2147483647\\u97 bcd}e") << u"a"_s;
    QTest::newRow("overlong word") << "{\\rtf1 \\" + QByteArray(5000, 'p') + " a}" << u"a"_s;
    QTest::newRow("leading bom and space") << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 a}") << u"a"_s;
    QTest::newRow("nesting at the limit") << "{\\rtf1" + QByteArray(RtfReader::MaxGroupDepth - 1, '{') + "a" << u"a"_s;
}

void TestRtf::survivesMalformed()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);

    const RtfReadResult result = RtfReader::read(input);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.document.text, text);
}

void TestRtf::readsLibreOfficeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");

    // LibreOffice gives body text the explicit colour black (\cf1), hence 'k'.
    const QString colors = u"hostname core-sw1\ninterface GigabitEthernet0/1\ndescription uplink to dist layer\nend"_s;
    const QString colorsMask = QString(9, u'k') + QString(8, u'r') + QString(11, u'k') + QString(18, u'b')
        + QString(23, u'k') + QString(4, u'g') + QString(10, u'k');
    QTest::newRow("colours") << u"colors.rtf"_s << colors << colorsMask << u"DejaVu Sans Mono"_s << 10.0;

    const QString accents = u"Café über 5 € Straße\nΕλληνικά κείμενο\nПривет, мир\nemoji 😀 end"_s;
    QTest::newRow("accents and scripts") << u"accents.rtf"_s << accents << QString(accents.size(), u'.')
                                         << u"Liberation Serif"_s << 12.0;

    // The page header and footer, the field code and the table layout vanish.
    const QString layout = u"name\tvalue\nfirst\nsecond\nport\tvlan\nGi0/1\t10\nsee the manual {braces} \\back"_s;
    const qsizetype link = layout.indexOf(u"the manual"_s);
    QTest::newRow("tabs, table, header")
        << u"layout.rtf"_s << layout
        << QString(link, u'.') + QString(10, u'n') + QString(layout.size() - link - 10, u'.')
        << u"Liberation Serif"_s << 12.0;
}

void TestRtf::readsLibreOfficeFile()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, mask);
    QFETCH(QString, family);
    QFETCH(qreal, size);

    const RtfDocument doc = readOk(fixture(file));
    QCOMPARE(doc.text, text);
    QCOMPARE(colorMask(doc), mask);
    QCOMPARE(doc.fontFamily, family);
    QCOMPARE(doc.fontPointSize, size);
}

void TestRtf::writerSampleIsCurrent()
{
    // If the writer changed on purpose, save its output as tnm-written.rtf and
    // rerun make_fixtures.sh so the LibreOffice check below stays meaningful.
    QCOMPARE(RtfWriter::write(sampleDocument()), fixture(u"tnm-written.rtf"_s));
}

void TestRtf::readsOwnFileResavedByLibreOffice()
{
    const RtfDocument expected = sampleDocument();
    const RtfDocument doc = readOk(fixture(u"tnm-resaved.rtf"_s));
    QCOMPARE(doc.text, expected.text);
    QCOMPARE(expandRuns(doc), expandRuns(expected));
    QCOMPARE(doc.fontFamily, expected.fontFamily);
    QCOMPARE(doc.fontPointSize, expected.fontPointSize);
}

void TestRtf::fuzzMutatedFixtures()
{
    const QList<QByteArray> seeds{fixture(u"colors.rtf"_s), fixture(u"accents.rtf"_s), fixture(u"layout.rtf"_s),
                                  RtfWriter::write({u"a\tb\n€Ω😀"_s, {{0, 3, kRed}}, u"Mono"_s, 9})};
    const QList<QByteArray> tokens{"{", "}", "\\", "\\'", "\\u", "\\u-", "\\bin", "\\uc9", "\\*", "\\cf",
                                   "\\par", "\\fonttbl", "\\colortbl", "\\f", "-", "9", "99999999999", ";"};
    QRandomGenerator rng(7);
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    while (timer.elapsed() < 1000 && runs < 20000) {
        QByteArray data = seeds[rng.bounded(int(seeds.size()))];
        for (int m = 1 + rng.bounded(8); m > 0 && !data.isEmpty(); --m) {
            const int at = rng.bounded(int(data.size()));
            switch (rng.bounded(5)) {
            case 0: data[at] = char(rng.bounded(256)); break;
            case 1: data.insert(at, tokens[rng.bounded(int(tokens.size()))]); break;
            case 2: data.remove(at, rng.bounded(64)); break;
            case 3: data.insert(at, data.mid(rng.bounded(int(data.size())), rng.bounded(256))); break;
            case 4: data.truncate(at); break;
            }
        }
        const RtfReadResult result = RtfReader::read(data);
        QVERIFY(result.ok() || !result.error.isEmpty());
        QVERIFY(runsWellFormed(result.document));
        QVERIFY(result.document.text.size() <= data.size());
        ++runs;
    }
    QVERIFY(runs > 100);
}

QTEST_GUILESS_MAIN(TestRtf)
#include "test_rtf.moc"

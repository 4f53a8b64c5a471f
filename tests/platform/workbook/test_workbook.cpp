#include "platform/workbook/compounddocument.h"
#include "platform/workbook/workbook.h"

#include "biffrecordscan.h"
#include "workbooktables.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// Saves tables as .xls and reads them back, checks the file's records, the
// errors, and that xlwt's files read and xlrd reads ours.
class TestWorkbook final : public QObject
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void compareSheet(const WorkbookSheet &sheet, const Table &table);
    void checkStructure(const QString &file, const Table &table);

    QTemporaryDir m_dir;
    QString m_xlwtFile;

private Q_SLOTS:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void stringsAcrossRecords_data();
    void stringsAcrossRecords();
    void largeTable();
    void usedRange_data();
    void usedRange();
    void readErrors_data();
    void readErrors();
    void truncatedAnywhere();
    void saveErrors_data();
    void saveErrors();
    void saveReplacesExistingFile();
    void readsXlwtWorkbook_data();
    void readsXlwtWorkbook();
    void xlrdReadsOurWorkbook_data();
    void xlrdReadsOurWorkbook();
    void libreOfficeReadsOurWorkbook();
    void fitsChecksWithoutWriting();
    void formattedBlankCells_data();
    void formattedBlankCells();
};

void TestWorkbook::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_xlwtFile = path(QStringLiteral("xlwt.xls"));
    QByteArray output;
    QString error;
    QVERIFY2(runScript(QStringLiteral("write_xlwt.py"), {m_xlwtFile}, &output, &error),
             qPrintable(error));
}

void TestWorkbook::compareSheet(const WorkbookSheet &sheet, const Table &table)
{
    const auto [rows, columns] = usedSize(table);
    QCOMPARE(sheet.rowCount(), rows);
    QCOMPARE(sheet.columnCount(), columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (sheet.cell(r, c) != cellAt(table, r, c))
                QFAIL(qPrintable(QStringLiteral("cell (%1, %2): got \"%3\", expected \"%4\"")
                                     .arg(r).arg(c).arg(sheet.cell(r, c), cellAt(table, r, c))));
    QCOMPARE(sheet.cell(rows, 0), QString());
    QCOMPARE(sheet.cell(0, columns), QString());
}

// Checks what a lenient reader would not: record sizes, the sheet offset in
// BOUNDSHEET, the shared strings as stored and the EXTSST index into them.
void TestWorkbook::checkStructure(const QString &file, const Table &table)
{
    BiffRecordScan scan;
    QString error;
    QVERIFY2(scan.load(file, &error), qPrintable(error));
    QVERIFY(scan.stream().size() >= 4096);
    for (const BiffRecord &record : scan.records())
        QVERIFY2(record.data.size() <= 8224, qPrintable(QString::number(record.type, 16)));

    qsizetype sheetOffset = -1;
    for (const BiffRecord &record : scan.records())
        if (record.type == 0x0085)
            sheetOffset = qFromLittleEndian<quint32>(record.data.constData());
    QVERIFY(sheetOffset > 0 && sheetOffset + 8 <= scan.stream().size());
    const QByteArray sheetBof = scan.stream().mid(sheetOffset, 8);
    QCOMPARE(qFromLittleEndian<quint16>(sheetBof.constData()), quint16(0x0809));
    QCOMPARE(qFromLittleEndian<quint16>(sheetBof.constData() + 6), quint16(0x0010));

    BiffSharedStringDump sst;
    QVERIFY2(decodeSharedStrings(scan.records(), &sst, &error), qPrintable(error));
    QStringList expected; // distinct texts in row-major order of first use
    QSet<QString> seen;
    for (const QStringList &row : table)
        for (const QString &text : row)
            if (!text.isEmpty() && !seen.contains(text)) {
                seen.insert(text);
                expected << text;
            }
    QCOMPARE(sst.strings, expected);
    QVERIFY(sst.bucketSize >= 8);
    QCOMPARE(sst.buckets.size(), (expected.size() + sst.bucketSize - 1) / sst.bucketSize);
    QVERIFY(sst.buckets.size() <= 128);
    for (int b = 0; b < sst.buckets.size(); ++b) {
        const auto [streamOffset, recordOffset] = sst.buckets[b];
        QCOMPARE(qsizetype(streamOffset), sst.starts[b * sst.bucketSize]);
        const quint16 recordType =
            qFromLittleEndian<quint16>(scan.stream().constData() + streamOffset - recordOffset);
        QVERIFY(recordType == 0x00FC || recordType == 0x003C);
    }
}

void TestWorkbook::roundTrip_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<bool>("wrap");

    QTest::newRow("8 columns") << interfaceTable(30, 8) << true;
    QTest::newRow("10 columns") << interfaceTable(30, 10) << true;
    QTest::newRow("11 columns, no wrap") << interfaceTable(30, 11) << false;
    QTest::newRow("empty cells in the middle")
        << Table{{"a", "", "c"}, {"", "", ""}, {"", "e", ""}, {"f", "", "g"}} << true;
    QTest::newRow("empty trailing row and column")
        << Table{{"a", "b", ""}, {"c", "d", ""}, {"", "", ""}} << true;
    QTest::newRow("repeated texts share strings")
        << Table{{"up", "up", "down"}, {"down", "up", "up"}} << true;
    QTest::newRow("line feeds and blanks kept")
        << Table{{"\n", " x ", "a\n\nb\n"}, {"\t", "line1\r\nline2", "  "}} << true;
    QTest::newRow("non-ASCII and surrogate pairs")
        << Table{{"é", "€", "Коммутатор"}, {"日本語", "😀 up", "ß\u00A0µ"}} << true;
    QTest::newRow("spreadsheet look-alikes stay text")
        << Table{{"48", "2.5", "=A1+1"}, {"TRUE", "#N/A", "0012"}} << false;
}

void TestWorkbook::roundTrip()
{
    QFETCH(Table, table);
    QFETCH(bool, wrap);
    const QString file = path(QStringLiteral("roundtrip.xls"));
    QString error;
    QVERIFY2(saveTable(table, file, wrap, &error), qPrintable(error));
    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    compareSheet(read.sheet, table);
    checkStructure(file, table);
}

void TestWorkbook::stringsAcrossRecords_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<bool>("readable"); // by freexl, which reads a string over two records at most

    // The first SST record has 8216 bytes for strings; a leading ASCII
    // string of 8213 - n characters leaves n bytes for the next one.
    const auto after = [](int left, const QString &next) {
        return Table{{QString(8213 - left, u'a'), next, QStringLiteral("tail")}};
    };
    for (int left : {0, 1, 2, 3, 4, 5})
        QTest::addRow("ASCII string with %d bytes left", left) << after(left, QString(40, u'b')) << true;
    for (int left : {3, 4, 5, 6, 7, 8})
        QTest::addRow("UTF-16 string with %d bytes left", left) << after(left, QString(40, u'Ж')) << true;
    for (int left : {7, 9, 11})
        QTest::addRow("surrogate pairs with %d bytes left", left)
            << after(left, QString::fromUtf8("😀").repeated(20)) << true;
    QTest::newRow("ASCII string over two records") << Table{{QString(16000, u'x'), "y"}} << true;
    QTest::newRow("UTF-16 string over two records") << Table{{QString(8000, u'Ж'), "y"}} << true;
    QTest::newRow("ASCII string over three records") << Table{{QString(20000, u'x'), "y"}} << false;
    QTest::newRow("longest cell text") << Table{{QString(32767, u'Ж')}} << false;
}

void TestWorkbook::stringsAcrossRecords()
{
    QFETCH(Table, table);
    QFETCH(bool, readable);
    const QString file = path(QStringLiteral("continued.xls"));
    QString error;
    QVERIFY2(saveTable(table, file, true, &error), qPrintable(error));
    checkStructure(file, table);
    const WorkbookReadResult read = readWorkbook(file);
    if (!readable) {
        // xlrd reads these (see xlrdReadsOurWorkbook); freexl must fail cleanly.
        QVERIFY2(read.error.contains(QStringLiteral("more than about 8000 characters")),
                 qPrintable(read.error));
        return;
    }
    QVERIFY2(read.ok(), qPrintable(read.error));
    compareSheet(read.sheet, table);
}

void TestWorkbook::largeTable()
{
    const Table table = interfaceTable(5000, 11);
    const QString file = path(QStringLiteral("large.xls"));
    QElapsedTimer timer;
    timer.start();
    QString error;
    QVERIFY2(saveTable(table, file, true, &error), qPrintable(error));
    const qint64 saveMs = timer.restart();
    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    qInfo("5000 x 11: saved in %lld ms, read in %lld ms", saveMs, timer.elapsed());
    compareSheet(read.sheet, table);

    BiffRecordScan scan;
    QVERIFY(scan.load(file, &error));
    BiffSharedStringDump sst;
    QVERIFY2(decodeSharedStrings(scan.records(), &sst, &error), qPrintable(error));
    QVERIFY2(sst.continueRecords >= 100, qPrintable(QString::number(sst.continueRecords)));
    checkStructure(file, table);
}

void TestWorkbook::usedRange_data()
{
    QTest::addColumn<QList<QPoint>>("cells"); // (column, row) of each non-empty cell
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");

    QTest::newRow("no cells") << QList<QPoint>{} << 0 << 0;
    QTest::newRow("only A1") << QList<QPoint>{{0, 0}} << 1 << 1;
    QTest::newRow("only C5 counts from A1") << QList<QPoint>{{2, 4}} << 5 << 3;
    QTest::newRow("ragged rows") << QList<QPoint>{{0, 0}, {7, 1}, {2, 9}} << 10 << 8;
    QTest::newRow("last row of the format") << QList<QPoint>{{0, 65535}} << 65536 << 1;
    QTest::newRow("last column of the format") << QList<QPoint>{{255, 0}} << 1 << 256;
    // One far corner cell spans the whole grid; only the two values are kept.
    QTest::newRow("first and far corner cells") << QList<QPoint>{{0, 0}, {255, 65535}} << 65536 << 256;
}

void TestWorkbook::usedRange()
{
    QFETCH(QList<QPoint>, cells);
    QFETCH(int, rows);
    QFETCH(int, columns);
    WorkbookWriter writer;
    for (const QPoint &cell : cells)
        writer.setCell(cell.y(), cell.x(), QStringLiteral("R%1C%2").arg(cell.y()).arg(cell.x()));
    // A cleared cell beyond the others must not count.
    writer.setCell(rows + 3, columns + 3, QStringLiteral("gone"));
    writer.setCell(rows + 3, columns + 3, QString());
    const QString file = path(QStringLiteral("range.xls"));
    QString error;
    QVERIFY2(writer.save(file, &error), qPrintable(error));

    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.sheet.rowCount(), rows);
    QCOMPARE(read.sheet.columnCount(), columns);
    for (const QPoint &cell : cells)
        QCOMPARE(read.sheet.cell(cell.y(), cell.x()), writer.cell(cell.y(), cell.x()));
}

void TestWorkbook::readErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // "-" for no file at all
    QTest::addColumn<QString>("reason");

    QFile good(m_xlwtFile);
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray workbook = good.readAll();
    QString error;
    const QByteArray noWorkbook =
        CompoundDocument::build(QStringLiteral("WordDocument"), QByteArray(5000, 'w'), &error);
    QVERIFY2(!noWorkbook.isEmpty(), qPrintable(error));

    QTest::newRow("missing file") << "missing.xls" << QByteArray("-") << "does not exist";
    QTest::newRow("empty file") << "empty.xls" << QByteArray() << "empty";
    QTest::newRow("text file renamed .xls")
        << "text.xls" << QByteArray("Interface;Address\nGi0/1;10.0.0.1\n") << "not an Excel";
    QTest::newRow("compound document without workbook")
        << "word.xls" << noWorkbook << "no Excel workbook";
    QTest::newRow("truncated to the header") << "head.xls" << workbook.left(512) << "damaged or truncated";
    QTest::newRow("truncated in half") << "half.xls" << workbook.left(workbook.size() / 2)
                                    << "damaged or truncated";
    QTest::newRow("directory") << "." << QByteArray("-") << "not a file";
}

void TestWorkbook::readErrors()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString file = path(name);
    if (content != "-") {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    const QByteArray before = fileHash(file);
    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(file) && read.error.contains(reason), qPrintable(read.error));
    QVERIFY(read.sheet.isEmpty());
    QCOMPARE(fileHash(file), before);
}

// A file cut short at any point is refused; none reads as a shorter table.
void TestWorkbook::truncatedAnywhere()
{
    const QString whole = path(QStringLiteral("whole.xls"));
    QString error;
    QVERIFY2(saveTable(interfaceTable(300, 11), whole, true, &error), qPrintable(error));
    QFile in(whole);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const QString cut = path(QStringLiteral("cut.xls"));
    QStringList accepted;
    for (qsizetype size = 1; size < bytes.size(); size += 509) {
        QFile out(cut);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.left(size));
        out.close();
        const WorkbookReadResult read = readWorkbook(cut);
        if (read.ok())
            accepted << QString::number(size);
        else
            QVERIFY(read.sheet.isEmpty());
    }
    QVERIFY2(accepted.isEmpty(), qPrintable(QStringLiteral("of %1 bytes, accepted: ").arg(bytes.size())
                                            + accepted.join(u' ')));
}

void TestWorkbook::saveErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sheetName");
    QTest::addColumn<QString>("reason");

    const QString ok = QStringLiteral("ok");
    const QString sheet = QStringLiteral("Sheet1");
    QTest::newRow("missing folder") << "no/such/dir/t.xls" << 0 << 0 << ok << sheet << "";
    QTest::newRow("folder is a file") << "blocker/t.xls" << 0 << 0 << ok << sheet << "";
    QTest::newRow("path is a folder") << "folder" << 0 << 0 << ok << sheet << "";
    QTest::newRow("row past the format") << "kept.xls" << 65536 << 0 << ok << sheet << "row 65537";
    QTest::newRow("column past the format") << "kept.xls" << 0 << 256 << ok << sheet << "column 257";
    QTest::newRow("negative row") << "kept.xls" << -1 << 0 << ok << sheet << "negative";
    QTest::newRow("text too long")
        << "kept.xls" << 6 << 2 << QString(32768, u'x') << sheet << "cell C7 has 32768";
    QTest::newRow("sheet name with slash") << "kept.xls" << 0 << 0 << ok << "a/b" << "must not";
    QTest::newRow("sheet name too long") << "kept.xls" << 0 << 0 << ok << QString(32, u's') << "1 to 31";
}

void TestWorkbook::saveErrors()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, sheetName);
    QFETCH(QString, reason);

    QFile blocker(path(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    const QString kept = path(QStringLiteral("kept.xls"));
    QString error;
    QVERIFY2(saveTable({{"keep me"}}, kept, false, &error), qPrintable(error));
    const QByteArray keptHash = fileHash(kept);

    WorkbookWriter writer;
    writer.setSheetName(sheetName);
    writer.setCell(0, 0, QStringLiteral("first"));
    writer.setCell(row, column, text);
    const QString file = path(name);
    QVERIFY(!writer.save(file, &error));
    QVERIFY2(error.contains(file) && error.contains(reason), qPrintable(error));
    QCOMPARE(fileHash(kept), keptHash);
    QVERIFY(!QFileInfo(file).isFile() || file == kept);
}

void TestWorkbook::saveReplacesExistingFile()
{
    const QString file = path(QStringLiteral("replaced.xls"));
    QString error;
    QVERIFY2(saveTable(interfaceTable(50, 11), file, true, &error), qPrintable(error));
    const Table second{{"only", "this"}};
    QVERIFY2(saveTable(second, file, false, &error), qPrintable(error));
    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    compareSheet(read.sheet, second);
}

void TestWorkbook::readsXlwtWorkbook_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    QTest::newRow("text") << 1 << 0 << "Gi0/1";
    QTest::newRow("whole number") << 1 << 1 << "48";
    QTest::newRow("fraction") << 1 << 2 << "2.5";
    QTest::newRow("multi-line text") << 1 << 3 << "10.0.0.1\n10.0.0.2\n192.168.1.1";
    QTest::newRow("non-ASCII text") << 2 << 0 << "Коммутатор é €";
    QTest::newRow("large number without exponent") << 2 << 1 << "10000000000";
    QTest::newRow("negative number") << 2 << 2 << "-3";
    QTest::newRow("repeating fraction") << 2 << 3 << "0.333333333333333";
    QTest::newRow("true") << 3 << 0 << "TRUE";
    QTest::newRow("false") << 3 << 1 << "FALSE";
    QTest::newRow("date") << 3 << 2 << "45000";
    QTest::newRow("date and time") << 3 << 3 << "45000.5";
    QTest::newRow("empty cell") << 4 << 0 << "";
    QTest::newRow("1e15") << 4 << 1 << "1e+15";
    QTest::newRow("time of day") << 4 << 2 << "0.25";
    QTest::newRow("error") << 4 << 3 << "#DIV/0!";
}

void TestWorkbook::readsXlwtWorkbook()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    const WorkbookReadResult read = readWorkbook(m_xlwtFile);
    QVERIFY2(read.ok(), qPrintable(read.error));
    // The last values are in column D and row 5; the blank cell F7 and the
    // second sheet do not count.
    QCOMPARE(read.sheet.rowCount(), 5);
    QCOMPARE(read.sheet.columnCount(), 4);
    QCOMPARE(read.sheet.cell(row, column), text);
}

void TestWorkbook::xlrdReadsOurWorkbook_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<bool>("wrap");

    QTest::newRow("interface table, wrapped") << interfaceTable(40, 11) << true;
    QTest::newRow("gaps, not wrapped")
        << Table{{"a", "", "Коммутатор"}, {}, {"", "", "", "x\ny"}} << false;
    QTest::newRow("5000 x 11, wrapped") << interfaceTable(5000, 11) << true;
    QTest::newRow("strings across records")
        << Table{{QString(8211, u'a'), QString(9000, u'Ж'), QString::fromUtf8("😀").repeated(3000)},
                 {QString(32767, u'z'), QString(20000, u'x')}}
        << true;
}

void TestWorkbook::xlrdReadsOurWorkbook()
{
    QFETCH(Table, table);
    QFETCH(bool, wrap);
    const QString file = path(QStringLiteral("for-xlrd.xls"));
    QString error;
    QVERIFY2(saveTable(table, file, wrap, &error), qPrintable(error));

    QByteArray output;
    QVERIFY2(runScript(QStringLiteral("dump_xlrd.py"), {file}, &output, &error),
             qPrintable(error));
    const QJsonObject dump = QJsonDocument::fromJson(output).object();
    QCOMPARE(dump.value("log").toString(), QString());
    QCOMPARE(dump.value("sheets").toInt(), 1);
    QCOMPARE(dump.value("name").toString(), WorkbookWriter().sheetName());
    const auto [rows, columns] = usedSize(table);
    QCOMPARE(dump.value("nrows").toInt(), rows);
    QCOMPARE(dump.value("ncols").toInt(), columns);
    const QJsonArray cells = dump.value("cells").toArray();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const QString got = cells.at(r).toArray().at(c).toString();
            if (got != cellAt(table, r, c))
                QFAIL(qPrintable(QStringLiteral("xlrd cell (%1, %2): \"%3\"").arg(r).arg(c).arg(got)));
        }
    QCOMPARE(dump.value("wrapped").toArray(), QJsonArray{wrap});
}

namespace {

// Rows of cells from CSV text: comma-separated, double quotes around cells
// with commas, quotes or line feeds, doubled quotes inside them.
Table parseCsv(const QString &text)
{
    Table rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n') {
            row << cell;
            cell.clear();
            rows << row;
            row.clear();
        } else if (c != u'\r') {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

} // namespace

// LibreOffice Calc, where installed, reads the same cells. A workbook that
// xlwt wrote is converted alongside, so that a LibreOffice without Calc
// skips the test instead of failing it.
void TestWorkbook::libreOfficeReadsOurWorkbook()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    Table table = interfaceTable(40, 11);
    table[3][4] = QStringLiteral("quote \" and, comma");
    const QString file = path(QStringLiteral("for-calc.xls"));
    QString error;
    QVERIFY2(saveTable(table, file, true, &error), qPrintable(error));

    const QString out = path(QStringLiteral("calc-out"));
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + path(QStringLiteral("calc-profile")),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                            QStringLiteral("--outdir"), out, m_xlwtFile, file});
    if (!process.waitForFinished(100'000)) {
        process.kill();
        process.waitForFinished();
        QFAIL("LibreOffice did not finish");
    }
    if (!QFileInfo::exists(out + QStringLiteral("/xlwt.csv")))
        QSKIP("LibreOffice Calc is not installed");
    QFile csv(out + QStringLiteral("/for-calc.csv"));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(process.readAllStandardError()));
    const Table read = parseCsv(QString::fromUtf8(csv.readAll()));
    QCOMPARE(read.size(), table.size());
    for (int r = 0; r < table.size(); ++r)
        QCOMPARE(read[r], table[r]);
}

void TestWorkbook::fitsChecksWithoutWriting()
{
    WorkbookWriter writer;
    writer.setCell(10, 3, QStringLiteral("fits"));
    QString error;
    QVERIFY2(writer.fits(&error), qPrintable(error));
    writer.setCell(65536, 0, QStringLiteral("too far"));
    QVERIFY(!writer.fits(&error));
    QVERIFY2(error.contains(QStringLiteral("row 65537")), qPrintable(error));
    writer.setCell(65536, 0, QString());
    QVERIFY(writer.fits());
}

void TestWorkbook::formattedBlankCells_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("rows"); // of the formatted range
    QTest::addColumn<int>("columns");

    QTest::newRow("gaps inside the range") << Table{{"a", "", "c"}, {"", "e"}} << 4 << 3;
    QTest::newRow("values beyond the range") << Table{{"a"}, {"", "", "", "far"}} << 1 << 2;
    QTest::newRow("range over an empty table") << Table{} << 2 << 2;
}

// Blank cells of the formatted range carry the wrap format in the file;
// our reader's used range still ends at the last value.
void TestWorkbook::formattedBlankCells()
{
    QFETCH(Table, table);
    QFETCH(int, rows);
    QFETCH(int, columns);
    WorkbookWriter writer;
    writer.setWrapText(true);
    writer.setFormattedRange(rows, columns);
    for (int r = 0; r < table.size(); ++r)
        for (int c = 0; c < table[r].size(); ++c)
            writer.setCell(r, c, table[r][c]);
    const QString file = path(QStringLiteral("blanks.xls"));
    QString error;
    QVERIFY2(writer.save(file, &error), qPrintable(error));
    checkStructure(file, table);
    const WorkbookReadResult read = readWorkbook(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    compareSheet(read.sheet, table);

    QByteArray output;
    QVERIFY2(runScript(QStringLiteral("dump_xlrd.py"), {file}, &output, &error), qPrintable(error));
    const QJsonObject dump = QJsonDocument::fromJson(output).object();
    QCOMPARE(dump.value("log").toString(), QString());
    const auto [valueRows, valueColumns] = usedSize(table);
    QCOMPARE(dump.value("nrows").toInt(), qMax(rows, valueRows));
    QCOMPARE(dump.value("ncols").toInt(), qMax(columns, valueColumns));
    QCOMPARE(dump.value("wrapped").toArray(), QJsonArray{true});
    const QJsonArray cells = dump.value("cells").toArray();
    for (int r = 0; r < cells.size(); ++r)
        for (int c = 0; c < cells.at(r).toArray().size(); ++c)
            QCOMPARE(cells.at(r).toArray().at(c).toString(), cellAt(table, r, c));
}

QTEST_GUILESS_MAIN(TestWorkbook)
#include "test_workbook.moc"

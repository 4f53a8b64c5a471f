// Builds a sample workbook from its readable source at build time:
//     tnm-make-example SOURCE.tsv OUTPUT.xls
// The source holds one sheet row per line (see workbook/tabletext.h).
#include "platform/workbook/workbookwriter.h"
#include "workbook/tabletext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tnm-make-example SOURCE.tsv OUTPUT.xls\n");
        return 2;
    }
    const QString source = arguments.at(1);
    const QString output = arguments.at(2);

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tnm-make-example: cannot read %s: %s\n", qPrintable(source),
                     qPrintable(in.errorString()));
        return 1;
    }
    WorkbookWriter writer;
    writer.setSheetName(QStringLiteral("Interface Table"));
    QString error;
    if (!TableText::parse(QString::fromUtf8(in.readAll()), writer, &error)) {
        std::fprintf(stderr, "tnm-make-example: %s: %s\n", qPrintable(source), qPrintable(error));
        return 1;
    }
    if (!writer.save(output, &error)) {
        std::fprintf(stderr, "tnm-make-example: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

#include "workbook/tabletext.h"

#include "platform/workbook/workbookwriter.h"

#include <QStringList>

namespace TableText {

namespace {

// Decodes the escapes of one cell; false if one is unknown.
bool unescape(QStringView raw, QString *cell)
{
    cell->clear();
    cell->reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != u'\\') {
            cell->append(c);
            continue;
        }
        if (++i == raw.size())
            return false;
        switch (raw[i].unicode()) {
        case u'n':
            cell->append(u'\n');
            break;
        case u't':
            cell->append(u'\t');
            break;
        case u'\\':
            cell->append(u'\\');
            break;
        default:
            return false;
        }
    }
    return true;
}

} // namespace

bool parse(const QString &text, WorkbookWriter &writer, QString *error)
{
    QStringList lines = text.split(u'\n');
    // The line feed ending the last line starts no further row.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    int row = 0;
    QString cell;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#'))
            continue;
        int column = 0;
        for (QStringView raw : line.split(u'\t')) {
            if (!unescape(raw, &cell)) {
                if (error)
                    *error = QStringLiteral("line %1: unknown escape in \"%2\"")
                                 .arg(n + 1)
                                 .arg(raw.toString());
                return false;
            }
            writer.setCell(row, column++, cell);
        }
        ++row;
    }
    return true;
}

} // namespace TableText

#include "workbooktables.h"

#include "platform/workbook/workbookwriter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

Table interfaceTable(int rows, int columns)
{
    Table table;
    QStringList header;
    for (int c = 0; c < columns; ++c)
        header << QStringLiteral("Column %1").arg(c + 1);
    table << header;
    for (int r = 1; r < rows; ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            switch (c % 4) {
            case 0:
                row << QStringLiteral("Gi%1/0/%2").arg(r / 48).arg(r % 48);
                break;
            case 1:
                row << QStringLiteral("10.%1.%2.1\n10.%1.%2.2\nfe80::%3")
                           .arg(r / 256)
                           .arg(r % 256)
                           .arg(c);
                break;
            case 2:
                row << QStringLiteral("Bâtiment é € Коммутатор %1").arg(r);
                break;
            default:
                row << QString::number(r * columns + c);
                break;
            }
        }
        table << row;
    }
    return table;
}

QPair<int, int> usedSize(const Table &table)
{
    int rows = 0;
    int columns = 0;
    for (int r = 0; r < table.size(); ++r)
        for (int c = 0; c < table[r].size(); ++c)
            if (!table[r][c].isEmpty()) {
                rows = r + 1;
                columns = qMax(columns, c + 1);
            }
    return {rows, columns};
}

QString cellAt(const Table &table, int row, int column)
{
    return row < table.size() && column < table[row].size() ? table[row][column] : QString();
}

bool saveTable(const Table &table, const QString &path, bool wrap, QString *error)
{
    WorkbookWriter writer;
    writer.setWrapText(wrap);
    for (int r = 0; r < table.size(); ++r)
        for (int c = 0; c < table[r].size(); ++c)
            writer.setCell(r, c, table[r][c]);
    return writer.save(path, error);
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

bool runScript(const QString &script, const QStringList &arguments, QByteArray *output,
               QString *error)
{
    // A python3 found first on PATH (pyenv, a venv) may not see the Debian
    // packages, which are installed for the system interpreter.
    const QString python = QFile::exists(QStringLiteral("/usr/bin/python3"))
                               ? QStringLiteral("/usr/bin/python3")
                               : QStringLiteral("python3");
    QProcess process;
    process.start(python, QStringList{QStringLiteral(TNM_SOURCE_DIR "/tests/platform/workbook/")
                                      + script}
                              + arguments);
    if (!process.waitForFinished(60'000)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("%1 did not finish: %2").arg(script, process.errorString());
        return false;
    }
    *output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed (are python3-xlwt and python3-xlrd installed?):\n%2")
                     .arg(script, QString::fromUtf8(process.readAllStandardError()));
        return false;
    }
    return true;
}

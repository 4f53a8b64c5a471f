#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Tables as test_workbook writes and compares them: rows of cell texts.
using Table = QList<QStringList>;

// A table like the interface tables the program saves: a header row, then
// one row per interface with names, several addresses per cell joined by
// line feeds, and text in several scripts.
Table interfaceTable(int rows, int columns);

// Rows and columns up to the last non-empty cell, as the reader reports them.
QPair<int, int> usedSize(const Table &table);

// The text at (row, column), empty outside the table's ragged rows.
QString cellAt(const Table &table, int row, int column);

bool saveTable(const Table &table, const QString &path, bool wrap, QString *error);

// SHA-256 of a file's bytes, or "missing".
QByteArray fileHash(const QString &path);

// Runs a Python script beside the tests with the interpreter the Debian
// packages python3-xlwt / python3-xlrd install for; true if it exits 0,
// else the reason (with its stderr) in *error.
bool runScript(const QString &script, const QStringList &arguments, QByteArray *output,
               QString *error);

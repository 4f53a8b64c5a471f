#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// The data that travels between the configuration editor and an RTF file:
// plain text with "\n" line ends, coloured character ranges and one font.
// Kept free of QtGui so the core library can read and write RTF headless.

// An RGB colour as RTF's colour table stores it.
struct RtfColor final
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const RtfColor &, const RtfColor &) = default;
};

// A range of characters [start, start + length) drawn in one colour.
struct RtfColorRun final
{
    int start = 0;
    int length = 0;
    RtfColor color;

    friend bool operator==(const RtfColorRun &, const RtfColorRun &) = default;
};

// A whole document. Characters outside every run use the default colour
// (black on paper); an explicit colour, black included, is always a run.
struct RtfDocument final
{
    QString text;
    QList<RtfColorRun> colorRuns;
    QString fontFamily;
    qreal fontPointSize = 12.0;
};

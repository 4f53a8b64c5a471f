#pragma once

#include "platform/rtf/rtfdocument.h"

#include <QByteArray>

// Writes a document as RTF that word processors open and RtfReader reads
// back unchanged: one font, a colour table built from the runs, \cfN where
// the colour changes and \par after every line (the last one included, which
// RtfReader takes as the end of the document). Characters Windows-1252 has
// are written as \'hh, all others as \uN? with a '?' fallback.
class RtfWriter final
{
public:
    // Runs may overlap (a later run wins) and reach past the text (clipped).
    static QByteArray write(const RtfDocument &document);

private:
    static void appendEscaped(QByteArray &out, const QString &text, qsizetype from, qsizetype to);
};

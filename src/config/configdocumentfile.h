#pragma once

#include "platform/rtf/rtfdocument.h"

#include <QString>

// Reads and writes configuration documents: an RTF file is read as rich
// text (colours and font), any other file as plain text decoded by
// TextCodec; documents are always saved as RTF.
class ConfigDocumentFile final
{
public:
    struct Loaded final
    {
        RtfDocument document;
        bool rich = false;
        QString error; // empty when the file was read
    };

    static bool isRtf(const QByteArray &bytes);
    static Loaded load(const QString &path);
    static Loaded fromBytes(const QByteArray &bytes);
    // Writes the document as RTF under exactly this name; returns the error
    // text, empty on success.
    static QString save(const QString &path, const RtfDocument &document);
};

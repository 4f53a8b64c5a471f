#pragma once

#include <QByteArray>
#include <QString>

// Builds OLE2 compound documents, the container format of Excel 97-2003
// files, through libgsf.
class CompoundDocument final
{
public:
    // Returns a compound document holding the single stream streamName with
    // content, or an empty array and the reason in *error.
    static QByteArray build(const QString &streamName, const QByteArray &content,
                            QString *error);
};

#include "config/configdocumentfile.h"

#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"
#include "platform/rtf/textcodec.h"

#include <QFile>
#include <QSaveFile>

bool ConfigDocumentFile::isRtf(const QByteArray &bytes)
{
    // Word processors may put a byte-order mark or blanks before the group.
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    while (!view.isEmpty() && (view.front() == ' ' || view.front() == '\r' || view.front() == '\n'
                               || view.front() == '\t'))
        view = view.sliced(1);
    return view.startsWith("{\\rtf");
}

ConfigDocumentFile::Loaded ConfigDocumentFile::fromBytes(const QByteArray &bytes)
{
    Loaded loaded;
    if (isRtf(bytes)) {
        RtfReadResult result = RtfReader::read(bytes);
        loaded.rich = true;
        if (!result.ok()) {
            loaded.error = result.error;
            return loaded;
        }
        loaded.document = std::move(result.document);
        return loaded;
    }
    loaded.document.text = TextCodec::decode(bytes).text;
    return loaded;
}

ConfigDocumentFile::Loaded ConfigDocumentFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Loaded loaded;
        loaded.error = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return loaded;
    }
    Loaded loaded = fromBytes(file.readAll());
    if (!loaded.error.isEmpty())
        loaded.error = QStringLiteral("Cannot read \"%1\": %2").arg(path, loaded.error);
    return loaded;
}

QString ConfigDocumentFile::save(const QString &path, const RtfDocument &document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString());
    file.write(RtfWriter::write(document));
    if (!file.commit())
        return QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString());
    return QString();
}

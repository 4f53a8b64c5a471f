#include "platform/workbook/compounddocument.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <mutex>

namespace {

// Drops a GObject reference when the build ends, on every path.
template<typename T>
struct GObjectRef final
{
    T *object = nullptr;
    ~GObjectRef()
    {
        if (object)
            g_object_unref(object);
    }
};

QString outputError(GsfOutput *output, const char *what)
{
    const GError *err = gsf_output_error(output);
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        err ? QString::fromUtf8(err->message)
                                            : QStringLiteral("unknown error"));
}

} // namespace

QByteArray CompoundDocument::build(const QString &streamName, const QByteArray &content,
                                   QString *error)
{
    static std::once_flag gsfReady;
    std::call_once(gsfReady, [] { gsf_init(); });

    GObjectRef<GsfOutput> sink{gsf_output_memory_new()};
    GObjectRef<GsfOutfile> document{gsf_outfile_msole_new(sink.object)};
    if (!document.object) {
        *error = QStringLiteral("cannot create the compound document");
        return {};
    }
    const QByteArray name = streamName.toUtf8();
    GObjectRef<GsfOutput> stream{gsf_outfile_new_child(document.object, name.constData(), FALSE)};
    if (!stream.object) {
        *error = QStringLiteral("cannot create the \"%1\" stream").arg(streamName);
        return {};
    }
    if (!gsf_output_write(stream.object, gsize(content.size()),
                          reinterpret_cast<const guint8 *>(content.constData()))) {
        *error = outputError(stream.object, "cannot write the workbook stream");
        return {};
    }
    if (!gsf_output_close(stream.object)) {
        *error = outputError(stream.object, "cannot close the workbook stream");
        return {};
    }
    // Closing the document writes its header, directory and sector tables.
    if (!gsf_output_close(GSF_OUTPUT(document.object))) {
        *error = outputError(GSF_OUTPUT(document.object), "cannot finish the compound document");
        return {};
    }
    const gsf_off_t size = gsf_output_size(sink.object);
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.object));
    if (!bytes || size <= 0) {
        *error = QStringLiteral("the compound document came out empty");
        return {};
    }
    return QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size));
}

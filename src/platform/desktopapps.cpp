#include "platform/desktopapps.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace DesktopApps {

namespace {
std::function<bool(const QString &)> s_query;
std::function<bool(const QString &)> s_opener;

bool queryDesktop(const QString &mimeType)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The shell reports a missing handler when the file is opened.
    Q_UNUSED(mimeType);
    return true;
#else
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    QProcess process;
    process.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    // A local query; the bound only keeps a broken desktop set-up from
    // freezing the window.
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
           && !process.readAllStandardOutput().trimmed().isEmpty();
#endif
}
} // namespace

bool hasDefaultApplication(const QString &mimeType)
{
    return s_query ? s_query(mimeType) : queryDesktop(mimeType);
}

bool openFile(const QString &path)
{
    return s_opener ? s_opener(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setQueryForTesting(std::function<bool(const QString &)> query)
{
    s_query = std::move(query);
}

void setOpenerForTesting(std::function<bool(const QString &)> opener)
{
    s_opener = std::move(opener);
}

} // namespace DesktopApps

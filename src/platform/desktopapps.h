#pragma once

#include <QString>

#include <functional>

// The desktop's default applications: whether one is registered for a kind
// of file, and opening a file with it. Tests replace both so that nothing
// is started.
namespace DesktopApps {

// MIME type of Excel 97-2003 workbooks.
inline const QString ExcelMimeType = QStringLiteral("application/vnd.ms-excel");

// True when the desktop names a default application for mimeType (on Linux
// through "xdg-mime query default"; false when xdg-mime is missing).
bool hasDefaultApplication(const QString &mimeType);

// Opens the file with the desktop's default application; false if the
// desktop could not start one.
bool openFile(const QString &path);

// Test hooks: replace the query and the opening; an empty function restores
// the desktop's own.
void setQueryForTesting(std::function<bool(const QString &mimeType)> query);
void setOpenerForTesting(std::function<bool(const QString &path)> opener);

} // namespace DesktopApps

#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program's open and save file dialogs. Tests install a handler that
// answers in place of the modal dialog.
namespace FileDialogs {

enum class Kind { Open, Save };

// The chosen path, or empty when the user cancelled. Neither dialog adds
// an extension to what the user typed.
QString openFileName(QWidget *parent, const QString &title, const QString &filter);
QString saveFileName(QWidget *parent, const QString &title, const QString &filter);

// Test hook: answers every dialog instead of showing it; an empty function
// restores the real dialogs.
using Handler = std::function<QString(Kind kind, const QString &title, const QString &filter)>;
void setHandlerForTesting(Handler handler);

} // namespace FileDialogs

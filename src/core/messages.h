#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program goes through here, so that tests can
// read what would be shown instead of a modal box blocking them.
namespace Messages {

enum class Icon { None, Information, Warning, Critical };

// Shows a modal message box with an OK button (title defaults to the
// application's title).
void show(const QString &text, Icon icon = Icon::None, const QString &title = QString(),
          QWidget *parent = nullptr);

// Test hook: while recording, show() only records the text and returns.
void startRecording();
QStringList recorded();
void stopRecording();

} // namespace Messages

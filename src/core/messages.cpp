#include "core/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QMutex>

#include <cstdio>

namespace {
QMutex s_mutex;
bool s_recording = false;
QStringList s_recorded;
} // namespace

namespace Messages {

void show(const QString &text, Icon icon, const QString &title, QWidget *parent)
{
    {
        QMutexLocker lock(&s_mutex);
        if (s_recording) {
            s_recorded << text;
            return;
        }
    }
    // Tests that run the program as a separate process read its messages
    // from standard error instead of a box nobody can close.
    static const bool toStandardError = qEnvironmentVariableIsSet("TNM_TEST_MESSAGES");
    if (toStandardError) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void startRecording()
{
    QMutexLocker lock(&s_mutex);
    s_recording = true;
    s_recorded.clear();
}

QStringList recorded()
{
    QMutexLocker lock(&s_mutex);
    return s_recorded;
}

void stopRecording()
{
    QMutexLocker lock(&s_mutex);
    s_recording = false;
}

} // namespace Messages

#include "core/tnmapplication.h"

#include "core/messages.h"
#include "core/tnmicons.h"

#include <exception>

TnmApplication::TnmApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Talvex Network Management"));
    setWindowIcon(TnmIcons::application());
}

bool TnmApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Messages::show(QString::fromLocal8Bit(error.what()), Messages::Icon::Critical,
                       QStringLiteral("Talvex Network Management"));
    } catch (...) {
        Messages::show(QStringLiteral("An unexpected error ended the command."), Messages::Icon::Critical,
                       QStringLiteral("Talvex Network Management"));
    }
    return false;
}

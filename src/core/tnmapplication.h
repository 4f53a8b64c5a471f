#pragma once

#include <QApplication>

// The application object. It is the one central place where an exception
// that escapes a command ends that command: the error is shown and the
// program carries on.
class TnmApplication final : public QApplication
{
    Q_OBJECT

public:
    TnmApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

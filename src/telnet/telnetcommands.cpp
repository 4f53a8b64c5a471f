#include "telnet/telnetcommands.h"

#include "core/session.h"
#include "core/tmainform.h"
#include "telnet/ttelnetdevform.h"
#include "telnet/ttelnetform.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

void installTelnetCommands(TMainForm &main)
{
    auto *dialog = new TTelnetDevForm(&main);
    QObject::connect(dialog, &TTelnetDevForm::openRequested, &main, [&main] { openTelnetWindow(main); });
    // Modal, but without a nested event loop: the command returns at once.
    QObject::connect(main.action(QStringLiteral("Telnet to a Device")), &QAction::triggered, dialog,
                     [dialog] {
                         dialog->setWindowModality(Qt::ApplicationModal);
                         dialog->show();
                         dialog->activateWindow();
                     });
}

TTelnetForm *openTelnetWindow(TMainForm &main)
{
    auto *form = new TTelnetForm;
    QMdiSubWindow *window = main.mdiArea()->addSubWindow(form);
    main.placeChild(window, window->sizeHint());
    session().telnetForm = form;
    session().activeTelForm = form;
    // Showing the window starts its connection.
    form->show();
    window->show();
    return form;
}

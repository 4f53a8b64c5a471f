#include "config/configwindows.h"

#include "config/configcommands.h"
#include "config/tconfigfrm.h"
#include "core/session.h"
#include "core/tmainform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>

#include <algorithm>
#include <QTextEdit>

TConfigFrm *createConfigWindow(TMainForm &main)
{
    auto *frm = new TConfigFrm;
    QMdiSubWindow *window = main.mdiArea()->addSubWindow(frm);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A click on the window's frame makes it the active one too.
    window->installEventFilter(frm);
    const QSize area = main.mdiArea()->viewport()->size();
    main.placeChild(window, QSize(std::max(frm->width(), area.width() * 3 / 5),
                                  std::max(frm->height(), area.height() * 7 / 10)));
    // The menus follow the active analysis window.
    auto update = [&main] {
        main.updateMenus();
        if (ConfigCommands *commands = configCommands(main))
            commands->updateEnabling();
    };
    QObject::connect(frm, &TConfigFrm::activated, &main, update);
    QTextEdit *editor = frm->myConf();
    QObject::connect(editor, &QTextEdit::undoAvailable, &main, update);
    QObject::connect(editor, &QTextEdit::redoAvailable, &main, update);
    QObject::connect(editor, &QTextEdit::copyAvailable, &main, update);
    session().configFrm = frm;
    frm->show();
    window->show();
    return frm;
}

void runAnalysisPasses(TConfigFrm &frm)
{
    frm.highlightSections();
    frm.buildSectionTree();
}

void finishConfigWindow(TConfigFrm &frm)
{
    frm.moveCaretToStart();
    session().activeConfigFrm = &frm;
    Q_EMIT frm.activated();
}

TConfigFrm *openConfigWindow(TMainForm &main, const QString &text)
{
    TConfigFrm *frm = createConfigWindow(main);
    frm->loadText(text);
    runAnalysisPasses(*frm);
    finishConfigWindow(*frm);
    return frm;
}

// Talvex Network Management: application start.
#include "config/configcommands.h"
#include "connect/tsnmpoptform.h"
#include "core/messages.h"
#include "core/taboutbox.h"
#include "core/tmainform.h"
#include "core/tnmapplication.h"
#include "platform/singleinstance.h"
#include "telnet/telnetcommands.h"
#include "workbook/samplecommands.h"
#include "workbook/workbookcommands.h"

int main(int argc, char **argv)
{
    TnmApplication app(argc, argv);

    // One copy at a time; the lock lasts until this process ends.
    SingleInstance instance(QStringLiteral("RunOnlyOneInstance"));
    if (!instance.acquire()) {
        Messages::show(QStringLiteral("Talvex Network Management has already run!"));
        return 0;
    }

    // The long-lived windows, in their fixed order; all but the main
    // window stay hidden until called.
    auto *mainForm = new TMainForm;
    auto *aboutBox = new TAboutBox(mainForm);
    auto *snmpOptForm = new TSnmpOptForm(mainForm);
    mainForm->setAboutBox(aboutBox);
    mainForm->setConnectDialog(snmpOptForm);
    installConfigCommands(*mainForm);
    installTelnetCommands(*mainForm);
    installWorkbookCommands(*mainForm);
    installSampleCommands(*mainForm);
    mainForm->setAttribute(Qt::WA_DeleteOnClose);
    mainForm->showMaximized();
    return app.exec();
}

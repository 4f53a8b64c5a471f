#include "workbook/samplecommands.h"

#include "config/configwindows.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "platform/rtf/textcodec.h"
#include "platform/workbook/workbook.h"
#include "workbook/iftableworkbook.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <exception>

namespace {

QString s_testDirectory;

struct SampleFiles final
{
    const char *workbook;
    const char *configuration;
    const char *osType;
};

SampleFiles filesOf(SampleCommands::Sample sample)
{
    if (sample == SampleCommands::Sample::Ios)
        return {"Cisco_IOS_Interface_Table_Example.xls", "Cisco_IOS_Configuration_Example.txt", "IOS"};
    return {"Cisco_CATOS_Interface_Table_Example.xls", "Cisco_CATOS_Configuration_Example.txt",
            "CATOS"};
}

QString samplePath(const char *name)
{
    return QDir::toNativeSeparators(SampleCommands::directory() + QLatin1Char('/')
                                    + QLatin1String(name));
}

} // namespace

SampleCommands::SampleCommands(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("SampleCommands"));
}

QString SampleCommands::directory()
{
    if (!s_testDirectory.isEmpty())
        return s_testDirectory;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Example");
}

void SampleCommands::setDirectoryForTesting(const QString &path)
{
    s_testDirectory = path;
}

void SampleCommands::openSample(Sample sample)
{
    const SampleFiles files = filesOf(sample);
    const auto failed = [this] {
        Messages::show(QStringLiteral("Sample file error or not exists."), Messages::Icon::None,
                       QString(), &m_main);
    };
    Session &s = session();
    try {
        const QString workbookPath = samplePath(files.workbook);
        const WorkbookReadResult read = readWorkbook(workbookPath);
        if (!read.ok())
            return failed();
        IfTableWorkbook::SheetTable table = sample == Sample::Catos
                                                ? IfTableWorkbook::catosTableFromSheet(read.sheet)
                                                : IfTableWorkbook::tableFromSheet(read.sheet);
        s.ifTable = std::move(table.table);
        s.ifCount = table.rows;
        s.devSysName = workbookPath;
        s.showNbr = true;
        if (sample == Sample::Catos)
            s.devClass = DeviceClass::Router;
        TIfTableForm *form = m_main.createIfTableForm();
        s.ifTableForm = form;
        s.activeIfTable = form;

        const QString configurationPath = samplePath(files.configuration);
        s.devSysName = configurationPath;
        s.devVendor = QStringLiteral("Cisco");
        s.devOsType = QLatin1String(files.osType);
        // The text is read before the analysis window is made, so a missing
        // file leaves no empty window behind.
        QFile file(configurationPath);
        if (!file.open(QIODevice::ReadOnly))
            return failed();
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return failed();
        // Decoded as a configuration document is: byte-order marks honoured,
        // UTF-8 when valid, else Windows-1252.
        const QString text = TextCodec::decode(bytes).text;
        if (!openConfigWindow(m_main, text))
            return failed();
    } catch (const std::exception &) {
        failed();
    }
}

void installSampleCommands(TMainForm &main)
{
    auto *commands = new SampleCommands(main);
    QObject::connect(main.action(QStringLiteral("Cisco IOS")), &QAction::triggered, commands,
                     [commands] { commands->openSample(SampleCommands::Sample::Ios); });
    QObject::connect(main.action(QStringLiteral("Cisco CATOS")), &QAction::triggered, commands,
                     [commands] { commands->openSample(SampleCommands::Sample::Catos); });
}

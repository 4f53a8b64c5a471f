#include "core/tmainform.h"

#include "connect/iffinddialog.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "snmp/connectionevents.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {
const char *const HelpFileName = "Talvex Network Management.html";
const char *const HomePage = "https://www.example.com/talvex-network-management/";

// Status panel 1: draws nothing itself; its rectangle is recorded each time
// it is drawn, for the progress bar laid over it.
class ProgressPanel final : public QWidget
{
public:
    explicit ProgressPanel(std::function<void(QRect)> drawn) : m_drawn(std::move(drawn))
    {
        setFixedWidth(400);
    }

protected:
    void paintEvent(QPaintEvent *) override { m_drawn(geometry()); }

private:
    std::function<void(QRect)> m_drawn;
};
} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Talvex Network Management v1.0.1"));
    m_mdi = new QMdiArea(this);
    m_mdi->setAccessibleName(QStringLiteral("Workspace"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_confTimer = new QTimer(this);
    m_confTimer->setInterval(1000);
    m_findDialog = new IfFindDialog(this);
    connect(m_findDialog, &IfFindDialog::findNext, this, &TMainForm::findInInterfaceTable);

    buildMenus();
    buildToolBar();
    buildStatusBar();
    connect(&ConnectionEvents::instance(), &ConnectionEvents::progressStep, this,
            &TMainForm::stepProgress);
    session().mainForm = this;
}

TMainForm::~TMainForm()
{
    // Teardown: the shared arrays are emptied with the main window.
    session().teardown();
}

QAction *TMainForm::addCommand(QMenu *menu, const QString &caption, const QString &hint,
                               const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(caption);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    action->setStatusTip(hint);
    return action;
}

QAction *TMainForm::action(const QString &caption) const
{
    for (QAction *a : findChildren<QAction *>()) {
        if (a->text() == caption && a->objectName() == caption)
            return a;
    }
    return nullptr;
}

QMenu *TMainForm::menu(const QString &caption) const
{
    for (QAction *a : menuBar()->actions()) {
        if (a->text() == caption)
            return a->menu();
    }
    return nullptr;
}

void TMainForm::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, "&Open Interface Table", "Open a table", QKeySequence("Ctrl+O"));
    QAction *close = addCommand(file, "&Close Interface Table", "Close the current interface table");
    connect(close, &QAction::triggered, this, [this] {
        if (TIfTableForm *table = activeTable())
            table->close();
    });
    addCommand(file, "&Save Current Interface Table", "Save current table", QKeySequence("Ctrl+S"));
    addCommand(file, "Save Current Interface Table &As...", "Save current table as");
    file->addSeparator();
    addCommand(file, "Ope&n Configuration Document", "Open configuration document",
               QKeySequence("Ctrl+N"));
    addCommand(file, "Sa&ve Current Configuration Document As...",
               "Save current configuration document as");
    addCommand(file, "&Print Current Configuration Document", "Print configuration document",
               QKeySequence("Ctrl+P"));
    addCommand(file, "Print Setup", "Set up the printer");
    file->addSeparator();
    connect(addCommand(file, "E&xit", "Exit the program"), &QAction::triggered, this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &TMainForm::updateMenus);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addCommand(edit, "&Undo", "Undo", QKeySequence("Ctrl+Z"));
    addCommand(edit, "&Redo", "Redo", QKeySequence("Ctrl+Y"));
    edit->addSeparator();
    connect(addCommand(edit, "Cu&t", "Cut", QKeySequence("Ctrl+X")), &QAction::triggered, this,
            [this] { editCommand("cut"); });
    connect(addCommand(edit, "&Copy", "Copy", QKeySequence("Ctrl+C")), &QAction::triggered, this,
            [this] { editCommand("copy"); });
    connect(addCommand(edit, "&Paste", "Paste", QKeySequence("Ctrl+V")), &QAction::triggered, this,
            [this] { editCommand("paste"); });
    edit->addSeparator();
    addCommand(edit, "&Delete", "Delete", QKeySequence("Ctrl+D"));
    addCommand(edit, "&Select All", "Select all");
    edit->addSeparator();
    addCommand(edit, "&Find...", "Find", QKeySequence("Ctrl+F"));
    addCommand(edit, "R&eplace", "Replace", QKeySequence("Ctrl+R"));
    addCommand(edit, "Set F&onts...", "Set fonts", QKeySequence("Ctrl+Alt+S"));
    edit->addSeparator();
    connect(addCommand(edit, "Search &Interface Table", "Search a interface table", QKeySequence("Ctrl+I")),
            &QAction::triggered, this, &TMainForm::searchInterfaceTable);
    connect(edit, &QMenu::aboutToShow, this, &TMainForm::updateMenus);

    QMenu *analysis = menuBar()->addMenu(QStringLiteral("&Analysis"));
    connect(addCommand(analysis, "&Configuration and Interface Table Analysis",
                       "Configuration and interface table analysis"),
            &QAction::triggered, this, [this] {
                if (m_connectDialog)
                    QMetaObject::invokeMethod(m_connectDialog, "exec", Qt::QueuedConnection);
            });
    addCommand(analysis, "&Display Topology", "Display topology");
    addCommand(analysis, "&Graphical Tracing", "Graphical tracing");
    analysis->addSeparator();
    addCommand(analysis, "Telnet to a Device", "Telnet to a device");
    addCommand(analysis, "&Export to EXCEL", "Export to excel");
    connect(analysis, &QMenu::aboutToShow, this, &TMainForm::updateMenus);

    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(addCommand(m_windowMenu, "&Cascade", "Cascade"), &QAction::triggered, m_mdi,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand(m_windowMenu, "Tile &Horizontally", "Tile horizontally"), &QAction::triggered,
            this, [this] { tile(Qt::Horizontal); });
    connect(addCommand(m_windowMenu, "Tile &Vertically", "Tile vertically"), &QAction::triggered,
            this, [this] { tile(Qt::Vertical); });
    connect(addCommand(m_windowMenu, "&Minimize All", "Minimize all"), &QAction::triggered, this, [this] {
        for (QMdiSubWindow *w : m_mdi->subWindowList())
            w->showMinimized();
    });
    connect(addCommand(m_windowMenu, "&Arrange All", "Arrange all"), &QAction::triggered, m_mdi,
            &QMdiArea::tileSubWindows);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::fillWindowMenu);

    QMenu *sample = menuBar()->addMenu(QStringLiteral("&Sample"));
    addCommand(sample, "Cisco IOS", "Cisco IOS sample");
    addCommand(sample, "Cisco CATOS", "Cisco CATOS sample");

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(addCommand(help, "&Contents", "Help contents", QKeySequence("F1")), &QAction::triggered,
            this, &TMainForm::openHelp);
    help->addSeparator();
    connect(addCommand(help, "&Tutorials", "Tutorials"), &QAction::triggered, this, &TMainForm::openHelp);
    connect(addCommand(help, "&Feedback and Support", "Feedback and support"), &QAction::triggered,
            this, &TMainForm::openHelp);
    connect(addCommand(help, "&TNM Homepage", "TNM homepage"), &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePage))); });
    help->addSeparator();
    connect(addCommand(help, "&About Talvex Network Management", "About Talvex Network Management"),
            &QAction::triggered, this, [this] {
                if (m_aboutBox)
                    QMetaObject::invokeMethod(m_aboutBox, "exec", Qt::QueuedConnection);
            });
}

void TMainForm::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    // Buttons run the menu commands but keep their own enabled state: the
    // menu rules do not touch them, and each command checks what it needs.
    auto button = [this, bar](const QString &caption, const QString &hint, const QString &text) {
        QAction *command = action(caption);
        QAction *b = bar->addAction(text);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setObjectName(QStringLiteral("button:") + hint);
        connect(b, &QAction::triggered, this, [command] {
            // Run the command even while its menu item is disabled.
            const bool enabled = command->isEnabled();
            command->setEnabled(true);
            command->trigger();
            command->setEnabled(enabled);
        });
        return b;
    };
    button("&Open Interface Table", "Open a table", "Open");
    m_saveButton = button("&Save Current Interface Table", "Save current table", "Save");
    button("Save Current Interface Table &As...", "Save current table as", "Save As");
    bar->addSeparator();
    button("Ope&n Configuration Document", "Open configuration document", "Open Doc");
    button("Sa&ve Current Configuration Document As...", "Save current configuration document as", "Save Doc");
    button("&Print Current Configuration Document", "Print configuration document", "Print");
    bar->addSeparator();
    button("&Configuration and Interface Table Analysis", "Configuration and interface table analysis", "Connect");
    button("&Export to EXCEL", "Export to excel", "Excel");
    button("&Display Topology", "Display topology", "Topology");
    button("&Graphical Tracing", "Graphical tracing", "Trace");
    button("Telnet to a Device", "Telnet to a device", "Telnet");
    bar->addSeparator();
    button("Cu&t", "Cut", "Cut");
    button("&Copy", "Copy", "Copy");
    button("&Paste", "Paste", "Paste");
    button("&Find...", "Find", "Find");
    button("R&eplace", "Replace", "Replace");
    button("Search &Interface Table", "Search a interface table", "Search");
    bar->addSeparator();
    button("&Cascade", "Cascade", "Cascade");
    button("Tile &Horizontally", "Tile horizontally", "Tile H");
    button("Tile &Vertically", "Tile vertically", "Tile V");
}

void TMainForm::buildStatusBar()
{
    m_statusPanel = new QLabel(this);
    m_statusPanel->setFixedWidth(300);
    m_statusPanel->setAccessibleName(QStringLiteral("Status"));
    m_progressPanel = new ProgressPanel([this](QRect rect) { m_panelRect = rect; });
    m_progressPanel->setAccessibleName(QStringLiteral("Progress"));
    statusBar()->addWidget(m_statusPanel);
    statusBar()->addWidget(m_progressPanel);
    statusBar()->setSizeGripEnabled(true);
    setStatusText(QStringLiteral("Ready for connection"));
}

void TMainForm::setStatusText(const QString &text)
{
    m_statusText = text;
    m_statusPanel->setText(text);
}

QString TMainForm::statusText() const
{
    return m_statusText;
}

void TMainForm::setProgressBar(QProgressBar *bar)
{
    if (m_progressBar && m_progressBar != bar)
        m_progressBar->hide();
    m_progressBar = bar;
}

void TMainForm::stepProgress()
{
    if (m_progressBar)
        m_progressBar->setValue(std::min(m_progressBar->value() + 40, m_progressBar->maximum()));
}

bool TMainForm::event(QEvent *event)
{
    // The long hint of the item under the mouse goes to panel 0; when the
    // mouse leaves, the panel shows the connection's state again.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        m_statusPanel->setText(tip.isEmpty() ? m_statusText : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent *event)
{
    session().activeIfTable = nullptr;
    session().activeConfigFrm = nullptr;
    QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    m_mdi->closeAllSubWindows();
    QMainWindow::closeEvent(event);
}

TIfTableForm *TMainForm::activeTable() const
{
    return qobject_cast<TIfTableForm *>(session().activeIfTable.data());
}

void TMainForm::updateMenus()
{
    const Session &s = session();
    const bool table = activeTable() != nullptr;
    const bool config = s.activeConfigFrm != nullptr;
    action("&Close Interface Table")->setEnabled(table);
    action("Save Current Interface Table &As...")->setEnabled(table);
    action("&Save Current Interface Table")->setEnabled(table && !s.ifTableFile.isEmpty());
    action("Sa&ve Current Configuration Document As...")->setEnabled(config);
    action("&Print Current Configuration Document")->setEnabled(config);
    // The editor commands follow the configuration window, built later.
    action("&Undo")->setEnabled(false);
    action("&Redo")->setEnabled(false);
    action("&Delete")->setEnabled(false);
    for (const char *caption : {"&Select All", "&Find...", "R&eplace", "Set F&onts..."})
        action(caption)->setEnabled(config);
    action("Search &Interface Table")->setEnabled(table);
    action("&Display Topology")->setEnabled(table);
    action("&Export to EXCEL")->setEnabled(table);
}

TIfTableForm *TMainForm::createIfTableForm()
{
    auto *form = new TIfTableForm;
    // The form makes its frame delete itself on close when it is adopted.
    QMdiSubWindow *window = m_mdi->addSubWindow(form);
    connect(form, &TIfTableForm::saveEnablingRequested, this, [this] {
        action("&Save Current Interface Table")->setEnabled(true);
        m_saveButton->setEnabled(true);
    });
    placeChild(window, m_mdi->viewport()->size() * 0.8);
    form->show();
    window->show();
    return form;
}

void TMainForm::placeChild(QMdiSubWindow *window, const QSize &preferred)
{
    constexpr int Step = 28;
    const QSize area = m_mdi->viewport()->size();
    const QSize size = preferred.boundedTo(area);
    window->resize(size);
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int steps = room >= Step ? room / Step + 1 : 1;
    const int offset = Step * (m_placedChildren++ % std::min(steps, 8));
    window->move(offset, offset);
}

void TMainForm::fillWindowMenu()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_windowMenu->addSeparator();
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QAction *a = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
        a->setCheckable(true);
        a->setChecked(window == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, window] { m_mdi->setActiveSubWindow(window); });
        m_windowListActions << a;
    }
}

// Stacks the children top to bottom (horizontal tiles) or side by side.
void TMainForm::tile(Qt::Orientation orientation)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (!w->isMinimized())
            windows << w;
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (orientation == Qt::Horizontal) {
            const int h = area.height() / n;
            windows[i]->setGeometry(0, i * h, area.width(), h);
        } else {
            const int w = area.width() / n;
            windows[i]->setGeometry(i * w, 0, w, area.height());
        }
    }
}

void TMainForm::openHelp()
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(HelpFileName);
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Messages::show(QStringLiteral("Help file error or not exists."), Messages::Icon::None, QString(), this);
}

void TMainForm::searchInterfaceTable()
{
    TIfTableForm *table = activeTable();
    if (!table)
        return;
    table->startSearch();
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void TMainForm::findInInterfaceTable(const QString &text)
{
    if (TIfTableForm *table = activeTable())
        table->findNext(text);
}

// Clipboard commands act on the focused edit control, if it has them.
void TMainForm::editCommand(const char *slot)
{
    if (QWidget *focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

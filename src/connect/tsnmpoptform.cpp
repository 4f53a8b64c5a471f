#include "connect/tsnmpoptform.h"

#include "connect/connectaction.h"
#include "connect/tiftableform.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"
#include "snmp/snmp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const CommunityHint = "(Enter community string here)";
const char *const AddressHint = "(Enter management ip here)";
} // namespace

TSnmpOptForm::TSnmpOptForm(TMainForm *mainForm) : QDialog(mainForm), m_mainForm(mainForm)
{
    setWindowTitle(QStringLiteral("Configuration and Interface Table Analysis"));
    setModal(true);

    m_comList = new QListWidget;
    m_comList->setFocusPolicy(Qt::NoFocus);
    m_comList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_comIpt = new QLineEdit(QString::fromLatin1(CommunityHint));
    m_addStr = new QPushButton(QStringLiteral("&Add"));
    m_clearStr = new QPushButton(QStringLiteral("&Clear"));
    m_vdBox = new QComboBox;
    m_vdBox->addItems({QStringLiteral("General Device (default)"), QStringLiteral("Cisco")});
    m_verBox = new QComboBox;
    m_verBox->addItems({QStringLiteral("V1 (default)"), QStringLiteral("V2")});
    m_ipIpt = new QLineEdit(QString::fromLatin1(AddressHint));
    m_optOk = new QPushButton(QStringLiteral("Co&nnect"));
    m_optCancel = new QPushButton(QStringLiteral("Cance&l"));
    m_nbCheck = new QCheckBox(QStringLiteral("Show Neighbor Information"));
    auto *note = new QLabel(
        QStringLiteral("(Notification: Selecting this option may take several minutes to be done.)"));
    note->setWordWrap(true);
    m_myTimer = new QTimer(this);
    m_myTimer->setInterval(1000);

    // Enter is handled by the edit boxes themselves, never by a default button.
    for (QPushButton *button : {m_addStr, m_clearStr, m_optOk, m_optCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    m_comIpt->installEventFilter(this);
    m_ipIpt->installEventFilter(this);

    auto label = [](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text);
        l->setBuddy(buddy);
        buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        return l;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(label(QStringLiteral("String List:"), m_comList), 0, 0, Qt::AlignTop);
    grid->addWidget(m_comList, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Community String:"), m_comIpt), 1, 0);
    grid->addWidget(m_comIpt, 1, 1);
    grid->addWidget(m_addStr, 1, 2);
    grid->addWidget(m_clearStr, 1, 3);
    grid->addWidget(label(QStringLiteral("Vendor:"), m_vdBox), 2, 0);
    grid->addWidget(m_vdBox, 2, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Snmp Version:"), m_verBox), 3, 0);
    grid->addWidget(m_verBox, 3, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Ip Address:"), m_ipIpt), 4, 0);
    grid->addWidget(m_ipIpt, 4, 1, 1, 3);
    grid->addWidget(m_nbCheck, 5, 1, 1, 3);
    grid->addWidget(note, 6, 1, 1, 3);
    m_comList->setMinimumHeight(90);
    m_comIpt->setMinimumWidth(260);
    m_nbCheck->setAccessibleName(m_nbCheck->text());
    m_addStr->setAccessibleName(QStringLiteral("Add"));
    m_clearStr->setAccessibleName(QStringLiteral("Clear"));
    m_optOk->setAccessibleName(QStringLiteral("Connect"));
    m_optCancel->setAccessibleName(QStringLiteral("Cancel"));
    m_comList->setAccessibleName(QStringLiteral("String List:"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_optOk);
    buttons->addWidget(m_optCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    setTabOrder(m_comIpt, m_addStr);
    setTabOrder(m_addStr, m_clearStr);
    setTabOrder(m_clearStr, m_vdBox);
    setTabOrder(m_vdBox, m_verBox);
    setTabOrder(m_verBox, m_ipIpt);
    setTabOrder(m_ipIpt, m_optOk);
    setTabOrder(m_optOk, m_optCancel);
    setTabOrder(m_optCancel, m_nbCheck);

    connect(m_addStr, &QPushButton::clicked, this, &TSnmpOptForm::addStrClick);
    connect(m_clearStr, &QPushButton::clicked, m_comIpt, &QLineEdit::clear);
    connect(m_comIpt, &QLineEdit::returnPressed, this, &TSnmpOptForm::addStrClick);
    connect(m_ipIpt, &QLineEdit::returnPressed, this, [this] {
        if (!m_comIpt->text().isEmpty())
            optOkClick();
    });
    connect(m_comList, &QListWidget::itemDoubleClicked, this, [this] { qDeleteAll(m_comList->selectedItems()); });
    connect(m_optOk, &QPushButton::clicked, this, &TSnmpOptForm::optOkClick);
    connect(m_optCancel, &QPushButton::clicked, this, &TSnmpOptForm::optCancelClick);
    connect(m_myTimer, &QTimer::timeout, this, &TSnmpOptForm::myTimerTimer);
    session().snmpOptForm = this;
}

bool TSnmpOptForm::eventFilter(QObject *watched, QEvent *event)
{
    // Both edit boxes empty themselves whenever they receive the focus.
    if (event->type() == QEvent::FocusIn && (watched == m_comIpt || watched == m_ipIpt))
        static_cast<QLineEdit *>(watched)->clear();
    return QDialog::eventFilter(watched, event);
}

void TSnmpOptForm::addStrClick()
{
    if (!m_comIpt->text().isEmpty())
        m_comList->addItem(m_comIpt->text());
}

void TSnmpOptForm::optOkClick()
{
    ConnectRequest request;
    request.generalVendor = m_vdBox->currentIndex() == 0;
    request.versionOne = m_verBox->currentIndex() == 0;
    request.address = m_ipIpt->text();
    request.showNeighbours = m_nbCheck->isChecked();
    for (int i = 0; i < m_comList->count(); ++i)
        request.communities << m_comList->item(i)->text();

    switch (ConnectAction::begin(request)) {
    case ConnectCheck::EmptyCommunityList:
        Messages::show(QStringLiteral("Community string null or error!"), Messages::Icon::None, QString(), this);
        return;
    case ConnectCheck::EmptyAddress:
        Messages::show(QStringLiteral("Ip address null or error!"), Messages::Icon::None, QString(), this);
        return;
    case ConnectCheck::Ready:
        break;
    }
    const QString address = session().mgmtIp;
    if (!ConnectAction::needsLookup(address)) {
        continueConnect(ConnectAction::parseAddress(address), request.communities);
        return;
    }
    // A host name is looked up on a worker so that the window stays
    // responsive; the connection goes on when the answer is back.
    m_optOk->setEnabled(false);
    QPointer<TSnmpOptForm> self(this);
    QThread *lookup = QThread::create([self, address, communities = request.communities] {
        const UdpAddress parsed = ConnectAction::parseAddress(address);
        QMetaObject::invokeMethod(qApp, [self, parsed, communities] {
            if (!self)
                return;
            self->m_optOk->setEnabled(true);
            self->continueConnect(parsed, communities);
        }, Qt::QueuedConnection);
    });
    connect(lookup, &QThread::finished, lookup, &QObject::deleteLater);
    lookup->start();
}

void TSnmpOptForm::continueConnect(const UdpAddress &address, const QStringList &communities)
{
    if (ConnectAction::launch(address, communities) == ConnectOutcome::InvalidAddress) {
        Messages::show(QStringLiteral("Ip Address error or invalid!"), Messages::Icon::None, QString(), this);
        return;
    }
    m_myTimer->start();
    m_mainForm->confTimer()->start();
    session().configFrm = nullptr;
    close();
    QApplication::restoreOverrideCursor();
    m_mainForm->setStatusText(QStringLiteral("Connecting"));

    auto *bar = new QProgressBar(this);
    bar->setParent(m_mainForm->statusBar());
    const QRect panel = m_mainForm->progressPanelRect().isNull()
        ? m_mainForm->progressPanel()->geometry()
        : m_mainForm->progressPanelRect();
    bar->setGeometry(panel);
    bar->setRange(0, 400);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setAccessibleName(QStringLiteral("Connection progress"));
    m_mainForm->setProgressBar(bar);
    bar->show();
    m_mainForm->stepProgress();
}

void TSnmpOptForm::optCancelClick()
{
    m_comList->clear();
    m_comIpt->setText(QString::fromLatin1(CommunityHint));
    m_vdBox->setCurrentIndex(0);
    m_verBox->setCurrentIndex(0);
    m_ipIpt->setText(QString::fromLatin1(AddressHint));
    m_nbCheck->setChecked(false);
    close();
}

void TSnmpOptForm::myTimerTimer()
{
    Session &s = session();
    QProgressBar *bar = m_mainForm->progressBar();
    if (s.snmpErr != 0) {
        m_myTimer->stop();
        m_mainForm->confTimer()->stop();
        Messages::show(QStringLiteral("SNMP connection error!Please check the community strings and local "
                                      "network connectivity."),
                       Messages::Icon::Warning, QStringLiteral("Talvex Network Management"), m_mainForm);
        if (bar)
            bar->setValue(0);
        m_mainForm->setStatusText(QStringLiteral("Ready"));
    }
    if (!s.ifTableFilled)
        return;
    if (s.showNbr) {
        // Neighbour discovery comes with its own worker; until it exists
        // the table is shown at once.
    }
    m_mainForm->stepProgress();
    m_mainForm->confTimer()->start();
    s.ifTableForm = m_mainForm->createIfTableForm();
    if (s.devVendor != QLatin1String("Cisco")) {
        m_mainForm->stepProgress();
        if (bar)
            bar->setValue(0);
        m_mainForm->setStatusText(QStringLiteral("Ready"));
        Snmp::socket_cleanup();
    }
    m_myTimer->stop();
}

#include "telnet/ttelnetdevform.h"

#include "core/messages.h"
#include "core/session.h"
#include "telnet/telnetaddress.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TTelnetDevForm::TTelnetDevForm(QWidget *parent)
    : QDialog(parent)
    , m_telnetIpIpt(new QLineEdit(this))
    , m_telnetOk(new QPushButton(QStringLiteral("&Ok"), this))
    , m_telnetCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setWindowTitle(QStringLiteral("Telnet to a Device"));
    setObjectName(QStringLiteral("TelnetDevForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

    auto *label = new QLabel(QStringLiteral("Target IP Address :"), this);
    label->setBuddy(m_telnetIpIpt);
    m_telnetIpIpt->setObjectName(QStringLiteral("TelnetIpIpt"));
    m_telnetIpIpt->setAccessibleName(label->text());
    m_telnetIpIpt->installEventFilter(this);
    m_telnetOk->setObjectName(QStringLiteral("TelnetOk"));
    m_telnetCancel->setObjectName(QStringLiteral("TelnetCancel"));
    // Enter in the field is handled below; the buttons must not take it.
    for (QPushButton *button : {m_telnetOk, m_telnetCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_telnetOk, &QPushButton::clicked, this, &TTelnetDevForm::telnetOkClick);
    connect(m_telnetCancel, &QPushButton::clicked, this, &TTelnetDevForm::telnetCancelClick);
    // Closing the dialog drops a lookup still running.
    connect(this, &QDialog::finished, this, &TTelnetDevForm::cancelLookup);

    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_telnetIpIpt, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_telnetOk);
    buttons->addWidget(m_telnetCancel);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addLayout(field);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(347, 122);
}

TTelnetDevForm::~TTelnetDevForm()
{
    cancelLookup();
}

void TTelnetDevForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_telnetIpIpt->setFocus(Qt::ActiveWindowFocusReason);
    m_telnetIpIpt->selectAll();
}

bool TTelnetDevForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_telnetIpIpt) {
        if (event->type() == QEvent::FocusIn) {
            // Moving into the field starts a fresh address; coming back to
            // the dialog (after an error box, say) keeps the text to mend.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_telnetIpIpt->clear();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!m_telnetIpIpt->text().isEmpty())
                    telnetOkClick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTelnetDevForm::telnetOkClick()
{
    const QString text = m_telnetIpIpt->text();
    if (text.isEmpty())
        return;
    cancelLookup();
    session().telnetIp = text;
    const TelnetAddress address = TelnetAddress::parse(text);
    switch (address.kind) {
    case TelnetAddress::Kind::Invalid:
        finishOk(false);
        return;
    case TelnetAddress::Kind::Address:
        finishOk(true);
        return;
    case TelnetAddress::Kind::HostName:
        // A name is valid when it resolves to an IPv4 address; the answer
        // to an earlier Ok, or one after the dialog closed, is dropped.
        m_lookupId = QHostInfo::lookupHost(address.host, this, [this](const QHostInfo &info) {
            if (info.lookupId() != m_lookupId)
                return;
            m_lookupId = -1;
            bool valid = false;
            for (const QHostAddress &found : info.addresses())
                valid = valid || found.protocol() == QAbstractSocket::IPv4Protocol;
            finishOk(valid);
        });
        return;
    }
}

void TTelnetDevForm::finishOk(bool valid)
{
    if (!valid) {
        Messages::show(QStringLiteral("Ip Address error or invalid!"), Messages::Icon::None, QString(), this);
        return;
    }
    accept();
    Q_EMIT openRequested();
}

void TTelnetDevForm::telnetCancelClick()
{
    m_telnetIpIpt->clear();
    reject();
}

void TTelnetDevForm::cancelLookup()
{
    if (m_lookupId < 0)
        return;
    QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
}

#include "config/tdoctypeform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TDocTypeForm::TDocTypeForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a configuration type"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    m_typeRG = new QGroupBox(QStringLiteral("Configuration Document Type"));
    m_typeRG->setObjectName(QStringLiteral("TypeRG"));
    m_typeRG->setAccessibleName(m_typeRG->title());
    m_cisco = new QRadioButton(QStringLiteral("Cisco IOS and CATOS Configuration"));
    m_other = new QRadioButton(QStringLiteral("Other"));
    m_cisco->setAccessibleName(m_cisco->text());
    m_other->setAccessibleName(m_other->text());
    m_group = new QButtonGroup(this);
    m_group->addButton(m_cisco, CiscoType);
    m_group->addButton(m_other, OtherType);
    auto *groupLayout = new QVBoxLayout(m_typeRG);
    groupLayout->addWidget(m_cisco);
    groupLayout->addWidget(m_other);

    m_ok = new QPushButton(QStringLiteral("&Ok"));
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setAccessibleName(QStringLiteral("Ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_typeRG);
    layout->addLayout(buttons);
    setFixedSize(428, 143);
    m_cisco->setChecked(true);
}

int TDocTypeForm::typeIndex() const
{
    return m_group->checkedId() < 0 ? CiscoType : m_group->checkedId();
}

void TDocTypeForm::setTypeIndex(int index)
{
    (index == OtherType ? m_other : m_cisco)->setChecked(true);
}

void TDocTypeForm::showEvent(QShowEvent *event)
{
    // Each showing starts from the first type again.
    m_cisco->setChecked(true);
    QDialog::showEvent(event);
}

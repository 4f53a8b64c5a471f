#include "connect/iffinddialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

IfFindDialog::IfFindDialog(QWidget *parent)
    : QDialog(parent),
      m_findEdit(new QLineEdit(this)),
      m_findNext(new QPushButton(QStringLiteral("&Find Next"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Find"));
    setAccessibleName(QStringLiteral("Find"));
    setModal(false);

    auto *label = new QLabel(QStringLiteral("Find what:"), this);
    label->setBuddy(m_findEdit);
    label->setAccessibleName(QStringLiteral("Find what:"));
    m_findEdit->setAccessibleName(QStringLiteral("Find what:"));
    m_findEdit->setMinimumWidth(220);
    m_findNext->setAccessibleName(QStringLiteral("Find Next"));
    m_findNext->setDefault(true);
    // As in the common Find dialog, there is nothing to find without a text.
    m_findNext->setEnabled(false);
    m_cancel->setAccessibleName(QStringLiteral("Cancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_findEdit, 0, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 2, 1);
    layout->setRowStretch(1, 1);

    connect(m_findEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { Q_EMIT findNext(findText()); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString IfFindDialog::findText() const
{
    return m_findEdit->text();
}

void IfFindDialog::setFindText(const QString &text)
{
    m_findEdit->setText(text);
}

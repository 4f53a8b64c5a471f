#include "config/configfinddialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ConfigFindDialog::ConfigFindDialog(bool replacing, QWidget *parent) : QDialog(parent), m_replacing(replacing)
{
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    auto *fields = new QFormLayout;
    m_find = new QLineEdit;
    m_find->setObjectName(QStringLiteral("FindText"));
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    findLabel->setBuddy(m_find);
    m_find->setAccessibleName(QStringLiteral("Find what:"));
    fields->addRow(findLabel, m_find);
    if (replacing) {
        m_replaceWith = new QLineEdit;
        m_replaceWith->setObjectName(QStringLiteral("ReplaceText"));
        auto *replaceLabel = new QLabel(QStringLiteral("Re&place with:"));
        replaceLabel->setBuddy(m_replaceWith);
        m_replaceWith->setAccessibleName(QStringLiteral("Replace with:"));
        fields->addRow(replaceLabel, m_replaceWith);
    }

    m_matchCase = new QCheckBox(QStringLiteral("Match &case"));
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"));
    m_matchCase->setAccessibleName(QStringLiteral("Match case"));
    m_wholeWord->setAccessibleName(QStringLiteral("Match whole word only"));
    // The search always runs forward; the direction is offered as in any
    // find dialog but only "Down" applies.
    auto *direction = new QGroupBox(QStringLiteral("Direction"));
    m_up = new QRadioButton(QStringLiteral("&Up"));
    m_down = new QRadioButton(QStringLiteral("&Down"));
    m_up->setAccessibleName(QStringLiteral("Up"));
    m_down->setAccessibleName(QStringLiteral("Down"));
    m_down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    auto *optionRow = new QHBoxLayout;
    optionRow->addLayout(options);
    if (!replacing)
        optionRow->addWidget(direction);
    else
        direction->hide();

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(optionRow);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    auto makeButton = [this, buttons](const QString &text, const QString &accessible) {
        auto *b = new QPushButton(text);
        b->setAccessibleName(accessible);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_findNext = makeButton(QStringLiteral("&Find Next"), QStringLiteral("Find Next"));
    m_findNext->setDefault(true);
    connect(m_findNext, &QPushButton::clicked, this, &ConfigFindDialog::findNextRequested);
    if (replacing) {
        m_replace = makeButton(QStringLiteral("&Replace"), QStringLiteral("Replace"));
        m_replaceAll = makeButton(QStringLiteral("Replace &All"), QStringLiteral("Replace All"));
        connect(m_replace, &QPushButton::clicked, this, [this] { Q_EMIT replaceRequested(false); });
        connect(m_replaceAll, &QPushButton::clicked, this, [this] { Q_EMIT replaceRequested(true); });
    }
    QPushButton *cancel = makeButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

QString ConfigFindDialog::findText() const
{
    return m_find->text();
}

void ConfigFindDialog::setFindText(const QString &text)
{
    m_find->setText(text);
}

QString ConfigFindDialog::replaceText() const
{
    return m_replaceWith ? m_replaceWith->text() : QString();
}

void ConfigFindDialog::setReplaceText(const QString &text)
{
    if (m_replaceWith)
        m_replaceWith->setText(text);
}

bool ConfigFindDialog::matchCase() const
{
    return m_matchCase->isChecked();
}

void ConfigFindDialog::setMatchCase(bool on)
{
    m_matchCase->setChecked(on);
}

bool ConfigFindDialog::wholeWord() const
{
    return m_wholeWord->isChecked();
}

void ConfigFindDialog::setWholeWord(bool on)
{
    m_wholeWord->setChecked(on);
}

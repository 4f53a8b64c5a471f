#include "config/tconfassist.h"

#include "config/configanalysis.h"
#include "core/session.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
// Draws each keyword in the colour recorded for its list position.
class KeywordDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QList<quint32> &colors = session().keywordColor;
        const int row = index.row();
        const quint32 rgb = row < colors.size() ? colors[row] : 0;
        opt.palette.setColor(QPalette::Text, QColor::fromRgb(rgb));
        opt.palette.setColor(QPalette::HighlightedText, QColor::fromRgb(rgb));
        QStyledItemDelegate::paint(painter, opt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(13, option.fontMetrics.height()));
        return size;
    }
};
} // namespace

TConfAssist::TConfAssist(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Configuration Assistant"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    chooseColor = [](const QColor &current, QWidget *owner) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current, owner);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };

    auto *input = new QGroupBox(QStringLiteral("Input Keyword"));
    input->setObjectName(QStringLiteral("GroupBox1"));
    m_entKW = new QLineEdit(QStringLiteral("(Enter keyword here)"));
    m_entKW->setObjectName(QStringLiteral("EntKW"));
    m_entKW->setAccessibleName(QStringLiteral("Input Keyword"));
    m_entKW->installEventFilter(this);
    QPushButton *color = button(QStringLiteral("&Color"), "Button1");
    QPushButton *add = button(QStringLiteral("&Add"), "Button2");
    auto *inputLayout = new QHBoxLayout(input);
    inputLayout->addWidget(m_entKW, 1);
    inputLayout->addWidget(color);
    inputLayout->addWidget(add);

    auto *lists = new QGroupBox(QStringLiteral("Keyword List"));
    lists->setObjectName(QStringLiteral("GroupBox2"));
    auto *label1 = new QLabel(QStringLiteral("Keywords :"));
    m_kwList = new QListWidget;
    m_kwList->setObjectName(QStringLiteral("KWList"));
    m_kwList->setItemDelegate(new KeywordDelegate(m_kwList));
    m_kwList->setUniformItemSizes(true);
    label1->setBuddy(m_kwList);
    m_kwList->setAccessibleName(QStringLiteral("Keywords :"));
    auto *label2 = new QLabel(QStringLiteral("Duplicate Keywords :"));
    m_dpKWList = new QListWidget;
    m_dpKWList->setObjectName(QStringLiteral("DpKWList"));
    label2->setBuddy(m_dpKWList);
    m_dpKWList->setAccessibleName(QStringLiteral("Duplicate Keywords :"));
    QPushButton *right = button(QStringLiteral("\u2192"), "SpeedButton1");
    QPushButton *left = button(QStringLiteral("\u2190"), "SpeedButton2");
    QPushButton *clear = button(QStringLiteral("C"), "SpeedButton3");
    right->setAccessibleName(QStringLiteral("Copy to duplicate keywords"));
    left->setAccessibleName(QStringLiteral("Remove duplicate keyword"));
    clear->setAccessibleName(QStringLiteral("Clear both lists"));
    for (QPushButton *b : {right, left, clear})
        b->setFixedWidth(28);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(right);
    middle->addWidget(left);
    middle->addWidget(clear);
    middle->addStretch();
    auto *listLayout = new QGridLayout(lists);
    listLayout->addWidget(label1, 0, 0);
    listLayout->addWidget(label2, 0, 2);
    listLayout->addWidget(m_kwList, 1, 0);
    listLayout->addLayout(middle, 1, 1);
    listLayout->addWidget(m_dpKWList, 1, 2);

    QPushButton *ok = button(QStringLiteral("&Ok"), "Button3");
    QPushButton *cancel = button(QStringLiteral("Cance&l"), "Button4");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(input);
    layout->addWidget(lists, 1);
    layout->addLayout(buttons);
    setFixedSize(490, 429);

    connect(color, &QPushButton::clicked, this, &TConfAssist::colorClick);
    connect(add, &QPushButton::clicked, this, &TConfAssist::addClick);
    connect(right, &QPushButton::clicked, this, &TConfAssist::copyToDuplicates);
    connect(left, &QPushButton::clicked, this, &TConfAssist::removeDuplicate);
    connect(clear, &QPushButton::clicked, this, &TConfAssist::clearLists);
    connect(ok, &QPushButton::clicked, this, &TConfAssist::okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_kwList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { delete m_kwList->takeItem(m_kwList->row(item)); });
    connect(m_dpKWList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { delete m_dpKWList->takeItem(m_dpKWList->row(item)); });
}

QPushButton *TConfAssist::button(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    QString accessible = text;
    b->setAccessibleName(accessible.remove(QLatin1Char('&')));
    // Enter in the keyword edit adds the keyword; it must not press a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void TConfAssist::setEntKWColor(const QColor &color)
{
    m_entColor = color;
    QPalette palette = m_entKW->palette();
    palette.setColor(QPalette::Text, color);
    m_entKW->setPalette(palette);
}

void TConfAssist::colorClick()
{
    if (const std::optional<QColor> chosen = chooseColor(m_entColor, this))
        setEntKWColor(*chosen);
}

void TConfAssist::addClick()
{
    if (m_entKW->text().isEmpty())
        return;
    Session &s = session();
    const int position = m_kwList->count();
    s.lastAddedKeyword = position;
    // The colour table grows for positions past its first 50.
    while (s.keywordColor.size() <= position)
        s.keywordColor.append(0);
    s.keywordColor[position] = m_entColor.rgb() & 0xffffff;
    m_kwList->addItem(m_entKW->text());
}

void TConfAssist::entKWEnter()
{
    if (m_entKW->text().isEmpty())
        return;
    m_kwList->addItem(m_entKW->text());
    m_entKW->clear();
}

void TConfAssist::copyToDuplicates()
{
    if (QListWidgetItem *item = m_kwList->currentItem(); item && item->isSelected())
        m_dpKWList->addItem(item->text());
}

void TConfAssist::removeDuplicate()
{
    if (QListWidgetItem *item = m_dpKWList->currentItem(); item && item->isSelected())
        delete m_dpKWList->takeItem(m_dpKWList->row(item));
}

void TConfAssist::clearLists()
{
    m_kwList->clear();
    m_dpKWList->clear();
}

void TConfAssist::okClick()
{
    Session &s = session();
    s.keywordHits.clear();
    s.dupKeywordLines.clear();
    s.keywordTable.clear();
    s.dupKeywordTable.clear();
    s.dupKeywordLineCount.clear();
    for (int i = 0; i < m_kwList->count(); ++i)
        s.keywordTable.append(m_kwList->item(i)->text());
    for (int i = 0; i < m_dpKWList->count(); ++i)
        s.dupKeywordTable.append(m_dpKWList->item(i)->text());
    s.dupKeywordLineCount = QList<int>(s.dupKeywordTable.size(), 0);
    accept();
}

bool TConfAssist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entKW && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            entKWEnter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

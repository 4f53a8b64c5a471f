#include "connect/tiftableform.h"

#include "connect/iftablemodel.h"
#include "connect/iftablesearch.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tnmicons.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyleOption>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// True from the moment a table window closes until its subwindow is gone:
// the MDI area then activates another subwindow by itself, and that must
// not make the other window the active table.
bool s_tableClosing = false;

void endTableClosingLater()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { s_tableClosing = false; },
                              Qt::QueuedConnection);
}

} // namespace

TIfTableForm::TIfTableForm(QWidget *parent)
    : QWidget(parent), m_model(new IfTableModel(this)), m_grid(new QTableView(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Interface Table"));
    setWindowIcon(TnmIcons::table());
    setAccessibleName(QStringLiteral("Interface Table"));
    resize(800, 450);

    m_grid->setModel(m_model);
    m_grid->setAccessibleName(QStringLiteral("Interface table grid"));
    m_grid->setShowGrid(true);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setTabKeyNavigation(true);
    m_grid->setWordWrap(true);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);

    QHeaderView *headings = m_grid->horizontalHeader();
    headings->setAccessibleName(QStringLiteral("Headings"));
    headings->setDefaultSectionSize(100);
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView *numbers = m_grid->verticalHeader();
    numbers->setAccessibleName(QStringLiteral("Row numbers"));
    numbers->setSectionResizeMode(QHeaderView::Interactive);
    // Numbers sit on the first text line like the cells; rows start one
    // line high and the user drags them taller to see more addresses.
    numbers->setDefaultAlignment(Qt::AlignRight | Qt::AlignTop);
    numbers->setMinimumSectionSize(fontMetrics().height() + 2);
    numbers->setDefaultSectionSize(fontMetrics().height() + 8);

    // The corner button stands for grid cell (0, 0) and shows its heading.
    m_corner = m_grid->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) {
        m_corner->setAccessibleName(QStringLiteral("Select all"));
        m_corner->installEventFilter(this);
    }
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    headings->viewport()->installEventFilter(this);
    numbers->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
}

TIfTableForm::~TIfTableForm() = default;

TIfTableForm *TIfTableForm::openIn(QMdiArea *area)
{
    auto *form = new TIfTableForm;
    area->addSubWindow(form);
    form->show();
    return form;
}

int TIfTableForm::gridRowCount() const
{
    return m_model->gridRowCount();
}

int TIfTableForm::gridColumnCount() const
{
    return m_model->gridColumnCount();
}

QString TIfTableForm::gridCell(int gridRow, int gridCol) const
{
    return m_model->gridCell(gridRow, gridCol);
}

void TIfTableForm::setCurrentGridCell(int gridRow, int gridCol)
{
    const QModelIndex index = m_model->indexOfGridCell(gridRow, gridCol);
    if (!index.isValid())
        return;
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
}

int TIfTableForm::currentGridRow() const
{
    const QModelIndex index = m_grid->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

int TIfTableForm::currentGridColumn() const
{
    const QModelIndex index = m_grid->currentIndex();
    return index.isValid() ? index.column() + 1 : 0;
}

void TIfTableForm::startSearch()
{
    IfTableSearch::start();
    setCurrentGridCell(1, 1);
}

bool TIfTableForm::findNext(const QString &text)
{
    const IfTableModel *model = m_model;
    const IfTableSearch search(
        [model](int gridRow, int gridCol) { return model->gridCell(gridRow, gridCol); },
        model->gridRowCount());
    const std::optional<IfTableSearch::Hit> hit = search.findNext(text);
    if (!hit) {
        Messages::show(IfTableSearch::endMessage());
        return false;
    }
    setCurrentGridCell(hit->row, hit->col);
    m_grid->setFocus();
    return true;
}

void TIfTableForm::fillFromSession()
{
    const Session &s = session();
    m_model->load(s.ifTable, s.ifCount, s.devClass, s.showNbr);
    setWindowTitle(QStringLiteral("Interface Table - ") + s.devSysName);
    if (m_corner)
        m_corner->update();
}

void TIfTableForm::makeActive()
{
    session().activeIfTable = this;
}

void TIfTableForm::adoptSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub || sub == m_subWindow)
        return;
    m_subWindow = sub;
    // Closing the window must free its frame as well, not leave it hidden.
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(sub, &QMdiSubWindow::aboutToActivate, this, [this] {
        if (!s_tableClosing)
            makeActive();
    });
    connect(this, &QObject::destroyed, sub, &QObject::deleteLater);
}

bool TIfTableForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        adoptSubWindow();
        break;
    case QEvent::WindowActivate:
        if (isWindow() && !s_tableClosing)
            makeActive();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TIfTableForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_filled) {
        m_filled = true;
        fillFromSession();
    }
    makeActive();
}

void TIfTableForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    session().activeIfTable = nullptr;
    s_tableClosing = true;
    if (m_subWindow) {
        connect(m_subWindow, &QObject::destroyed, QCoreApplication::instance(), endTableClosingLater);
        // Does nothing when the subwindow's own close brought us here.
        m_subWindow->close();
    } else {
        endTableClosingLater();
    }
}

void TIfTableForm::mousePressEvent(QMouseEvent *event)
{
    makeActive();
    QWidget::mousePressEvent(event);
}

bool TIfTableForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        makeActive();
        break;
    case QEvent::FocusIn:
    case QEvent::KeyPress:
        if (watched == m_grid && !session().ifTableFile.isEmpty())
            Q_EMIT saveEnablingRequested();
        break;
    case QEvent::Paint:
        if (watched == m_corner) {
            paintCorner();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TIfTableForm::paintCorner()
{
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.state = QStyle::State_None;
    if (m_corner->isEnabled())
        option.state |= QStyle::State_Enabled;
    if (m_corner->isActiveWindow())
        option.state |= QStyle::State_Active;
    if (m_corner->isDown())
        option.state |= QStyle::State_Sunken;
    option.rect = m_corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = gridCell(0, 0);
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(m_corner);
    m_corner->style()->drawControl(QStyle::CE_Header, &option, &painter, m_corner);
}

#include "connect/iftablemodel.h"

#include <algorithm>

namespace {

// The table column shown in a grid column, or -1 for none.
int tableColumnFor(int gridCol, int devClass, bool showNbr)
{
    if (!showNbr)
        return gridCol >= 1 && gridCol <= 7 ? gridCol - 1 : -1;
    if (devClass != DeviceClass::Router)
        return gridCol >= 1 && gridCol <= 10 ? gridCol - 1 : -1;
    // A router has no VLAN column: the neighbour columns move one left.
    if (gridCol >= 1 && gridCol <= 6)
        return gridCol - 1;
    return gridCol >= 7 && gridCol <= 9 ? gridCol : -1;
}

QStringList headingsFor(int devClass, bool showNbr)
{
    QStringList headings{QStringLiteral("No."),         QStringLiteral("Port Name"),
                         QStringLiteral("Status"),      QStringLiteral("Description"),
                         QStringLiteral("Speed"),       QStringLiteral("Duplex Mode"),
                         QStringLiteral("Ip Address")};
    if (devClass != DeviceClass::Router)
        headings << QStringLiteral("Vlan No.");
    if (showNbr)
        headings << QStringLiteral("Neighbour ID") << QStringLiteral("IP of Neighbour")
                 << QStringLiteral("Port of Neighbour");
    return headings;
}

} // namespace

IfTableModel::IfTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString IfTableModel::gridCell(int gridRow, int gridCol) const
{
    return m_cells.value(key(gridRow, gridCol));
}

void IfTableModel::setGridCell(int gridRow, int gridCol, const QString &text)
{
    if (gridRow < 0 || gridRow >= m_gridRows || gridCol < 0 || gridCol >= GridColumns)
        return;
    if (text.isEmpty())
        m_cells.remove(key(gridRow, gridCol));
    else
        m_cells.insert(key(gridRow, gridCol), text);
    if (gridRow == 0 && gridCol > 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, gridCol - 1, gridCol - 1);
    } else if (gridCol == 0 && gridRow > 0) {
        Q_EMIT headerDataChanged(Qt::Vertical, gridRow - 1, gridRow - 1);
    } else if (gridRow > 0) {
        const QModelIndex at = index(gridRow - 1, gridCol - 1);
        Q_EMIT dataChanged(at, at);
    }
}

QModelIndex IfTableModel::indexOfGridCell(int gridRow, int gridCol) const
{
    if (gridRow < 1 || gridCol < 1)
        return QModelIndex();
    return index(gridRow - 1, gridCol - 1);
}

void IfTableModel::load(const IfTableColumns &table, int ifCount, int devClass, bool showNbr)
{
    beginResetModel();
    m_cells.clear();
    ifCount = std::max(ifCount, 0);
    m_gridRows = std::max(MinGridRows, ifCount + 1);
    m_cells.reserve(qsizetype(ifCount) * 11 + 11);

    const QStringList headings = headingsFor(devClass, showNbr);
    for (int col = 0; col < headings.size(); ++col)
        m_cells.insert(key(0, col), headings.at(col));

    for (int row = 0; row < ifCount; ++row)
        m_cells.insert(key(row + 1, 0), QString::number(row + 1));
    for (int gridCol = 1; gridCol <= 10; ++gridCol) {
        const int tableCol = tableColumnFor(gridCol, devClass, showNbr);
        // A workbook may bring fewer columns or rows than the layout needs.
        if (tableCol < 0 || size_t(tableCol) >= table.size())
            continue;
        const std::vector<QString> &column = table[size_t(tableCol)];
        const int rows = std::min(ifCount, int(column.size()));
        for (int row = 0; row < rows; ++row) {
            if (!column[size_t(row)].isEmpty())
                m_cells.insert(key(row + 1, gridCol), column[size_t(row)]);
        }
    }
    endResetModel();
}

int IfTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_gridRows - 1;
}

int IfTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : GridColumns - 1;
}

QVariant IfTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return gridCell(index.row() + 1, index.column() + 1);
    case Qt::TextAlignmentRole:
        // Top-aligned, so that a cell with several lines shows its first
        // line whole while the row has its single-line height.
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return QVariant();
    }
}

bool IfTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setGridCell(index.row() + 1, index.column() + 1, value.toString());
    return true;
}

Qt::ItemFlags IfTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant IfTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return orientation == Qt::Horizontal ? gridCell(0, section + 1) : gridCell(section + 1, 0);
}

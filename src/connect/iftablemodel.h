#pragma once

#include "core/iftable.h"

#include <QAbstractTableModel>
#include <QHash>

// The cells of one interface-table window. The grid it stands for has a
// heading row (grid row 0) and a row-number column (grid column 0); the
// view shows those two in its headers, so model row r is grid row r + 1 and
// model column c is grid column c + 1. Only filled cells are stored, which
// keeps a grid of 1000 columns and thousands of rows light. Edits change
// this copy only, never the session's table.
class IfTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int GridColumns = 1000;
    static constexpr int MinGridRows = 1001;

    explicit IfTableModel(QObject *parent = nullptr);

    int gridRowCount() const { return m_gridRows; }
    int gridColumnCount() const { return GridColumns; }

    // Cells by grid coordinates; outside the grid the text is empty and
    // writes are ignored.
    QString gridCell(int gridRow, int gridCol) const;
    void setGridCell(int gridRow, int gridCol, const QString &text);

    // The index showing a body cell; invalid for the heading row and the
    // row-number column.
    QModelIndex indexOfGridCell(int gridRow, int gridCol) const;

    // Replaces every cell with the headings, row numbers and columns of an
    // interface table laid out as the device class and the neighbour option
    // ask; the grid grows so that every interface has a row.
    void load(const IfTableColumns &table, int ifCount, int devClass, bool showNbr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static quint64 key(int gridRow, int gridCol) { return (quint64(quint32(gridRow)) << 32) | quint32(gridCol); }

    QHash<quint64, QString> m_cells;
    int m_gridRows = MinGridRows;
};

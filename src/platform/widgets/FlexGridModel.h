#pragma once
// An item model that reads a headless FlexGrid: the fixed rows become the horizontal header (only the first is
// shown), every other row a model row. It keeps no copy of the cells: a view asks only for what it draws.

#include "platform/FlexGrid.h"

#include <QAbstractTableModel>
#include <QColor>

namespace platform {

// An OLE colour as Qt draws it; system colours come from the application's palette.
QColor ColorFromOle(OleColor color);

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(FlexGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid rows and model rows.
    int GridRow(int modelRow) const { return modelRow + grid.FixedRows(); }
    QModelIndex IndexOf(int gridRow, int gridCol) const;

    // Announcements of the grid's changes, in the model's terms.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void BeginRemoveRow(int gridRow);
    void EndRemoveRow() { endRemoveRows(); }
    void BeginReorder() { Q_EMIT layoutAboutToBeChanged(); }
    void EndReorder() { Q_EMIT layoutChanged(); }
    void HeaderChanged(int col);

private:
    Qt::Alignment AlignmentOf(int col, const QString& text) const;
    // The cell's own background colour; none where it shows the grid's.
    QVariant Background(int gridRow, int gridCol) const;

    FlexGrid& grid;
};

} // namespace platform

#include "platform/widgets/FlexGridModel.h"

#include "platform/LocaleCodec.h"
#include "platform/widgets/Contrast.h"

#include <QApplication>
#include <QPalette>

namespace platform {

QColor ColorFromOle(OleColor color) {
    if (color & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (color & 0xFFu) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x0F:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

FlexGridModel::FlexGridModel(FlexGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid(grid) {}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, grid.Rows() - grid.FixedRows());
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid.Cols();
}

QModelIndex FlexGridModel::IndexOf(int gridRow, int gridCol) const {
    return index(gridRow - grid.FixedRows(), gridCol);
}

Qt::Alignment FlexGridModel::AlignmentOf(int col, const QString& text) const {
    switch (grid.ColAlignment(col)) {
    case FlexAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case FlexAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case FlexAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case FlexAlignment::General:
        break;
    }
    return (grid.Codec().ToDouble(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int r = GridRow(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return grid.TextMatrix(r, c);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(c, grid.TextMatrix(r, c)));
    case Qt::BackgroundRole:
        return Background(r, c);
    case Qt::ForegroundRole: {
        // A cell coloured on purpose keeps its colour in every palette; its text is chosen to read on it.
        const QVariant background = Background(r, c);
        return background.isValid() ? QVariant(ReadableTextOn(background.value<QColor>())) : QVariant();
    }
    default:
        return {};
    }
}

QVariant FlexGridModel::Background(int gridRow, int gridCol) const {
    if (gridCol < grid.FixedCols())
        return ColorFromOle(SystemButtonFaceColor);
    const OleColor color = grid.CellColor(gridRow, gridCol);
    return color == SystemWindowColor ? QVariant() : QVariant(ColorFromOle(color));
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || grid.FixedRows() == 0)
        return {};
    const QString& text = grid.TextMatrix(0, section);
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(section, text));
    return {};
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FlexGridModel::BeginRemoveRow(int gridRow) {
    const int modelRow = gridRow - grid.FixedRows();
    beginRemoveRows(QModelIndex(), modelRow, modelRow);
}

void FlexGridModel::HeaderChanged(int col) {
    if (col < 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(0, grid.Cols() - 1));
    else
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

} // namespace platform

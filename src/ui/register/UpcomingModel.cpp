#include "ui/register/UpcomingModel.h"

#include "register/RegisterCells.h"

#include <QCoreApplication>

using namespace RegisterColumn;

UpcomingModel::UpcomingModel(const platform::LocaleCodec& codec, QObject* parent)
    : QAbstractTableModel(parent), codec(codec) {}

void UpcomingModel::Show(std::vector<UpcomingRow> shown, const QFont& rowFont, const QColor& dueColor,
                         const QColor& laterColor) {
    beginResetModel();
    rows = std::move(shown);
    font = rowFont;
    due = dueColor;
    later = laterColor;
    endResetModel();
}

int UpcomingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int UpcomingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

QVariant UpcomingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows.size())
        return {};
    const UpcomingRow& upcoming = rows[size_t(index.row())];
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return RowCells(AsRegisterRow(upcoming), codec, RowCells::Controls::Keep).Text(col).toString();
    case Qt::FontRole:
        return font;
    case Qt::ForegroundRole:
        return upcoming.due ? due : later;
    case Qt::TextAlignmentRole: {
        const RegisterLook::Align align = RegisterLook::AlignmentOf(col);
        return int(Qt::AlignVCenter | (align == RegisterLook::Align::Right    ? Qt::AlignRight
                                       : align == RegisterLook::Align::Centre ? Qt::AlignHCenter
                                                                              : Qt::AlignLeft));
    }
    case Qt::ToolTipRole:
        if (upcoming.amountVaries && (col == Debit || col == Credit))
            return QCoreApplication::translate("UpcomingModel", "The amount varies: this is the one expected.");
        return upcoming.due ? QCoreApplication::translate("UpcomingModel", "Due") : QVariant();
    default:
        return {};
    }
}

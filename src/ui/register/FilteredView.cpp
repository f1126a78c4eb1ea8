// The register showing only some of its transactions (a report's category), each with its running balance as it
// stands in the whole register. It is a list to read: editing happens in the whole register, one double click away.
#include "platform/widgets/FlexGridView.h"
#include "ui/register/frmRegister.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

using namespace RegisterColumn;

namespace {
// The grid's columns the list shows, in order.
constexpr int ListedColumns[] = {CheckNumber, Date, Description, Memo, Category, Debit, Type, Credit, Balance, Cleared};
} // namespace

void frmRegister::CreateFilterBar() {
    FilterBar = new QWidget(this);
    FilterBar->setObjectName(QStringLiteral("FilterBar"));
    auto* layout = new QHBoxLayout(FilterBar);
    layout->setContentsMargins(2, 2, 2, 2);
    FilterCaption = new QLabel(FilterBar);
    FilterCaption->setObjectName(QStringLiteral("FilterCaption"));
    auto* showAll = new QPushButton(tr("Show &All"), FilterBar);
    showAll->setObjectName(QStringLiteral("FilterShowAll"));
    showAll->setAutoDefault(false);
    layout->addWidget(FilterCaption, 1);
    layout->addWidget(showAll);
    connect(showAll, &QPushButton::clicked, this, &frmRegister::ShowAllRows);
    FilterBar->hide();

    FilteredRows = new QTableWidget(this);
    FilteredRows->setObjectName(QStringLiteral("FilteredRows"));
    FilteredRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FilteredRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    FilteredRows->setSelectionMode(QAbstractItemView::SingleSelection);
    FilteredRows->verticalHeader()->hide();
    FilteredRows->setWordWrap(false);
    connect(FilteredRows, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { FilteredRow_DoubleClick(row); });
    FilteredRows->hide();
}

void frmRegister::ShowOnlySlots(std::vector<int16_t> slots, const QString& caption) {
    if (!FilterBar)
        CreateFilterBar();
    // An edit still open is finished first: the grid it belongs to goes out of sight.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    std::sort(slots.begin(), slots.end());
    filterSlots = std::move(slots);
    filterCaption = caption;
    FilterBar->show();
    FilteredRows->show();
    MSFlexGrid1->hide();
    FillFilteredRows();
    Form_Resize();
    FilterBar->raise();
    FilteredRows->raise();
    FilteredRows->setFocus();
}

void frmRegister::ShowAllRows() {
    if (!FilterBar || FilterBar->isHidden())
        return;
    FilterBar->hide();
    FilteredRows->hide();
    FilteredRows->clear();
    filterSlots.clear();
    MSFlexGrid1->show();
    Form_Resize();
    MSFlexGrid1->setFocus();
}

void frmRegister::FillFilteredRows() {
    const RegisterModel& model = procedures.Model();
    std::vector<int> rows;
    for (int i = 0; i < model.Count(); ++i)
        if (std::binary_search(filterSlots.begin(), filterSlots.end(), int16_t(model.At(i).slot)))
            rows.push_back(i + 1);
    FilteredRows->clear();
    FilteredRows->setColumnCount(int(std::size(ListedColumns)));
    FilteredRows->setRowCount(int(rows.size()));
    QStringList headers;
    for (const int col : ListedColumns)
        headers << grid.TextMatrix(0, col);
    FilteredRows->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(std::size(ListedColumns)); ++c) {
            const int col = ListedColumns[c];
            auto* item = new QTableWidgetItem(grid.TextMatrix(rows[size_t(r)], col));
            if (col == Debit || col == Credit || col == Balance)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            FilteredRows->setItem(r, c, item);
        }
        FilteredRows->item(r, 0)->setData(Qt::UserRole, model.At(rows[size_t(r)] - 1).slot);
    }
    FilteredRows->resizeColumnsToContents();
    const int count = int(rows.size());
    FilterCaption->setText(count == 1 ? tr("1 transaction: %1").arg(filterCaption)
                                      : tr("%1 transactions: %2").arg(QString::number(count), filterCaption));
}

void frmRegister::FilteredRow_DoubleClick(int row) {
    const QTableWidgetItem* item = FilteredRows->item(row, 0);
    if (!item)
        return;
    const int slot = item->data(Qt::UserRole).toInt();
    ShowAllRows();
    const int gridRow = procedures.Model().IndexOfSlot(slot) + 1;
    if (gridRow >= 1) {
        grid.MoveTo(gridRow, Description);
        MSFlexGrid1->ScrollToCurrent();
    }
}

#include "ui/import/ImportDialogs.h"

#include "ledger/TransactionRules.h"
#include "platform/Locale.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A column choice: "(none)" first, then each header field with its number; the item data is the 0-based column.
QComboBox* ColumnBox(QWidget* parent, const char* name, const QStringList& columns, int selected) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItem(QStringLiteral("(none)"), -1);
    for (int i = 0; i < columns.size(); ++i)
        box->addItem(QStringLiteral("%1: %2").arg(i + 1).arg(columns[i]), i);
    box->setCurrentIndex(std::max(0, box->findData(selected)));
    return box;
}

int ColumnOf(const QComboBox* box) {
    return box->currentData().toInt();
}

} // namespace

CsvMappingDialog::CsvMappingDialog(QWidget* parent, const QStringList& columns, const import::CsvMapping& guess)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CsvMapping"));
    setWindowTitle(QStringLiteral("Statement Columns"));
    cboDate = ColumnBox(this, "cboDate", columns, guess.date);
    cboDateOrder = new QComboBox(this);
    cboDateOrder->setObjectName(QStringLiteral("cboDateOrder"));
    cboDateOrder->addItem(QStringLiteral("Month Day Year"), int(import::DateOrder::MonthDayYear));
    cboDateOrder->addItem(QStringLiteral("Day Month Year"), int(import::DateOrder::DayMonthYear));
    cboDateOrder->addItem(QStringLiteral("Year Month Day"), int(import::DateOrder::YearMonthDay));
    cboDateOrder->setCurrentIndex(cboDateOrder->findData(int(guess.dateOrder)));
    cboAmount = ColumnBox(this, "cboAmount", columns, guess.amount);
    cboDebit = ColumnBox(this, "cboDebit", columns, guess.debit);
    cboCredit = ColumnBox(this, "cboCredit", columns, guess.credit);
    cboPayee = ColumnBox(this, "cboPayee", columns, guess.payee);
    cboCheck = ColumnBox(this, "cboCheck", columns, guess.checkNumber);
    cboDecimal = new QComboBox(this);
    cboDecimal->setObjectName(QStringLiteral("cboDecimal"));
    cboDecimal->addItem(QStringLiteral("Point (1,234.56)"), QStringLiteral("."));
    cboDecimal->addItem(QStringLiteral("Comma (1.234,56)"), QStringLiteral(","));
    cboDecimal->setCurrentIndex(guess.decimalSeparator == QLatin1Char(',') ? 1 : 0);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Date column:"), cboDate);
    form->addRow(QStringLiteral("Date &order:"), cboDateOrder);
    form->addRow(QStringLiteral("&Amount column:"), cboAmount);
    form->addRow(QStringLiteral("or D&ebit column:"), cboDebit);
    form->addRow(QStringLiteral("and C&redit column:"), cboCredit);
    form->addRow(QStringLiteral("&Payee column:"), cboPayee);
    form->addRow(QStringLiteral("C&heck number column:"), cboCheck);
    form->addRow(QStringLiteral("Decimal &separator:"), cboDecimal);
    // A combo box would be announced by its current column ("(none)" five times): each is named after its label,
    // in the description too, since on Linux a combo box's name is its current text.
    for (int row = 0; row < form->rowCount(); ++row) {
        const auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        QWidget* box = form->itemAt(row, QFormLayout::FieldRole)->widget();
        box->setAccessibleName(label->text().remove(QLatin1Char('&')).chopped(1));
        box->setAccessibleDescription(box->accessibleName());
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Which column of the statement holds what?"), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {cboDate, cboAmount, cboDebit, cboCredit})
        connect(box, &QComboBox::currentIndexChanged, this, &CsvMappingDialog::UpdateControls);
    UpdateControls();
}

// An amount column makes debit and credit columns meaningless; OK needs a date and some money column.
void CsvMappingDialog::UpdateControls() {
    const bool signedAmounts = ColumnOf(cboAmount) >= 0;
    cboDebit->setEnabled(!signedAmounts);
    cboCredit->setEnabled(!signedAmounts);
    OKButton->setEnabled(ColumnOf(cboDate) >= 0 &&
                         (signedAmounts || ColumnOf(cboDebit) >= 0 || ColumnOf(cboCredit) >= 0));
}

import::CsvMapping CsvMappingDialog::Mapping() const {import::CsvMapping m;
m.date = ColumnOf(cboDate);
m.dateOrder = import::DateOrder(cboDateOrder->currentData().toInt());
m.amount = ColumnOf(cboAmount);
if (m.amount < 0) {
    m.debit = ColumnOf(cboDebit);
    m.credit = ColumnOf(cboCredit);
}
m.payee = ColumnOf(cboPayee);
m.checkNumber = ColumnOf(cboCheck);
m.decimalSeparator = cboDecimal->currentData().toString().at(0);
return m;
}

ImportPreview::ImportPreview(QWidget* parent, const QString& statementName, import::Format format,
                             const import::ImportPlan& plan)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(QStringLiteral("Import %1").arg(statementName));
    auto* table = new QTableWidget(int(plan.lines.size()), 5, this);
    table->setObjectName(QStringLiteral("tblLines"));
    table->setAccessibleName(QStringLiteral("Statement lines"));
    table->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Amount"), QStringLiteral("Payee"),
                                      QStringLiteral("Check #"), QStringLiteral("What happens")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; row < int(plan.lines.size()); ++row) {
        const import::PlannedLine& p = plan.lines[size_t(row)];
        const QString cells[] = {platform::FormatShortDate(p.line.date), platform::FormatCents(p.line.cents),
                                 p.line.payee, p.line.checkNumber, WhatHappens(p, format)};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);

    const int adds = plan.Count(import::PlanKind::Add);
    auto* summary = new QLabel(QStringLiteral("%1 to add, %2 to skip as duplicates, %3 refused")
                                   .arg(adds)
                                   .arg(plan.Count(import::PlanKind::Duplicate))
                                   .arg(plan.Count(import::PlanKind::Refused)),
                               this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* importButton = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("cmdImport"));
    importButton->setEnabled(adds > 0);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    resize(760, 420);
}

QString ImportPreview::WhatHappens(const import::PlannedLine& p, import::Format format) {
    switch (p.kind) {
    case import::PlanKind::Add:
        return QStringLiteral("Add as ") + ledger::TypeName(p.typeCode, p.checkNumber);
    case import::PlanKind::Duplicate:
        if (p.duplicateSlot)
            return QStringLiteral("Skip: duplicate of record %1").arg(p.duplicateSlot);
        return (format == import::Format::Ofx ? QStringLiteral("Skip: repeats transaction %1")
                                              : QStringLiteral("Skip: repeats line %1"))
            .arg(p.duplicateSource);
    case import::PlanKind::Refused:
        break;
    }
    return QStringLiteral("Refused: ") + p.reason;
}

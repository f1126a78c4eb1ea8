#include "ui/import/ImportDialogs.h"

#include "ledger/Categories.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "ui/import/PreviewCategories.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QComboBox* ColumnBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

int ColumnOf(const QComboBox* box) {
    return box->currentData().toInt();
}

void Select(QComboBox* box, const QVariant& data) {
    box->setCurrentIndex(std::max(0, box->findData(data)));
}

// A statement line as the sample shows it: the date with the month's name, so that its order is plain.
QString SampleText(const import::StatementLine& line) {
    const QString date = QLocale().toString(platform::DateFromDayCount(line.date), QStringLiteral("d MMM yyyy"));
    if (!line.skipped.isEmpty())
        return QCoreApplication::translate("CsvMappingDialog", "%1  skipped: %2").arg(date, line.skipped);
    const QString shown =
        QStringLiteral("%1  %2  %3").arg(date, platform::FormatCents(line.cents), line.payee.simplified());
    return line.category.isEmpty() ? shown : shown + QStringLiteral("  ") + line.category;
}

} // namespace

CsvMappingDialog::CsvMappingDialog(QWidget* parent, const QByteArray& statement)
    : QDialog(parent), statement(statement) {
    const import::CsvMapping guess = import::GuessCsvMapping(statement);
    setObjectName(QStringLiteral("CsvMapping"));
    setWindowTitle(tr("Statement Columns"));
    header = new QCheckBox(tr("First row holds column &names"), this);
    header->setObjectName(QStringLiteral("chkHeader"));
    header->setChecked(!import::CsvHeaderFields(statement).isEmpty());
    dateColumn = ColumnBox(this, "dateColumn");
    dateOrder = new QComboBox(this);
    dateOrder->setObjectName(QStringLiteral("dateOrder"));
    dateOrder->addItem(tr("Month Day Year"), int(import::DateOrder::MonthDayYear));
    dateOrder->addItem(tr("Day Month Year"), int(import::DateOrder::DayMonthYear));
    dateOrder->addItem(tr("Year Month Day"), int(import::DateOrder::YearMonthDay));
    amountColumn = ColumnBox(this, "amountColumn");
    directionColumn = ColumnBox(this, "directionColumn");
    debitColumn = ColumnBox(this, "debitColumn");
    creditColumn = ColumnBox(this, "creditColumn");
    payeeColumn = ColumnBox(this, "payeeColumn");
    payeeMoreColumn = ColumnBox(this, "payeeMoreColumn");
    checkColumn = ColumnBox(this, "checkColumn");
    typeColumn = ColumnBox(this, "typeColumn");
    statusColumn = ColumnBox(this, "statusColumn");
    categoryColumn = ColumnBox(this, "categoryColumn");
    splitColumn = ColumnBox(this, "splitColumn");
    OfferColumns();
    const std::pair<QComboBox*, int> guessed[] = {
        {dateColumn, guess.date},           {amountColumn, guess.amount},     {directionColumn, guess.direction},
        {debitColumn, guess.debit},         {creditColumn, guess.credit},     {payeeColumn, guess.payee},
        {payeeMoreColumn, guess.payeeMore}, {checkColumn, guess.checkNumber}, {typeColumn, guess.type},
        {statusColumn, guess.status},       {categoryColumn, guess.category}, {splitColumn, guess.split}};
    for (const auto& [box, column] : guessed)
        Select(box, column);
    Select(dateOrder, int(guess.dateOrder.value_or(import::LocaleDateOrder())));
    decimalSeparator = new QComboBox(this);
    decimalSeparator->setObjectName(QStringLiteral("decimalSeparator"));
    decimalSeparator->addItem(tr("Point (1,234.56)"), QStringLiteral("."));
    decimalSeparator->addItem(tr("Comma (1.234,56)"), QStringLiteral(","));
    decimalSeparator->setCurrentIndex(guess.decimalSeparator == QLatin1Char(',') ? 1 : 0);
    sample = new QLabel(this);
    sample->setObjectName(QStringLiteral("lblSample"));
    sample->setTextFormat(Qt::PlainText);
    sample->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Date column:"), dateColumn);
    form->addRow(tr("Date &order:"), dateOrder);
    form->addRow(tr("&Amount column:"), amountColumn);
    form->addRow(tr("with Debit/credit &words in column:"), directionColumn);
    form->addRow(tr("or D&ebit column:"), debitColumn);
    form->addRow(tr("and C&redit column:"), creditColumn);
    form->addRow(tr("&Payee column:"), payeeColumn);
    form->addRow(tr("and second pa&yee column:"), payeeMoreColumn);
    form->addRow(tr("C&heck number column:"), checkColumn);
    form->addRow(tr("&Type column:"), typeColumn);
    form->addRow(tr("Stat&us column (pending rows are skipped):"), statusColumn);
    form->addRow(tr("Cate&gory column:"), categoryColumn);
    form->addRow(tr("Sp&lit column (as Tallix exports it):"), splitColumn);
    form->addRow(tr("Decimal &separator:"), decimalSeparator);
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
    layout->addWidget(new QLabel(tr("Which column of the statement holds what?"), this));
    layout->addWidget(header);
    layout->addLayout(form);
    layout->addWidget(sample);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(header, &QCheckBox::toggled, this, [this] {
        OfferColumns();
        UpdateControls();
    });
    connect(dateColumn, &QComboBox::currentIndexChanged, this, [this] {
        if (ColumnOf(dateColumn) >= 0)
            Select(dateOrder, int(import::GuessCsvDateOrder(this->statement, ColumnOf(dateColumn))));
    });
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &CsvMappingDialog::UpdateControls);
    UpdateControls();
}

// Each column choice: "(none)" first, then each column by its header name and number, or without a header as
// "Column N" with its first value; the item data is the 0-based column. What was chosen stays chosen.
void CsvMappingDialog::OfferColumns() {
    const import::CsvColumns columns =
        import::CsvTableColumns(statement, header->isChecked() ? import::CsvHeader::Yes : import::CsvHeader::No);
    const auto count = std::max(columns.names.size(), columns.samples.size());
    for (QComboBox* box : {dateColumn, amountColumn, directionColumn, debitColumn, creditColumn, payeeColumn,
                           payeeMoreColumn, checkColumn, typeColumn, statusColumn, categoryColumn, splitColumn}) {
        const QSignalBlocker quiet(box);
        const int chosen = box->count() ? ColumnOf(box) : -1;
        box->clear();
        box->addItem(tr("(none)"), -1);
        for (int i = 0; i < count; ++i) {
            box->addItem(header->isChecked()
                             ? tr("%1: %2", "column number: its name").arg(i + 1).arg(columns.names.value(i))
                             : tr("Column %1 (%2)").arg(i + 1).arg(columns.samples.value(i)),
                         i);
        }
        Select(box, chosen);
    }
}

// An amount column makes debit and credit columns meaningless, and debit/credit words need one; OK needs a date
// and some money column. The sample says what the first lines become, or why they cannot be read.
void CsvMappingDialog::UpdateControls() {
    const bool signedAmounts = ColumnOf(amountColumn) >= 0;
    debitColumn->setEnabled(!signedAmounts);
    creditColumn->setEnabled(!signedAmounts);
    directionColumn->setEnabled(signedAmounts);
    const bool complete =
        ColumnOf(dateColumn) >= 0 && (signedAmounts || ColumnOf(debitColumn) >= 0 || ColumnOf(creditColumn) >= 0);
    OKButton->setEnabled(complete);
    if (!complete) {
        sample->clear();
        return;
    }
    const import::ReadResult read = import::ReadCsv(statement, Mapping());
    QStringList shown;
    for (size_t i = 0; i < std::min<size_t>(read.lines.size(), 3); ++i)
        shown << SampleText(read.lines[i]);
    sample->setText(read.Ok() ? tr("First lines as read:\n%1").arg(shown.join(QLatin1Char('\n')))
                              : tr("These columns cannot be read: %1").arg(read.error));
}

import::CsvMapping CsvMappingDialog::Mapping() const {import::CsvMapping m;
m.header = header->isChecked() ? import::CsvHeader::Yes : import::CsvHeader::No;
m.date = ColumnOf(dateColumn);
m.dateOrder = import::DateOrder(dateOrder->currentData().toInt());
m.amount = ColumnOf(amountColumn);
if (m.amount < 0) {
    m.debit = ColumnOf(debitColumn);
    m.credit = ColumnOf(creditColumn);
} else {
    m.direction = ColumnOf(directionColumn);
}
m.payee = ColumnOf(payeeColumn);
m.payeeMore = ColumnOf(payeeMoreColumn);
m.checkNumber = ColumnOf(checkColumn);
m.type = ColumnOf(typeColumn);
m.status = ColumnOf(statusColumn);
m.category = ColumnOf(categoryColumn);
m.split = ColumnOf(splitColumn);
m.decimalSeparator = decimalSeparator->currentData().toString().at(0);
return m;
}

AccountDialog::AccountDialog(QWidget* parent, const std::vector<import::StatementAccount>& accounts) : QDialog(parent) {
    setObjectName(QStringLiteral("AccountDialog"));
    setWindowTitle(tr("Import"));
    auto* label =
        new QLabel(tr("The statement holds %1 accounts. Which one goes into this ledger?").arg(accounts.size()), this);
    lstAccounts = new QListWidget(this);
    lstAccounts->setObjectName(QStringLiteral("lstAccounts"));
    for (const import::StatementAccount& a : accounts) {
        const QString id = a.id.isEmpty() ? tr("no account id") : a.id;
        auto* item = new QListWidgetItem(a.lines == 1 ? tr("%1 (1 transaction)").arg(id)
                                                      : tr("%1 (%2 transactions)").arg(id, QString::number(a.lines)),
                                         lstAccounts);
        item->setData(Qt::UserRole, a.id);
    }
    lstAccounts->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstAccounts, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstAccounts);
    layout->addWidget(buttons);
}

QString AccountDialog::Account() const {
    return lstAccounts->currentItem()->data(Qt::UserRole).toString();
}

namespace {

enum PreviewColumn { DateColumn, AmountColumn, PayeeColumn, CheckColumn, CategoryColumn, WhatColumn, ColumnCount };

bool IsAddedSingle(const import::PlannedLine& p) {
    return p.kind == import::PlanKind::Add && !p.category.IsSplit();
}

} // namespace

ImportPreview::ImportPreview(QWidget* parent, const QString& statementName, import::ImportPlan& plan,
                             const QStringList& notes)
    : QDialog(parent), plan(plan) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(tr("Import %1").arg(statementName));
    categories = ledger::CategoryList();
    for (const import::PlannedLine& p : plan.lines) {
        if (!p.category.category.isEmpty() && !categories.contains(p.category.category))
            categories << p.category.category;
    }
    table = new QTableWidget(int(plan.lines.size()), ColumnCount, this);
    table->setObjectName(QStringLiteral("tblLines"));
    table->setAccessibleName(tr("Statement lines"));
    table->setHorizontalHeaderLabels(
        {tr("Date"), tr("Amount"), tr("Payee"), tr("Check #"), tr("Category"), tr("What happens")});
    // Only the category of a line to add is edited, with completion from the categories there are.
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    table->setItemDelegateForColumn(CategoryColumn, new CategoryDelegate(table, categories));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; row < int(plan.lines.size()); ++row) {
        const import::PlannedLine& p = plan.lines[size_t(row)];
        // A line the reader skipped or refused may have no date, and keeps the statement's own payee.
        const QString cells[] = {p.line.date ? platform::FormatShortDate(p.line.date) : QString(),
                                 platform::FormatCents(p.line.cents),
                                 p.description.isEmpty() ? p.line.payee.simplified() : p.description.trimmed(),
                                 p.line.checkNumber,
                                 QString(),
                                 WhatHappens(p)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column == AmountColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The payee as the ledger will keep it; the statement's own words when they had to be cut or changed.
            // A cut one ends in "…", so that the preview shows it without a pointer over the cell.
            if (column == PayeeColumn && cells[column] != p.line.payee.simplified()) {
                const bool cut =
                    ledger::ControlCharactersAsSpaces(p.line.payee).simplified().size() > ledger::DescriptionLength;
                if (cut)
                    item->setText(cells[column] + QChar(0x2026));
                item->setToolTip(
                    (cut ? tr("Cut to %1 characters; the statement says: %2").arg(ledger::DescriptionLength)
                         : tr("The statement says: %1"))
                        .arg(p.line.payee));
            }
            table->setItem(row, column, item);
        }
        ShowCategory(row);
    }
    table->resizeColumnsToContents();
    // Room for the categories the user may choose, up to a point, and one line per row.
    int categoryWidth = 0;
    for (const QString& category : categories)
        categoryWidth = std::max(categoryWidth, table->fontMetrics().horizontalAdvance(category) + 16);
    table->setColumnWidth(CategoryColumn, std::max(table->columnWidth(CategoryColumn), std::min(categoryWidth, 240)));
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableWidget::itemChanged, this, &ImportPreview::CategoryTyped);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* makeRule = new QAction(tr("Make a &Rule..."), table);
    table->addAction(makeRule);
    connect(makeRule, &QAction::triggered, this, &ImportPreview::MakeRule);
    ruleButton = new QPushButton(makeRule->text(), this);
    ruleButton->setObjectName(QStringLiteral("cmdMakeRule"));
    connect(ruleButton, &QPushButton::clicked, this, &ImportPreview::MakeRule);
    // A rule is made of a line to add.
    connect(table, &QTableWidget::currentCellChanged, this, [this, makeRule](int row) {
        const bool adds = row >= 0 && this->plan.lines[size_t(row)].kind == import::PlanKind::Add;
        makeRule->setEnabled(adds);
        ruleButton->setEnabled(adds);
    });
    makeRule->setEnabled(false);
    ruleButton->setEnabled(false);
    rules = new QLabel(this);
    rules->setObjectName(QStringLiteral("lblRules"));
    rules->setWordWrap(true);
    rules->setTextFormat(Qt::PlainText);
    rules->hide();

    const int adds = plan.Count(import::PlanKind::Add);
    const int skipped = plan.Count(import::PlanKind::Skipped);
    const QString others = skipped ? tr(", %1 to skip for the reasons shown").arg(skipped) : QString();
    auto* summary = new QLabel(tr("%1 to add, %2 to mark cleared, %3 to skip as duplicates%4, %5 refused")
                                   .arg(QString::number(adds), QString::number(plan.Marks()),
                                        QString::number(plan.Skips() - skipped), others,
                                        QString::number(plan.Count(import::PlanKind::Refused))),
                               this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("cmdImport"));
    importButton->setEnabled(adds > 0 || plan.Marks() > 0);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    auto* ruleRow = new QHBoxLayout;
    ruleRow->addWidget(rules, 1);
    ruleRow->addWidget(ruleButton, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addLayout(ruleRow);
    if (!notes.isEmpty()) {
        auto* said = new QLabel(notes.join(QLatin1Char('\n')), this);
        said->setObjectName(QStringLiteral("lblNotes"));
        said->setWordWrap(true);
        layout->addWidget(said);
    }
    layout->addWidget(summary);
    layout->addWidget(buttons);
    resize(860, 420);
}

// The category cell of a row as the plan has it: a line to add shows its category, where it came from in the
// tooltip, and takes another; a split shows its parts in the tooltip.
void ImportPreview::ShowCategory(int row) {
    const import::PlannedLine& p = plan.lines[size_t(row)];
    QTableWidgetItem* item = table->item(row, CategoryColumn);
    const QSignalBlocker quiet(table);
    QString tip;
    switch (p.categorySource) {
    case import::CategorySource::Statement:
        tip = p.category.IsSplit() ? tr("Split as the statement says: %1").arg(import::PartsText(p.category.parts))
                                   : tr("As the statement says");
        break;
    case import::CategorySource::Rule:
        tip = tr("By the rule for descriptions that contain \"%1\"").arg(p.rule);
        break;
    case import::CategorySource::Payee:
        tip = tr("As the payee's last transaction");
        break;
    case import::CategorySource::None:
    case import::CategorySource::Chosen:
        break;
    }
    item->setText(p.category.IsSplit() ? tr("(split)") : p.category.category);
    item->setToolTip(tip);
    item->setFlags(IsAddedSingle(p) ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
}

// What was typed becomes the line's category, tidied (the editor takes no more than a path may hold).
void ImportPreview::CategoryTyped(QTableWidgetItem* item) {
    if (item->column() != CategoryColumn)
        return;
    import::ChooseCategory(plan, size_t(item->row()), item->text());
    ShowCategory(item->row());
}

// A rule of the current line's payee and category, or of what the user makes of them; it decides the other lines
// it matches too, unless their category came from the statement or was chosen here.
void ImportPreview::MakeRule() {
    const int row = table->currentRow();
    if (row < 0 || plan.lines[size_t(row)].kind != import::PlanKind::Add)
        return;
    const import::PlannedLine& p = plan.lines[size_t(row)];
    RuleDialog dialog(this, p.description, p.category.category, categories);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ledger::CategoryRule rule = dialog.Rule();
    if (!import::AddRule(plan, rule))
        return;
    // The line the rule was made of takes its category, whatever was chosen before.
    if (IsAddedSingle(p) && p.categorySource != import::CategorySource::Rule)
        import::ChooseCategory(plan, size_t(row), rule.category);
    if (!categories.contains(rule.category))
        categories << rule.category;
    for (int each = 0; each < table->rowCount(); ++each)
        ShowCategory(each);
    ShowRules();
}

void ImportPreview::ShowRules() {
    QStringList made;
    for (const ledger::CategoryRule& rule : plan.newRules)
        made << tr("\"%1\" → %2", "description contains TEXT: CATEGORY").arg(rule.contains, rule.category);
    rules->setText(tr("Rules kept with the import: %1").arg(made.join(QStringLiteral("; "))));
    rules->setVisible(!made.isEmpty());
}

// A sentence for each type, not the type's name put into one: a translation may need to change the words around it.
QString ImportPreview::AddAs(int typeCode, int checkNumber) {
    switch (typeCode) {
    case ledger::Withdrawal:
        return tr("Add as Withdrawal");
    case ledger::Fee:
        return tr("Add as Fee");
    case ledger::Deposit:
        return tr("Add as Deposit");
    case ledger::Interest:
        return tr("Add as Interest");
    default:
        break;
    }
    return ledger::IsCheck(typeCode, checkNumber) ? tr("Add as Check") : tr("Add as Payment");
}

QString ImportPreview::WhatHappens(const import::PlannedLine& p) {
    switch (p.kind) {
    case import::PlanKind::Add:
        if (p.entersScheduled)
            return tr("Enters scheduled: %1 on %2")
                .arg(p.entersScheduled->description, platform::FormatShortDate(p.entersScheduled->occurrence.day));
        return AddAs(p.typeCode, p.checkNumber);
    case import::PlanKind::Duplicate:
        if (p.marksCleared)
            return tr("Matches %1: marks it cleared").arg(p.duplicateRecord);
        if (p.deletedEarlier)
            return tr("Skip: deleted earlier");
        if (p.duplicateSlot)
            return tr("Skip: duplicate of %1").arg(p.duplicateRecord);
        return tr("Skip: repeats row %1").arg(p.duplicateLine + 1); // the row above in this table
    case import::PlanKind::Skipped:
        return tr("Skip: %1").arg(p.reason);
    case import::PlanKind::Refused:
        break;
    }
    return tr("Refused: %1").arg(p.reason);
}

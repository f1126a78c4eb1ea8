#include "ui/register/SplitEditor.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {
enum PartColumn { CategoryColumn, MemoColumn, AmountColumn, PartColumns };

// Editors as long as a part may be; the category's completes from the ledger's list, wherever the typed text lies
// in a path ("groc" finds Food:Groceries).
class PartDelegate : public QStyledItemDelegate {
public:
    PartDelegate(const QStringList& categories, QObject* parent)
        : QStyledItemDelegate(parent), categories(categories) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!editor)
            return QStyledItemDelegate::createEditor(parent, option, index);
        if (index.column() == CategoryColumn) {
            editor->setMaxLength(ledger::MaxCategoryLength);
            auto* completer = new QCompleter(categories, editor);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setFilterMode(Qt::MatchContains);
            editor->setCompleter(completer);
        } else if (index.column() == MemoColumn) {
            editor->setMaxLength(ledger::MaxPartMemoLength);
        }
        return editor;
    }

private:
    QStringList categories;
};
} // namespace

SplitEditor::SplitEditor(QWidget* owner, const QString& payee, int64_t cents,
                         const ledger::CategoryAssignment& assignment, const QStringList& categories)
    : QDialog(owner), cents(cents) {
    setObjectName(QStringLiteral("SplitEditor"));
    setWindowTitle(tr("Split"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Parts of %1, %2:").arg(payee, codec.FormatCents(cents)), this);
    label->setWordWrap(true);
    layout->addWidget(label);

    table = new QTableWidget(0, PartColumns, this);
    table->setObjectName(QStringLiteral("Parts"));
    table->setHorizontalHeaderLabels({tr("Category"), tr("Memo"), tr("Amount")});
    table->horizontalHeader()->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setItemDelegate(new PartDelegate(categories, table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    label->setBuddy(table);
    layout->addWidget(table);

    auto* partButtons = new QHBoxLayout;
    addPart = new QPushButton(tr("&Add Part"), this);
    addPart->setObjectName(QStringLiteral("AddPart"));
    addPart->setAutoDefault(false);
    removePart = new QPushButton(tr("&Remove Part"), this);
    removePart->setObjectName(QStringLiteral("RemovePart"));
    removePart->setAutoDefault(false);
    left = new QLabel(this);
    left->setObjectName(QStringLiteral("LeftToAssign"));
    partButtons->addWidget(addPart);
    partButtons->addWidget(removePart);
    partButtons->addStretch(1);
    partButtons->addWidget(left);
    layout->addLayout(partButtons);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    if (assignment.IsSplit()) {
        QPushButton* unsplit = buttons->addButton(tr("Remove &Split"), QDialogButtonBox::ResetRole);
        unsplit->setObjectName(QStringLiteral("RemoveSplit"));
        connect(unsplit, &QPushButton::clicked, this, [this] {
            removed = true;
            QDialog::accept();
        });
    }
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SplitEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(addPart, &QPushButton::clicked, this, &SplitEditor::AddPartClicked);
    connect(removePart, &QPushButton::clicked, this, &SplitEditor::RemovePartClicked);
    connect(table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        // A typed amount is shown as every other amount is ("6" as "6.00"), once it reads as one.
        if (item->column() == AmountColumn)
            if (const std::optional<int64_t> typed = PartCents(item->row())) {
                const QSignalBlocker quiet(table);
                item->setText(codec.FormatCents(*typed));
            }
        UpdateLeft();
    });

    if (assignment.IsSplit()) {
        for (const ledger::SplitPart& part : assignment.parts)
            AddPart(part);
    } else {
        AddPart({assignment.category, QString(), cents});
        AddPart({});
    }
    UpdateLeft();
    table->setMinimumWidth(table->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('M'))));
}

void SplitEditor::AddPart(const ledger::SplitPart& part) {
    const QSignalBlocker quiet(table);
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, CategoryColumn, new QTableWidgetItem(part.category));
    table->setItem(row, MemoColumn, new QTableWidgetItem(part.memo));
    auto* amount = new QTableWidgetItem(codec.FormatCents(part.cents));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, AmountColumn, amount);
}

void SplitEditor::AddPartClicked() {
    // The new part takes what is left, which is most often what it is for.
    AddPart({QString(), QString(), LeftCents().value_or(0)});
    UpdateLeft();
    table->setCurrentCell(table->rowCount() - 1, CategoryColumn);
    table->editItem(table->currentItem());
}

void SplitEditor::RemovePartClicked() {
    const int row = table->currentRow();
    if (row < 0)
        return;
    table->removeRow(row);
    UpdateLeft();
}

std::optional<int64_t> SplitEditor::PartCents(int row) const {
    const QTableWidgetItem* item = table->item(row, AmountColumn);
    const QString text = item ? item->text().trimmed() : QString();
    const std::optional<double> value = platform::ToDouble(text);
    if (!value)
        return std::nullopt;
    const double hundredths = *value * 100.0;
    const double whole = std::round(hundredths);
    // Cents only: a third decimal is a typing error, not something to round away, however large the amount (the
    // tolerance stays far below a cent for every amount a record holds).
    if (std::fabs(hundredths - whole) > std::max(1e-6, 1e-12 * std::fabs(whole)) ||
        std::fabs(whole) > double(ledger::MaxCents))
        return std::nullopt;
    return int64_t(whole);
}

std::optional<int64_t> SplitEditor::LeftCents() const {
    int64_t total = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        const std::optional<int64_t> part = PartCents(row);
        if (!part)
            return std::nullopt;
        total += *part;
    }
    return cents - total;
}

void SplitEditor::UpdateLeft() {
    const std::optional<int64_t> cents = LeftCents();
    left->setText(cents ? tr("Left to assign: %1").arg(codec.FormatCents(*cents)) : tr("Left to assign: ?"));
    addPart->setEnabled(table->rowCount() < ledger::MaxSplitParts);
}

std::vector<ledger::SplitPart> SplitEditor::Parts() const {
    std::vector<ledger::SplitPart> parts;
    for (int row = 0; row < table->rowCount(); ++row)
        parts.push_back({ledger::NormalizedCategory(table->item(row, CategoryColumn)->text()),
                         table->item(row, MemoColumn)->text(), PartCents(row).value_or(0)});
    return parts;
}

QString SplitEditor::Fault() const {
    if (table->rowCount() < 2)
        return tr("A split needs at least two parts: add a part.");
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString category = table->item(row, CategoryColumn)->text();
        const QString tidy = ledger::NormalizedCategory(category);
        if ((tidy.isEmpty() && !category.trimmed().isEmpty()) || tidy.size() > ledger::MaxCategoryLength)
            return tr("Part %1: \"%2\" is not a category. Type a name, or names separated by colons, such as "
                      "Food:Groceries.")
                .arg(QString::number(row + 1), category);
        if (!PartCents(row))
            return tr("Part %1: \"%2\" is not an amount. Type one such as %3, with at most two decimals.")
                .arg(QString::number(row + 1), table->item(row, AmountColumn)->text(), codec.FormatCents(1234));
    }
    if (const int64_t rest = *LeftCents(); rest != 0)
        return tr("%1 is left to assign: the parts must add up to %2. Change a part's amount, or add a part.")
            .arg(codec.FormatCents(rest), codec.FormatCents(cents));
    return {};
}

void SplitEditor::accept() {
    if (const QString fault = Fault(); !fault.isEmpty()) {
        platform::MsgBox(fault);
        return;
    }
    QDialog::accept();
}

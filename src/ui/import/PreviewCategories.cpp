#include "ui/import/PreviewCategories.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QCompleter* CategoryCompleter(QObject* parent, const QStringList& categories) {
    auto* completer = new QCompleter(categories, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    return completer;
}

CategoryDelegate::CategoryDelegate(QObject* parent, const QStringList& categories)
    : QStyledItemDelegate(parent), categories(categories) {}

QWidget* CategoryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("txtCategory"));
    editor->setMaxLength(ledger::MaxCategoryLength);
    editor->setCompleter(CategoryCompleter(editor, categories));
    return editor;
}

RuleDialog::RuleDialog(QWidget* parent, const QString& payee, const QString& chosen, const QStringList& categories)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RuleDialog"));
    setWindowTitle(tr("Make a Rule"));
    contains = new QLineEdit(payee.trimmed().left(ledger::MaxRulePatternLength), this);
    contains->setObjectName(QStringLiteral("txtContains"));
    contains->setMaxLength(ledger::MaxRulePatternLength);
    category = new QLineEdit(chosen, this);
    category->setObjectName(QStringLiteral("txtCategory"));
    category->setMaxLength(ledger::MaxCategoryLength);
    category->setCompleter(CategoryCompleter(category, categories));
    auto* form = new QFormLayout;
    form->addRow(tr("&Description contains:"), contains);
    form->addRow(tr("&Category:"), category);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    auto* explained = new QLabel(tr("Lines whose description contains the text (ignoring case) take the category, in "
                                    "this import and the next ones."),
                                 this);
    explained->setWordWrap(true);
    layout->addWidget(explained);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(contains, &QLineEdit::textChanged, this, &RuleDialog::UpdateOK);
    connect(category, &QLineEdit::textChanged, this, &RuleDialog::UpdateOK);
    UpdateOK();
}

ledger::CategoryRule RuleDialog::Rule() const {
    return {contains->text().trimmed(), ledger::NormalizedCategory(category->text())};
}

void RuleDialog::UpdateOK() {
    const ledger::CategoryRule rule = Rule();
    OKButton->setEnabled(!rule.contains.isEmpty() && ledger::IsCategoryPath(rule.category));
}

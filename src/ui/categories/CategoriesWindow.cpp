#include "ui/categories/CategoriesWindow.h"

#include "ledger/Ledger.h"
#include "ledger/StoreNotifier.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "ui/categories/CategoryChoiceDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>
#include <optional>

namespace {
enum Column { CategoryColumn, TransactionsColumn, AmountColumn };
constexpr int PathRole = Qt::UserRole;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QTreeWidget* List(QWidget* parent, const char* name, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setHeaderLabels(headers);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * 80, list->fontMetrics().height() * 18);
    return list;
}

QVBoxLayout* Commands(std::initializer_list<QPushButton*> buttons) {
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : buttons)
        commands->addWidget(button);
    commands->addStretch();
    return commands;
}

// What the user typed as a path, tidied; none (and the user told why) when nothing or too much is left.
std::optional<QString> TypedPath(const QString& typed) {
    const QString path = ledger::NormalizedCategory(typed);
    if (path.isEmpty()) {
        platform::MsgBox(CategoriesWindow::tr("Type a category, such as Food:Groceries; a colon puts a category under "
                                              "another."));
        return std::nullopt;
    }
    if (path.size() > ledger::MaxCategoryLength) {
        platform::MsgBox(CategoriesWindow::tr("%1 is %2 characters long; a category may have at most %3, its colons "
                                              "included.")
                             .arg(path.left(40) + QStringLiteral("..."), QString::number(path.size()),
                                  QString::number(ledger::MaxCategoryLength)));
        return std::nullopt;
    }
    return path;
}

// How many live transactions each category holds, itself and under it, a transaction counting once in each however
// many of its parts are there.
std::map<QString, int> TransactionsUnder() {
    std::map<QString, int> counts;
    ledger::TransactionRecord record;
    int16_t slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        const ledger::CategoryAssignment assignment = ledger::CategoryOf(slot);
        QSet<QString> holding;
        for (const QString& each : ledger::CategoryAndParents(assignment.category))
            holding.insert(each);
        for (const ledger::SplitPart& part : assignment.parts)
            for (const QString& each : ledger::CategoryAndParents(part.category))
                holding.insert(each);
        for (const QString& path : holding)
            counts[path] += 1;
    }
    return counts;
}

QString TransactionCount(int count) {
    return count == 1 ? CategoriesWindow::tr("1 transaction") : CategoriesWindow::tr("%1 transactions").arg(count);
}

// Every category but `path` and those under it: where its transactions can go.
QStringList CategoriesOutside(const QString& path) {
    QStringList outside = ledger::CategoryList();
    outside.removeIf([&](const QString& each) { return ledger::IsInCategory(each, path); });
    return outside;
}
} // namespace

CategoriesWindow::CategoriesWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("CategoriesWindow"));
    setWindowTitle(tr("Categories"));
    setModal(true);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));

    auto* categoriesPage = new QWidget(tabs);
    categoryTree = List(categoriesPage, "categoryTree", {tr("Category"), tr("Transactions"), tr("Amount")});
    categoryTree->headerItem()->setTextAlignment(TransactionsColumn, Qt::AlignRight | Qt::AlignVCenter);
    categoryTree->headerItem()->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    const QString withSubcategories = tr("A category's figures include those of the categories under it.");
    categoryTree->headerItem()->setToolTip(TransactionsColumn, withSubcategories);
    categoryTree->headerItem()->setToolTip(AmountColumn, withSubcategories);
    addCategoryButton = Button(categoriesPage, "addCategoryButton", tr("&Add..."));
    renameCategoryButton = Button(categoriesPage, "renameCategoryButton", tr("&Rename..."));
    mergeCategoryButton = Button(categoriesPage, "mergeCategoryButton", tr("&Merge into..."));
    deleteCategoryButton = Button(categoriesPage, "deleteCategoryButton", tr("&Delete..."));
    auto* categoriesRow = new QHBoxLayout(categoriesPage);
    categoriesRow->addWidget(categoryTree, 1);
    categoriesRow->addLayout(
        Commands({addCategoryButton, renameCategoryButton, mergeCategoryButton, deleteCategoryButton}));
    tabs->addTab(categoriesPage, tr("Categories"));

    auto* rulesPage = new QWidget(tabs);
    ruleList = List(rulesPage, "ruleList", {tr("Description contains"), tr("Category")});
    ruleList->setRootIsDecorated(false);
    ruleList->setToolTip(tr("An imported statement line whose description contains the text, in any letter case, "
                            "takes the category of the first rule that matches."));
    addRuleButton = Button(rulesPage, "addRuleButton", tr("New r&ule..."));
    editRuleButton = Button(rulesPage, "editRuleButton", tr("&Edit rule..."));
    removeRuleButton = Button(rulesPage, "removeRuleButton", tr("Remo&ve rule"));
    auto* rulesRow = new QHBoxLayout(rulesPage);
    rulesRow->addWidget(ruleList, 1);
    rulesRow->addLayout(Commands({addRuleButton, editRuleButton, removeRuleButton}));
    tabs->addTab(rulesPage, tr("Import rules"));

    // Ctrl+Z and Ctrl+Y anywhere in the window; the buttons show what can be taken back.
    undoButton = Button(this, "undoButton", tr("Undo"));
    redoButton = Button(this, "redoButton", tr("Redo"));
    auto* undoAction = new QAction(this);
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* redoAction = new QAction(this);
    redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    addActions({undoAction, redoAction});
    undoButton->setToolTip(undoAction->shortcut().toString(QKeySequence::NativeText));
    redoButton->setToolTip(redoAction->shortcut().toString(QKeySequence::NativeText));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(undoButton);
    bottom->addWidget(redoButton);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);

    connect(addCategoryButton, &QPushButton::clicked, this, &CategoriesWindow::AddCategory);
    connect(renameCategoryButton, &QPushButton::clicked, this, &CategoriesWindow::RenameCategory);
    connect(mergeCategoryButton, &QPushButton::clicked, this, &CategoriesWindow::MergeCategory);
    connect(deleteCategoryButton, &QPushButton::clicked, this, &CategoriesWindow::DeleteCategory);
    connect(categoryTree, &QTreeWidget::currentItemChanged, this, &CategoriesWindow::UpdateButtons);
    connect(categoryTree, &QTreeWidget::itemActivated, this, &CategoriesWindow::RenameCategory);
    connect(addRuleButton, &QPushButton::clicked, this, &CategoriesWindow::AddRule);
    connect(editRuleButton, &QPushButton::clicked, this, &CategoriesWindow::EditRule);
    connect(removeRuleButton, &QPushButton::clicked, this, &CategoriesWindow::RemoveRule);
    connect(ruleList, &QTreeWidget::itemActivated, this, &CategoriesWindow::EditRule);
    connect(ruleList, &QTreeWidget::currentItemChanged, this, &CategoriesWindow::UpdateButtons);
    connect(undoButton, &QPushButton::clicked, this, &CategoriesWindow::Undo);
    connect(redoButton, &QPushButton::clicked, this, &CategoriesWindow::Redo);
    connect(undoAction, &QAction::triggered, this, &CategoriesWindow::Undo);
    connect(redoAction, &QAction::triggered, this, &CategoriesWindow::Redo);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&ledger::Notifier(), &ledger::StoreNotifier::Changed, this, &CategoriesWindow::Refill);
    Refill();
}

void CategoriesWindow::Refill() {
    FillTree();
    FillRules();
    UpdateButtons();
}

void CategoriesWindow::FillTree() {
    const QString selected = SelectedCategory();
    // A category's own figures, and its amount with those under it.
    std::map<QString, ledger::CategoryUse> uses;
    std::map<QString, int64_t> centsUnder;
    for (const ledger::CategoryUse& use : ledger::CategoryUses()) {
        uses[use.path] = use;
        for (const QString& each : ledger::CategoryAndParents(use.path))
            centsUnder[each] += use.cents;
    }
    const std::map<QString, int> transactionsUnder = TransactionsUnder();
    categoryTree->clear();
    // The list is sorted with every category's parents in it, so a parent's row is there before its children's.
    std::map<QString, QTreeWidgetItem*> rows;
    for (const QString& path : ledger::CategoryList()) {
        const qsizetype cut = path.lastIndexOf(ledger::CategorySeparator);
        const auto parent = cut < 0 ? rows.end() : rows.find(path.left(cut));
        auto* row = parent == rows.end() ? new QTreeWidgetItem(categoryTree) : new QTreeWidgetItem(parent->second);
        row->setText(CategoryColumn, ledger::CategoryLeaf(path));
        row->setData(CategoryColumn, PathRole, path);
        rows[path] = row;
    }
    for (const auto& [path, row] : rows) {
        const auto transactions = transactionsUnder.find(path);
        const auto cents = centsUnder.find(path);
        row->setText(TransactionsColumn,
                     QString::number(transactions == transactionsUnder.end() ? 0 : transactions->second));
        row->setText(AmountColumn, platform::FormatCents(cents == centsUnder.end() ? 0 : cents->second));
        row->setTextAlignment(TransactionsColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (row->childCount() > 0) {
            const auto own = uses.find(path);
            const ledger::CategoryUse alone = own == uses.end() ? ledger::CategoryUse() : own->second;
            const QString tip =
                tr("%1 alone: %2, %3")
                    .arg(path, TransactionCount(alone.transactions), platform::FormatCents(alone.cents));
            for (int column : {TransactionsColumn, AmountColumn})
                row->setToolTip(column, tip);
        }
    }
    categoryTree->expandAll();
    SelectCategory(selected);
}

void CategoriesWindow::FillRules() {
    const int selected = SelectedRule();
    ruleList->clear();
    for (const ledger::CategoryRule& rule : ledger::CategoryRules())
        new QTreeWidgetItem(ruleList, {rule.contains, rule.category});
    if (selected >= 0 && ruleList->topLevelItemCount() > 0)
        ruleList->setCurrentItem(ruleList->topLevelItem(std::min(selected, ruleList->topLevelItemCount() - 1)));
}

void CategoriesWindow::UpdateButtons() {
    const bool category = !SelectedCategory().isEmpty();
    for (QPushButton* button : {renameCategoryButton, mergeCategoryButton, deleteCategoryButton})
        button->setEnabled(category);
    const bool rule = SelectedRule() >= 0;
    editRuleButton->setEnabled(rule);
    removeRuleButton->setEnabled(rule);
    undoButton->setEnabled(!undoSteps.empty());
    redoButton->setEnabled(!redoSteps.empty());
}

QString CategoriesWindow::SelectedCategory() const {
    const QTreeWidgetItem* row = categoryTree->currentItem();
    return row ? row->data(CategoryColumn, PathRole).toString() : QString();
}

int CategoriesWindow::SelectedRule() const {
    return ruleList->currentItem() ? ruleList->indexOfTopLevelItem(ruleList->currentItem()) : -1;
}

void CategoriesWindow::SelectCategory(const QString& path) {
    for (QTreeWidgetItemIterator each(categoryTree); *each; ++each)
        if ((*each)->data(CategoryColumn, PathRole).toString() == path) {
            categoryTree->setCurrentItem(*each);
            return;
        }
}

bool CategoriesWindow::Step(const std::function<bool()>& change) {
    const ledger::CategorySnapshot before = ledger::TakeCategories();
    if (!change())
        return false;
    if (ledger::TakeCategories() == before)
        return true;
    undoSteps.push_back(before);
    redoSteps.clear();
    UpdateButtons();
    return true;
}

void CategoriesWindow::Undo() {
    if (undoSteps.empty())
        return;
    redoSteps.push_back(ledger::TakeCategories());
    const ledger::CategorySnapshot step = undoSteps.back();
    undoSteps.pop_back();
    ledger::RestoreCategories(step);
    UpdateButtons();
}

void CategoriesWindow::Redo() {
    if (redoSteps.empty())
        return;
    undoSteps.push_back(ledger::TakeCategories());
    const ledger::CategorySnapshot step = redoSteps.back();
    redoSteps.pop_back();
    ledger::RestoreCategories(step);
    UpdateButtons();
}

void CategoriesWindow::AddCategory() {
    const QString selected = SelectedCategory();
    CategoryChoiceDialog dialog(
        this, tr("Add Category"), tr("The new category; a colon puts it under another (Food:Groceries)."),
        ledger::CategoryList(), selected.isEmpty() ? QString() : selected + QLatin1Char(':'), true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<QString> path = TypedPath(dialog.Category());
    if (!path)
        return;
    if (ledger::CategoryList().contains(*path)) {
        platform::MsgBox(tr("%1 is already in the list.").arg(*path));
        SelectCategory(*path);
        return;
    }
    Step([&] { return ledger::AddCategory(*path); });
    SelectCategory(*path);
}

void CategoriesWindow::RenameCategory() {
    const QString from = SelectedCategory();
    if (from.isEmpty())
        return;
    CategoryChoiceDialog dialog(
        this, tr("Rename Category"),
        tr("The new name of %1, wherever it is used; the categories under it move along.").arg(from),
        ledger::CategoryList(), from, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<QString> to = TypedPath(dialog.Category());
    if (!to || *to == from)
        return;
    if (ledger::IsInCategory(*to, from)) {
        platform::MsgBox(tr("%1 cannot move under itself.").arg(from));
        return;
    }
    if (ledger::CategoryList().contains(*to) &&
        platform::MsgBox(tr("%1 is already a category. Merge %2 into %1?").arg(*to, from), platform::Buttons::YesNo,
                         platform::ProgramTitle(), platform::Icon::Question,
                         platform::Answer::No) != platform::Answer::Yes)
        return;
    if (!Step([&] { return ledger::MoveCategory(from, *to); })) {
        platform::MsgBox(tr("%1 cannot be renamed %2: a category under it would be longer than %3 characters.")
                             .arg(from, *to, QString::number(ledger::MaxCategoryLength)));
        return;
    }
    SelectCategory(*to);
}

void CategoriesWindow::MergeCategory() {
    const QString from = SelectedCategory();
    const QStringList targets = CategoriesOutside(from);
    if (from.isEmpty())
        return;
    if (targets.isEmpty()) {
        platform::MsgBox(tr("There is no other category to merge %1 into.").arg(from));
        return;
    }
    CategoryChoiceDialog dialog(
        this, tr("Merge Category"),
        tr("Merge %1 into (its transactions, the categories under it and its rules move there):").arg(from), targets,
        QString(), false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString to = dialog.Category();
    if (!Step([&] { return ledger::MoveCategory(from, to); })) {
        platform::MsgBox(tr("%1 cannot be merged into %2: a category under it would be longer than %3 characters.")
                             .arg(from, to, QString::number(ledger::MaxCategoryLength)));
        return;
    }
    SelectCategory(to);
}

void CategoriesWindow::DeleteCategory() {
    const QString path = SelectedCategory();
    if (path.isEmpty())
        return;
    const int count = TransactionsUnder()[path];
    QString moveTo;
    if (count == 0) {
        if (platform::MsgBox(tr("Delete %1 and any category under it? No transaction uses them.").arg(path),
                             platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question,
                             platform::Answer::No) != platform::Answer::Yes)
            return;
    } else {
        const QString none = tr("(no category)");
        CategoryChoiceDialog dialog(
            this, tr("Delete Category"),
            tr("Delete %1 and any category under it? The %2 it holds will move to:").arg(path, TransactionCount(count)),
            QStringList{none} + CategoriesOutside(path), none, false);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (dialog.ChosenIndex() > 0)
            moveTo = dialog.Category();
    }
    Step([&] { return ledger::DeleteCategory(path, moveTo); });
}

bool CategoriesWindow::AskForRule(const QString& title, ledger::CategoryRule& shown) {
    CategoryChoiceDialog dialog(this, title, tr("&Category:"), ledger::CategoryList(), shown.category, true);
    dialog.AskForText(shown.contains, ledger::MaxRulePatternLength);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString contains = dialog.Text().trimmed();
    if (contains.isEmpty()) {
        platform::MsgBox(tr("Type the text a statement line's description contains, such as AMAZON."));
        return false;
    }
    const std::optional<QString> category = TypedPath(dialog.Category());
    if (!category)
        return false;
    shown = {contains, *category};
    return true;
}

void CategoriesWindow::AddRule() {
    ledger::CategoryRule rule{QString(), SelectedCategory()};
    if (!AskForRule(tr("New Import Rule"), rule))
        return;
    std::vector<ledger::CategoryRule> rules = ledger::CategoryRules();
    rules.push_back(rule);
    Step([&] { return ledger::SetCategoryRules(rules); });
    ruleList->setCurrentItem(ruleList->topLevelItem(ruleList->topLevelItemCount() - 1));
}

void CategoriesWindow::EditRule() {
    const int index = SelectedRule();
    std::vector<ledger::CategoryRule> rules = ledger::CategoryRules();
    if (index < 0 || size_t(index) >= rules.size())
        return;
    if (!AskForRule(tr("Edit Import Rule"), rules[size_t(index)]))
        return;
    Step([&] { return ledger::SetCategoryRules(rules); });
}

void CategoriesWindow::RemoveRule() {
    const int index = SelectedRule();
    std::vector<ledger::CategoryRule> rules = ledger::CategoryRules();
    if (index < 0 || size_t(index) >= rules.size())
        return;
    rules.erase(rules.begin() + index);
    Step([&] { return ledger::SetCategoryRules(rules); });
}

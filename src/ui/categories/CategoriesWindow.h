#pragma once
// Setup ▸ Categories...: the ledger's categories as a tree with how many transactions and how much money each holds,
// added, renamed, merged and deleted here, and the import rules that give a statement line its category. Every
// command changes the ledger at once, as one step that Undo (Ctrl+Z) takes back and Redo (Ctrl+Y) makes again while
// the window is open. Created for each showing, modal over its owner; it follows the store as it changes.

#include "ledger/Categories.h"

#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

class CategoriesWindow : public QDialog {
    Q_OBJECT
public:
    explicit CategoriesWindow(QWidget* owner);

private:
    void Refill();
    void FillTree();
    void FillRules();
    void UpdateButtons();
    QString SelectedCategory() const;
    int SelectedRule() const;
    void SelectCategory(const QString& path);

    void AddCategory();
    void RenameCategory();
    void MergeCategory();
    void DeleteCategory();
    void AddRule();
    void EditRule();
    void RemoveRule();
    // Asks for a rule, `shown` to start with; false when cancelled or refused (the user was told why).
    bool AskForRule(const QString& title, ledger::CategoryRule& shown);
    void Undo();
    void Redo();

    // Runs `change` as one step of the window's undo; it returns whether it changed anything.
    bool Step(const std::function<bool()>& change);

    std::vector<ledger::CategorySnapshot> undoSteps;
    std::vector<ledger::CategorySnapshot> redoSteps;

    QTreeWidget* categoryTree = nullptr;
    QPushButton* addCategoryButton = nullptr;
    QPushButton* renameCategoryButton = nullptr;
    QPushButton* mergeCategoryButton = nullptr;
    QPushButton* deleteCategoryButton = nullptr;
    QTreeWidget* ruleList = nullptr;
    QPushButton* addRuleButton = nullptr;
    QPushButton* editRuleButton = nullptr;
    QPushButton* removeRuleButton = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* redoButton = nullptr;
};

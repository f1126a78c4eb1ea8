// The Categories window through its real controls: each command changes the ledger's categories as one step that
// Ctrl+Z takes back and Ctrl+Y makes again, refusals say why and change nothing, the tree adds up what is under it.
#include "ui/categories/CategoriesWindow.h"
#include "ledger/Categories.h"
#include "ledger/Ledger.h"
#include "support/PromptScript.h"
#include "support/ScopedLocale.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using tallix::test::PromptScript;
using Answer = platform::Answer;

namespace {

class CategoriesWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ledger::NewLedger();
        ledger::RestoreCategories({});
        const auto add = [](const char* payee, int16_t type, float amount, const char* category) {
            const int16_t slot = ledger::AddTransaction(0, 40000, amount, QString::fromUtf8(payee), type);
            ASSERT_TRUE(ledger::SetCategory(slot, {QString::fromUtf8(category), {}}));
        };
        add("Grocer", ledger::CheckOrPayment, 30, "Food:Groceries");
        add("Diner", ledger::CheckOrPayment, 20, "Food:Dining");
        add("Employer", ledger::Deposit, 1000, "Income:Salary");
        add("Garage", ledger::CheckOrPayment, 50, "Car");
        ASSERT_TRUE(ledger::SetCategoryRules({{QStringLiteral("AMAZON"), QStringLiteral("Shopping")}}));
        window = std::make_unique<CategoriesWindow>(nullptr);
        window->show();
    }
    void TearDown() override { window.reset(); }

    template <typename T = QPushButton> T* Find(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTreeWidgetItem* Row(const QString& path) const {
        for (QTreeWidgetItemIterator each(Find<QTreeWidget>("categoryTree")); *each; ++each) {
            QString shown = (*each)->text(0);
            for (const QTreeWidgetItem* parent = (*each)->parent(); parent; parent = parent->parent())
                shown = parent->text(0) + QLatin1Char(':') + shown;
            if (shown == path)
                return *each;
        }
        ADD_FAILURE() << "no row " << path.toStdString();
        return nullptr;
    }
    void Select(const QString& path) const { Find<QTreeWidget>("categoryTree")->setCurrentItem(Row(path)); }
    void SelectRule(int index) const {
        auto* rules = Find<QTreeWidget>("ruleList");
        rules->setCurrentItem(rules->topLevelItem(index));
    }
    // Clicks `button`; the question it opens is answered with `category` typed or chosen (and `text` for a rule),
    // then OK. `question` is checked when given.
    void Reply(const char* button, const QString& category, const QString& text = {}, const QString& question = {}) {
        QTimer::singleShot(0, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog && dialog->objectName() == QStringLiteral("CategoryChoiceDialog")) << button;
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("categoryBox"));
            if (box->isEditable())
                box->setEditText(category);
            else
                box->setCurrentIndex(box->findText(category));
            if (auto* textBox = dialog->findChild<QLineEdit*>(QStringLiteral("textBox")))
                textBox->setText(text);
            if (!question.isEmpty()) {
                EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("questionLabel"))->text(), question);
            }
            dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        });
        Find(button)->click();
    }
    static QString Of(int16_t slot) { return ledger::CategoryOf(slot).category; }

    std::unique_ptr<CategoriesWindow> window;
};

} // namespace

TEST_F(CategoriesWindowTest, EachCommandIsOneStepThatUndoTakesBackAndRedoMakesAgain) {
    const struct {
        const char* what;
        std::function<void()> act;
        std::function<bool()> done;
    } steps[] = {
        {"rename, tidied", [&] { Select("Food"), Reply("renameCategoryButton", " Household :Food "); },
         [] { return Of(1) == "Household:Food:Groceries" && Of(2) == "Household:Food:Dining"; }},
        {"merge", [&] { Select("Household:Food:Dining"), Reply("mergeCategoryButton", "Household:Food:Groceries"); },
         [] {
             return Of(2) == "Household:Food:Groceries" && !ledger::CategoryList().contains("Household:Food:Dining");
         }},
        {"rename onto another asks to merge",
         [&] {
             PromptScript prompts;
             prompts.ExpectMessage("Income is already a category. Merge Car into Income?", Answer::Yes);
             Select("Car"), Reply("renameCategoryButton", "Income");
         },
         [] { return Of(4) == "Income" && !ledger::CategoryList().contains("Car"); }},
        {"delete, moving its transactions",
         [&] {
             Select("Household");
             Reply("deleteCategoryButton", "Income:Salary", {},
                   "Delete Household and any category under it? The 2 transactions it holds will move to:");
         },
         [] { return Of(1) == "Income:Salary" && Of(2) == "Income:Salary" && Of(4) == "Income"; }},
        {"delete, leaving them without", [&] { Select("Income"), Reply("deleteCategoryButton", "(no category)"); },
         [] { return Of(1).isEmpty() && Of(3).isEmpty() && Of(4).isEmpty(); }},
        {"add under the selected", [&] { Select("Shopping"), Reply("addCategoryButton", "Shopping:Books"); },
         [] { return ledger::KeptCategories().contains("Shopping:Books"); }},
        {"new rule", [&] { Reply("addRuleButton", "Car:Fuel", " shell ", "&Category:"); },
         [] {
             return ledger::CategoryRules().back() == ledger::CategoryRule{"shell", "Car:Fuel"};
         }},
        {"edit rule", [&] { SelectRule(0), Reply("editRuleButton", "Shopping:Books", "AMAZON MKTP"); },
         [] {
             return ledger::CategoryRules().front() == ledger::CategoryRule{"AMAZON MKTP", "Shopping:Books"};
         }},
        {"remove rule", [&] { SelectRule(1), Find("removeRuleButton")->click(); },
         [] { return ledger::CategoryRules().size() == 1; }},
    };
    std::vector<ledger::CategorySnapshot> states{ledger::TakeCategories()};
    for (const auto& step : steps) {
        step.act();
        EXPECT_TRUE(step.done()) << step.what;
        EXPECT_NE(ledger::TakeCategories(), states.back()) << step.what;
        states.push_back(ledger::TakeCategories());
    }
    // The questions were windows of their own: the keys go to the window once it is active again.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (size_t back = states.size() - 1; back > 0; --back) {
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ledger::TakeCategories(), states[back - 1]) << steps[back - 1].what;
    }
    EXPECT_FALSE(Find("undoButton")->isEnabled());
    for (size_t forward = 1; forward < states.size(); ++forward) {
        QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(ledger::TakeCategories(), states[forward]) << steps[forward - 1].what;
    }
    EXPECT_FALSE(Find("redoButton")->isEnabled());
    // The tree follows the store: the rows are the list as it stands.
    Find("undoButton")->click();
    EXPECT_EQ(Find<QTreeWidget>("ruleList")->topLevelItemCount(), 2);
}

TEST_F(CategoriesWindowTest, RefusalsSayWhyAndChangeNothing) {
    const QString tooLong = QString(60, QLatin1Char('x')) + QLatin1Char(':') + QString(65, QLatin1Char('y'));
    const struct {
        const char* select;
        const char* button;
        QString typed;
        QString text;
        QString message;
        Answer answer;
    } refusals[] = {
        {"Car",
         "addCategoryButton",
         " : ",
         {},
         "Type a category, such as Food:Groceries; a colon puts a category "
         "under another.",
         Answer::Ok},
        {"Car", "addCategoryButton", "Food :Dining", {}, "Food:Dining is already in the list.", Answer::Ok},
        {"Car",
         "renameCategoryButton",
         tooLong,
         {},
         QString(40, QLatin1Char('x')) + "... is 126 characters long; a category may have at most 120, its colons "
                                         "included.",
         Answer::Ok},
        {"Food", "renameCategoryButton", "Food:Fresh", {}, "Food cannot move under itself.", Answer::Ok},
        {"Car",
         "renameCategoryButton",
         "Income",
         {},
         "Income is already a category. Merge Car into Income?",
         Answer::No},
        {"Car", "addRuleButton", "Car", "  ", "Type the text a statement line's description contains, such as AMAZON.",
         Answer::Ok},
    };
    const ledger::CategorySnapshot before = ledger::TakeCategories();
    for (const auto& refusal : refusals) {
        PromptScript prompts;
        prompts.ExpectMessage(refusal.message, refusal.answer);
        Select(QString::fromUtf8(refusal.select));
        Reply(refusal.button, refusal.typed, refusal.text);
        EXPECT_EQ(ledger::TakeCategories(), before) << refusal.message.toStdString();
    }
    // A category no transaction has is deleted only when the user says Yes.
    PromptScript prompts;
    prompts.ExpectMessage("Delete Shopping and any category under it? No transaction uses them.", Answer::No);
    Select("Shopping");
    Find("deleteCategoryButton")->click();
    EXPECT_EQ(ledger::TakeCategories(), before);
    EXPECT_FALSE(Find("undoButton")->isEnabled());
}

TEST_F(CategoriesWindowTest, AParentRowAddsUpTheCategoriesUnderItInTheLocalesMoney) {
    const tallix::test::ScopedLocale german(QStringLiteral("de_DE"));
    // A split with parts in Food and under it counts once in Food.
    ASSERT_TRUE(
        ledger::SetCategory(4, {{}, {{QStringLiteral("Food"), {}, 3000}, {QStringLiteral("Food:Dining"), {}, 2000}}}));
    const struct {
        const char* path;
        const char* transactions;
        const char* amount;
        const char* tip;
    } rows[] = {{"Food", "3", "-100,00", "Food alone: 1 transaction, -30,00"},
                {"Food:Dining", "2", "-40,00", ""},
                {"Food:Groceries", "1", "-30,00", ""},
                {"Income", "1", "1.000,00", "Income alone: 0 transactions, 0,00"},
                {"Shopping", "0", "0,00", ""}};
    for (const auto& row : rows) {
        const QTreeWidgetItem* item = Row(QString::fromUtf8(row.path));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(1), QString::fromUtf8(row.transactions)) << row.path;
        EXPECT_EQ(item->text(2), QString::fromUtf8(row.amount)) << row.path;
        EXPECT_EQ(item->toolTip(2), QString::fromUtf8(row.tip)) << row.path;
    }
}

// The Reports window over a small categorised ledger, driven by its controls' names: the tree's totals for each
// kind of period, compared or not, the row a double-click names, and the files it writes.
#include "ui/reports/ReportsWindow.h"
#include "ledger/Categories.h"
#include "support/Files.h"
#include "support/PromptScript.h"
#include "support/RegisterTestSupport.h"
#include "support/ScopedLocale.h"
#include "ui/reports/ReportChartView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using tallix::test::Day;

namespace {

const QDate Today(2026, 3, 15);

// March: groceries, dining, a split of fuel and groceries, pay; February and a year ago: one each.
void BuildLedger() {
    ledger::NewLedger();
    const auto add = [](int number, double day, float amount, const char* payee, int16_t type,
                        ledger::CategoryAssignment category) {
        const int16_t slot = ledger::AddTransaction(int16_t(number), day, amount, QString::fromLatin1(payee), type);
        ASSERT_TRUE(ledger::SetCategory(slot, category));
    };
    add(101, Day(2026, 3, 2), 50, "Grocer", ledger::CheckOrPayment, {QStringLiteral("Food:Groceries"), {}});
    add(102, Day(2026, 3, 5), 20, "Diner", ledger::CheckOrPayment, {QStringLiteral("Food:Dining"), {}});
    add(0, Day(2026, 3, 10), 1000, "Employer", ledger::Deposit, {QStringLiteral("Salary"), {}});
    add(103, Day(2026, 2, 10), 30, "Grocer", ledger::CheckOrPayment, {QStringLiteral("Food:Groceries"), {}});
    add(104, Day(2026, 3, 12), 100, "Hardware", ledger::CheckOrPayment,
        {{}, {{QStringLiteral("Car:Fuel"), {}, 6000}, {QStringLiteral("Food:Groceries"), {}, 4000}}});
    add(105, Day(2025, 3, 20), 10, "Diner", ledger::CheckOrPayment, {QStringLiteral("Food:Dining"), {}});
}

template <typename T = QWidget> T* Find(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The tree as lines "name|cell|cell", indented two spaces a level.
QString TreeText(const QTreeWidget* tree) {
    QStringList lines;
    const std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        QStringList cells;
        for (int c = 0; c < tree->columnCount(); ++c)
            cells << item->text(c);
        lines << QString(depth * 2, u' ') + cells.join(u'|');
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i), 0);
    return lines.join(u'\n');
}

void ChooseKind(QWidget* window, report::PeriodKind kind) {
    auto* box = Find<QComboBox>(window, "periodKind");
    box->setCurrentIndex(box->findData(int(kind)));
}

QTreeWidgetItem* ItemNamed(QTreeWidget* tree, const QString& name) {
    const QList<QTreeWidgetItem*> found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

} // namespace

TEST(ReportsWindowTest, TheTreeTotalsEachKindOfPeriodComparedOrNot) {
    using enum report::PeriodKind;
    struct Case {
        const char* locale;
        report::PeriodKind kind;
        QDate from, to; // typed for Dates
        bool compare;
        const char* period;
        const char* tree;
    };
    for (const Case& c : {
             Case{"en_US",
                  ThisMonth,
                  {},
                  {},
                  false,
                  "3/1/2026 to 3/31/2026",
                  "Spending|170.00|100.0%\n"
                  "  Car|60.00|35.3%\n    Fuel|60.00|35.3%\n"
                  "  Food|110.00|64.7%\n    Dining|20.00|11.8%\n    Groceries|90.00|52.9%\n"
                  "Income|1,000.00|100.0%\n  Salary|1,000.00|100.0%"},
             Case{"de_DE",
                  ThisMonth,
                  {},
                  {},
                  true,
                  "01.03.2026 to 31.03.2026, compared with 01.02.2026 to 28.02.2026",
                  "Spending|170,00|100,0%|30,00|140,00\n"
                  "  Car|60,00|35,3%|0,00|60,00\n    Fuel|60,00|35,3%|0,00|60,00\n"
                  "  Food|110,00|64,7%|30,00|80,00\n    Dining|20,00|11,8%|0,00|20,00\n"
                  "    Groceries|90,00|52,9%|30,00|60,00\n"
                  "Income|1.000,00|100,0%|0,00|1.000,00\n  Salary|1.000,00|100,0%|0,00|1.000,00"},
             // A category used only in the previous period shows with nothing in this one.
             Case{"en_US",
                  LastMonth,
                  {},
                  {},
                  true,
                  "2/1/2026 to 2/28/2026, compared with 1/1/2026 to 1/31/2026",
                  "Spending|30.00|100.0%|0.00|30.00\n  Food|30.00|100.0%|0.00|30.00\n"
                  "    Groceries|30.00|100.0%|0.00|30.00\nIncome|0.00|0.0%|0.00|0.00"},
             Case{"en_US", Dates, QDate(2025, 3, 31), QDate(2025, 3, 1), false, "3/1/2025 to 3/31/2025",
                  "Spending|10.00|100.0%\n  Food|10.00|100.0%\n    Dining|10.00|100.0%\nIncome|0.00|0.0%"},
         }) {
        SCOPED_TRACE(c.tree);
        tallix::test::ScopedLocale locale(QString::fromLatin1(c.locale));
        BuildLedger();
        ReportsWindow window(nullptr, QStringLiteral("book"), Today);
        ChooseKind(&window, c.kind);
        if (c.kind == Dates) {
            Find<QDateEdit>(&window, "fromDate")->setDate(c.from);
            Find<QDateEdit>(&window, "toDate")->setDate(c.to);
        }
        Find<QCheckBox>(&window, "compare")->setChecked(c.compare);
        EXPECT_EQ(Find<QLabel>(&window, "periodLabel")->text(), QString::fromUtf8(c.period));
        EXPECT_EQ(TreeText(Find<QTreeWidget>(&window, "categoryTree")), QString::fromUtf8(c.tree));
    }
}

TEST(ReportsWindowTest, FollowsTheStoreAndADoubleClickNamesTheCategoryAndPeriod) {
    BuildLedger();
    ReportsWindow window(nullptr, QString(), Today);
    ChooseKind(&window, report::PeriodKind::ThisYear);
    std::vector<std::pair<QString, report::Period>> chosen;
    QObject::connect(&window, &ReportsWindow::CategoryChosen,
                     [&](const QString& path, report::Period period) { chosen.emplace_back(path, period); });
    auto* tree = Find<QTreeWidget>(&window, "categoryTree");
    for (const char* name : {"Groceries", "Spending", "Food"}) {
        QTreeWidgetItem* item = ItemNamed(tree, QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        Q_EMIT tree->itemDoubleClicked(item, 0);
    }
    const report::Period year{QDate(2026, 1, 1), QDate(2026, 12, 31)};
    ASSERT_EQ(chosen.size(), 2u); // not the side's row
    EXPECT_EQ(chosen[0], std::pair(QStringLiteral("Food:Groceries"), year));
    EXPECT_EQ(chosen[1], std::pair(QStringLiteral("Food"), year));

    // An edit in the register shows at once; income chosen in the tree turns the chart to income.
    ASSERT_TRUE(ledger::SetCategory(1, {QStringLiteral("Food:Dining"), {}}));
    EXPECT_EQ(ItemNamed(tree, QStringLiteral("Groceries"))->text(1), QStringLiteral("70.00"));
    EXPECT_EQ(ItemNamed(tree, QStringLiteral("Dining"))->text(1), QStringLiteral("70.00"));
    tree->setCurrentItem(ItemNamed(tree, QStringLiteral("Salary")));
    const auto* chart = Find<reports::ReportChartView>(&window, "categoryChart");
    ASSERT_EQ(chart->Chart().items.size(), 1u);
    EXPECT_EQ(chart->Chart().items[0].label, QStringLiteral("Salary"));
    // Enter in the period's boxes or the tree neither prints nor closes the report.
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        EXPECT_FALSE(button->autoDefault() || button->isDefault()) << button->objectName().toStdString();
}

TEST(ReportsWindowTest, ExportsTheShownViewAsPlainCsvAndSavesItsPdfAndChart) {
    tallix::test::ScopedLocale locale(QStringLiteral("de_DE"));
    BuildLedger();
    QTemporaryDir dir;
    ReportsWindow window(nullptr, QStringLiteral("book"), Today);
    ChooseKind(&window, report::PeriodKind::ThisMonth);
    Find<QCheckBox>(&window, "compare")->setChecked(true);
    struct Case {
        int tab;
        const char* csv;
        const char* chart; // the title of the chart saved, none for payees
    };
    for (const Case& c : {
             Case{0,
                  "Category,Amount,Share,Previous,Change\r\nSpending,170.00,100.0,30.00,140.00\r\n"
                  "Car,60.00,35.3,0.00,60.00\r\nCar:Fuel,60.00,35.3,0.00,60.00\r\n"
                  "Food,110.00,64.7,30.00,80.00\r\nFood:Dining,20.00,11.8,0.00,20.00\r\n"
                  "Food:Groceries,90.00,52.9,30.00,60.00\r\nIncome,1000.00,100.0,0.00,1000.00\r\n"
                  "Salary,1000.00,100.0,0.00,1000.00\r\n",
                  "Spending by category"},
             Case{1,
                  "Month,Income,Spending,Net,Previous income,Previous spending\r\n"
                  "2026-03,1000.00,170.00,830.00,0.00,30.00\r\nTotal,1000.00,170.00,830.00,0.00,30.00\r\n",
                  "Income and spending by month"},
             Case{2,
                  "Payee,Spending,Transactions,Previous,Change\r\nHardware,100.00,1,0.00,100.00\r\n"
                  "Grocer,50.00,1,30.00,20.00\r\nDiner,20.00,1,0.00,20.00\r\nTotal,170.00,3,30.00,140.00\r\n",
                  nullptr},
         }) {
        Find<QTabWidget>(&window, "views")->setCurrentIndex(c.tab);
        const QString csv = dir.filePath(QStringLiteral("r%1.csv").arg(c.tab));
        const QString pdf = dir.filePath(QStringLiteral("r%1.pdf").arg(c.tab));
        tallix::test::PromptScript prompts;
        prompts.ExpectFileDialog(false, csv).ExpectFileDialog(false, pdf);
        Find<QPushButton>(&window, "csvButton")->click();
        Find<QPushButton>(&window, "pdfButton")->click();
        EXPECT_EQ(QString::fromUtf8(tallix::test::ReadAll(csv)), QLatin1String(c.csv));
        EXPECT_TRUE(tallix::test::ReadAll(pdf).startsWith("%PDF-"));
        ASSERT_EQ(Find<QPushButton>(&window, "saveChartButton")->isEnabled(), c.chart != nullptr);
        if (c.chart) {
            const QString svg = dir.filePath(QStringLiteral("c%1.svg").arg(c.tab));
            prompts.ExpectFileDialog(false, svg);
            Find<QPushButton>(&window, "saveChartButton")->click();
            EXPECT_TRUE(tallix::test::ReadAll(svg).contains(QByteArray("<title>") + c.chart + "</title>"));
        }
    }
}

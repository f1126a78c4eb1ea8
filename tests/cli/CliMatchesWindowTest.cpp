// What tallix-cli prints is what the register window shows, row for row and cell for cell.
#include "cli/RegisterText.h"
#include "demo/SampleLedger.h"
#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/widgets/FlexGridView.h"
#include "support/ScopedLocale.h"
#include "ui/register/frmRegister.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// Cuts the printed register into cells at the columns the rule line below the headers marks out.
std::vector<QStringList> ParsePrintedRegister(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    const qsizetype ruleLine = lines.indexOf(QRegularExpression(QStringLiteral("^-+( +-+)+$")));
    EXPECT_GT(ruleLine, 0);
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    const QString& rule = lines[ruleLine];
    for (qsizetype i = 0; i < rule.size();) {
        const qsizetype start = i;
        while (i < rule.size() && rule[i] == QLatin1Char('-'))
            ++i;
        spans.push_back({start, i - start});
        while (i < rule.size() && rule[i] == QLatin1Char(' '))
            ++i;
    }
    std::vector<QStringList> rows;
    for (qsizetype l = ruleLine - 1; l < lines.size(); ++l) {
        if (l == ruleLine)
            continue;
        QStringList cells;
        for (const auto& [start, length] : spans)
            cells << lines[l].mid(start, length).trimmed();
        rows.push_back(cells);
    }
    return rows;
}

std::vector<QStringList> WindowRows(const platform::FlexGridView& view) {
    const QAbstractItemModel* model = view.model();
    std::vector<QStringList> rows;
    QStringList headers;
    for (const int c : RegisterColumn::Visible) {
        EXPECT_FALSE(view.isColumnHidden(c));
        headers << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    rows.push_back(headers);
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (const int c : RegisterColumn::Visible)
            cells << model->data(model->index(r, c), Qt::DisplayRole).toString();
        rows.push_back(cells);
    }
    return rows;
}
} // namespace

// In locales with numeric and named months, decimal points and commas; with dates before the year 1000 and
// before 1900, a check number tie, and an amount too large for whole cents in a double.
TEST(CliMatchesWindow, PrintedRegisterEqualsTheWindowsGrid) {
    for (const char* locale : {"en_US", "C", "de_DE", "fr_FR"}) {
        SCOPED_TRACE(locale);
        const tallix::test::ScopedLocale scoped{QString::fromLatin1(locale)};
        ledger::BuildSampleLedger(QDate(2025, 12, 31));
        // A changed and a deleted record, so that slots and display order part ways.
        ledger::AddTransaction(0, platform::DayCountFromDate(QDate(2025, 1, 2)), 1234567.5f, QStringLiteral("Windfall"),
                               ledger::Deposit);
        ledger::AddTransaction(0, platform::DayCountFromDate(QDate(1899, 5, 7)), 1.25f, QStringLiteral("Old"),
                               ledger::Deposit);
        ledger::AddTransaction(0, platform::DayCountFromDate(QDate(812, 3, 1)), 2.5f, QStringLiteral("Older"),
                               ledger::Fee);
        ledger::AddTransaction(0, platform::DayCountFromDate(QDate(2025, 1, 2)), 1e15f, QStringLiteral("Huge"),
                               ledger::Withdrawal);
        ASSERT_TRUE(ledger::DeleteTransaction(5));

        const std::vector<QStringList> printed = ParsePrintedRegister(QString::fromUtf8(cli::FormatRegister()));

        int32_t height = 0;
        QWidget owner;
        frmRegister window(&owner, height);
        window.show();
        const auto* view = window.findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"));
        ASSERT_NE(view, nullptr);
        const std::vector<QStringList> shown = WindowRows(*view);

        ASSERT_EQ(printed.size(), shown.size());
        ASSERT_GT(shown.size(), 200u);
        for (size_t r = 0; r < shown.size(); ++r)
            ASSERT_EQ(printed[r], shown[r]) << "row " << r;
        window.close();
    }
}

// Which statement lines the ledger already holds: equal lines, re-imports in every order, payees that contain one
// another, and random ledgers and statements.
#include "import/ImportPlan.h"
#include "import/StatementMatch.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace import;

namespace {

constexpr double June1 = 45444; // 6/1/2024

struct Entry {
    int day; // after 6/1
    int64_t cents;
    const char* payee;
};

StatementLine Line(const Entry& e, int source) {
    StatementLine line;
    line.date = June1 + e.day;
    line.cents = e.cents;
    line.payee = QString::fromUtf8(e.payee);
    line.source = source;
    return line;
}

void AddRecord(const Entry& e) {
    ledger::AddTransaction(ledger::PaymentCheckNumber, June1 + e.day, float(double(std::llabs(e.cents)) / 100),
                           QString::fromUtf8(e.payee), e.cents < 0 ? ledger::CheckOrPayment : ledger::Deposit);
}

std::vector<ledger::TransactionRecord> AllRecords() {
    std::vector<ledger::TransactionRecord> records;
    ledger::TransactionRecord r;
    for (bool more = ledger::FirstTransaction(r); more; more = ledger::NextTransaction(r))
        records.push_back(r);
    return records;
}

int Import(const std::vector<StatementLine>& lines) {
    const ImportPlan plan = PlanImport(lines);
    EXPECT_TRUE(ApplyPlan(plan).Ok());
    return plan.Count(PlanKind::Add);
}

} // namespace

TEST(ImportMatch, EachLinePairsWithOneRecordAtMostAndTheMostLinesArePaired) {
    const struct {
        const char* name;
        std::vector<Entry> ledger;
        std::vector<Entry> statement;
        std::vector<int> slots; // per line: the record it repeats, 0 for one to add
    } cases[] = {
        {"four equal fares on four days",
         {},
         {{2, -450, "Metro fare"}, {3, -450, "Metro fare"}, {4, -450, "Metro fare"}, {5, -450, "Metro fare"}},
         {0, 0, 0, 0}},
        {"two equal coffees on one day", {}, {{0, -350, "Coffee"}, {0, -350, "Coffee"}}, {0, 0}},
        {"one of two equal coffees known", {{0, -350, "Coffee"}}, {{0, -350, "Coffee"}, {0, -350, "Coffee"}}, {1, 0}},
        {"the second Coffee does not take Coffee Shop's record",
         {{0, -350, "Coffee"}, {0, -350, "Coffee"}, {2, -350, "Coffee Shop"}},
         {{2, -350, "Coffee Shop"}, {0, -350, "Coffee"}, {0, -350, "Coffee"}},
         {3, 1, 2}},
        {"a chain: Coffee Shop gives Coffee Shop 12 to Shop 12",
         {{0, -350, "Coffee Shop 12"}, {3, -350, "Coffee"}},
         {{0, -350, "Coffee Shop"}, {1, -350, "Shop 12"}},
         {2, 1}},
        {"an equal payee before a contained one",
         {{0, -350, "Coffee"}, {0, -350, "Coffee Shop"}},
         {{0, -350, "Coffee Shop"}},
         {2}},
        {"the nearer date", {{0, -350, "Coffee"}, {2, -350, "Coffee"}}, {{3, -350, "Coffee"}}, {2}},
        {"an equal payee later takes the record over",
         {{0, -350, "Coffee"}},
         {{0, -350, "Coffee Shop"}, {0, -350, "Coffee"}},
         {0, 1}},
        {"four days apart, another amount, a credit",
         {{0, -350, "Coffee"}},
         {{4, -350, "Coffee"}, {0, -351, "Coffee"}, {0, 350, "Coffee"}},
         {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ledger::NewLedger();
        for (const Entry& e : c.ledger)
            AddRecord(e);
        std::vector<StatementLine> lines;
        for (const Entry& e : c.statement)
            lines.push_back(Line(e, int(lines.size()) + 1));
        const ImportPlan plan = PlanImport(lines);
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(plan.lines[i].kind, c.slots[i] ? PlanKind::Duplicate : PlanKind::Add) << "line " << i + 1;
            EXPECT_EQ(plan.lines[i].duplicateSlot, c.slots[i]) << "line " << i + 1;
        }
        const std::vector<ledger::TransactionRecord> before = AllRecords();
        Import(lines);
        const std::vector<ledger::TransactionRecord> after = AllRecords();
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << "a record changed";
        // Importing again adds nothing, whatever the order of the lines.
        std::vector<int> order(lines.size());
        std::iota(order.begin(), order.end(), 0);
        do {
            std::vector<StatementLine> again;
            for (const int i : order)
                again.push_back(lines[size_t(i)]);
            EXPECT_EQ(PlanImport(again).Count(PlanKind::Add), 0);
        } while (std::next_permutation(order.begin(), order.end()));
    }
    ledger::NewLedger();
}

// Random ledgers of few amounts, payees and days, so that lines have many records to choose from; the statement
// repeats some records (dates moved, payees as banks write them) and adds lines of amounts the ledger lacks.
TEST(ImportMatch, AFirstImportAddsTheLinesWithoutARecordAndASecondAddsNothing) {
    const char* const payees[] = {"Coffee", "Coffee Shop", "Coffee Shop 12", "Shop", "Grocer", "Grocer Main St"};
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
        ledger::NewLedger();
        std::vector<Entry> records;
        for (int i = 0, n = 5 + pick(40); i < n; ++i) {
            records.push_back({pick(10), (1 + pick(3)) * (pick(4) ? -100 : 100), payees[pick(6)]});
            AddRecord(records.back());
        }
        std::vector<StatementLine> lines;
        int newLines = 0;
        for (const Entry& r : records) {
            if (pick(3) == 0)
                continue;
            StatementLine line = Line({r.day + pick(2 * MatchDays + 1) - MatchDays, r.cents, r.payee}, 0);
            if (pick(2))
                line.payee = line.payee.toUpper() + QStringLiteral(" CARD 4411");
            lines.push_back(line);
        }
        for (int i = 0, n = pick(8); i < n; ++i, ++newLines)
            lines.push_back(Line({pick(10), -(1000 + i) * 100 - 7, payees[pick(6)]}, 0));
        std::shuffle(lines.begin(), lines.end(), random);
        const std::vector<ledger::TransactionRecord> before = AllRecords();

        EXPECT_EQ(Import(lines), newLines);
        const std::vector<ledger::TransactionRecord> after = AllRecords();
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << "a record changed";
        std::shuffle(lines.begin(), lines.end(), random);
        EXPECT_EQ(PlanImport(lines).Count(PlanKind::Add), 0);
    }
    ledger::NewLedger();
}

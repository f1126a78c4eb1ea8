// Finding rows by description, memo, check number, date or amount, going round the ends of the register.
#include "support/RegisterTestSupport.h"

#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "register/RegisterFind.h"
#include "register/RegisterGrid.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>
#include <vector>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

// The rows a search visits from `from` until it is back at its first match, and whether each step went round.
std::vector<std::pair<int, bool>> Walk(const platform::FlexGrid& grid, const QString& text, int from, bool forward) {
    const RegisterFind find(text);
    std::vector<std::pair<int, bool>> hits;
    for (int at = from; hits.size() < 10;) {
        const std::optional<RegisterFind::Hit> hit = find.Step(grid, at, forward);
        if (!hit)
            break;
        hits.emplace_back(hit->row, hit->wrapped);
        at = hit->row;
        if (hit->row == hits.front().first && hits.size() > 1)
            break;
    }
    return hits;
}

TEST(RegisterFindTest, MatchesDescriptionMemoCheckNumberDateAndAmountInEachLocale) {
    struct Case {
        const char* locale;
        const char* text;
        std::vector<std::pair<int, bool>> forwardFromRow1; // (row, went round)
    };
    // Rows: 1 check 101 "Electric company" (memo "Invoice 7731") 1,042.17 on 3 Jan; 2 "Grocer" 42.17 on 14 Mar; 3
    // deposit "Salary March" 500.00 on 14 Mar; 4 check 12 "grocer's market" 12.00 on 1 Dec.
    const Case cases[] = {
        {"en_US", "grocer", {{2, false}, {4, false}, {2, true}}},
        {"en_US", "GROCER", {{2, false}, {4, false}, {2, true}}},
        {"en_US", "42.17", {{2, false}, {2, true}}},
        {"en_US", "1,042.17", {{1, true}, {1, true}}},
        {"en_US", "1042.17", {{1, true}, {1, true}}},
        {"en_US", "500", {{3, false}, {3, true}}},
        {"en_US", "101", {{1, true}, {1, true}}},
        // Check number, amount and date of row 4 hold 12; no other row does.
        {"en_US", "12", {{4, false}, {4, true}}},
        {"en_US", "3/14", {{2, false}, {3, false}, {2, true}}},
        {"en_US", "march", {{3, false}, {3, true}}},
        {"en_US", "INVOICE 77", {{1, true}, {1, true}}},
        {"en_US", "nothing like it", {}},
        {"en_US", "  ", {}},
        {"de_DE", "42,17", {{2, false}, {2, true}}},
        {"de_DE", "1.042,17", {{1, true}, {1, true}}},
        {"de_DE", "14.03.", {{2, false}, {3, false}, {2, true}}},
        {"C", "42.17", {{2, false}, {2, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.text);
        tallix::test::ScopedLocale locale(QString::fromLatin1(c.locale));
        ledger::NewLedger();
        ledger::AddTransaction(101, Day(2009, 1, 3), 1042.17f, QStringLiteral("Electric company"),
                               ledger::CheckOrPayment);
        ledger::SetMemo(1, QStringLiteral("Invoice 7731"));
        ledger::AddTransaction(-1, Day(2009, 3, 14), 42.17f, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 3, 14), 500, QStringLiteral("Salary March"), ledger::Deposit);
        ledger::AddTransaction(12, Day(2009, 12, 1), 12, QStringLiteral("grocer's market"), ledger::CheckOrPayment);
        platform::FlexGrid grid;
        RegisterGrid(grid).FillGrid();
        EXPECT_EQ(Walk(grid, QString::fromLatin1(c.text), 1, true), c.forwardFromRow1);
    }
    ledger::NewLedger();
}

TEST(RegisterFindTest, BackwardsGoesRoundTheFirstRowAndTheHeaderStartsAtAnEnd) {
    ledger::NewLedger();
    for (int i = 1; i <= 5; ++i)
        ledger::AddTransaction(0, Day(2010, 1, i), 1, i % 2 ? QStringLiteral("odd") : QStringLiteral("even"),
                               ledger::Fee);
    platform::FlexGrid grid;
    RegisterGrid(grid).FillGrid();
    const std::vector<std::pair<int, bool>> back{{1, false}, {5, true}, {3, false}, {1, false}};
    EXPECT_EQ(Walk(grid, QStringLiteral("odd"), 3, false), back);
    const RegisterFind find(QStringLiteral("odd"));
    EXPECT_EQ(find.Step(grid, 0, true)->row, 1);
    EXPECT_FALSE(find.Step(grid, 0, true)->wrapped);
    EXPECT_EQ(find.Step(grid, 0, false)->row, 5);
    EXPECT_EQ(find.Step(grid, 5, true)->row, 1);
    EXPECT_TRUE(find.Step(grid, 5, true)->wrapped);
    ledger::NewLedger();
}

TEST(RegisterFindTest, AFullRegisterLandsOnEveryMatchInOrder) {
    ledger::NewLedger();
    constexpr int Count = ledger::MaxSlots - 1;
    for (int i = 0; i < Count; ++i)
        ledger::AddTransaction(0, Day(2000, 1, 1) + i / 10, 1,
                               i % 4096 == 100 ? QStringLiteral("Needle %1").arg(i) : QStringLiteral("hay"),
                               ledger::Fee);
    platform::FlexGrid grid;
    RegisterGrid(grid).FillGrid();
    ASSERT_EQ(grid.Rows(), Count + 1);
    const RegisterFind find(QStringLiteral("needle"));
    int at = 1;
    for (int i = 100; i < Count; i += 4096) {
        const std::optional<RegisterFind::Hit> hit = find.Step(grid, at, true);
        ASSERT_TRUE(hit);
        EXPECT_EQ(grid.TextMatrix(hit->row, Description), QStringLiteral("Needle %1").arg(i));
        at = hit->row;
    }
    const std::optional<RegisterFind::Hit> round = find.Step(grid, at, true);
    ASSERT_TRUE(round);
    EXPECT_TRUE(round->wrapped);
    EXPECT_EQ(grid.TextMatrix(round->row, Description), QStringLiteral("Needle 100"));
    ledger::NewLedger();
}

} // namespace

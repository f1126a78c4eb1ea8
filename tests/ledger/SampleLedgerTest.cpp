#include "demo/SampleLedger.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>
#include <map>

using namespace ledger;

namespace {
std::vector<TransactionRecord> AllRecords() {
    std::vector<TransactionRecord> records;
    TransactionRecord record;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record))
        records.push_back(record);
    return records;
}
} // namespace

TEST(SampleLedger, AYearOfEveryKindWithTheFirstQuarterLocked) {
    BuildSampleLedger(QDate(2026, 11, 30));
    const auto records = AllRecords();
    ASSERT_GT(records.size(), 200u);
    EXPECT_EQ(GetTransactionCount(), int16_t(records.size() + 1));

    std::map<int, int> kinds;
    int16_t highestCheck = 0;
    double lockDate = 0;
    ASSERT_TRUE(GetLockDate(lockDate));
    std::map<ClearMark, int> marks;
    const QStringList defaults = DefaultCategories();
    int splits = 0;
    int16_t slot = 1;
    for (const TransactionRecord& r : records) {
        // Every transaction is in a category of a new ledger's list; a split adds up to its amount.
        const CategoryAssignment category = CategoryOf(slot);
        EXPECT_TRUE(category.IsSplit() ? PartsFit(category.parts, ToCents(r.Amount))
                                       : defaults.contains(category.category))
            << r.Description.toStdString();
        for (const SplitPart& part : category.parts)
            EXPECT_TRUE(defaults.contains(part.category));
        splits += category.IsSplit();
        kinds[r.TypeCode == CheckOrPayment && r.CheckNumber == PaymentCheckNumber ? -2 : r.TypeCode]++;
        highestCheck = std::max(highestCheck, r.CheckNumber);
        EXPECT_EQ(r.Locked != 0, r.Date <= lockDate);
        const ClearMark mark = GetClearMark(slot++);
        EXPECT_EQ(mark == ClearMark::Reconciled, r.Locked != 0);
        // November is not on a statement yet; October's last checks are outstanding.
        const bool outstanding =
            r.Date >= platform::DayCountFromDate(QDate(2026, 11, 1)) ||
            (r.Date > platform::DayCountFromDate(QDate(2026, 10, 24)) && IsCheck(r.TypeCode, r.CheckNumber));
        EXPECT_TRUE(!outstanding || mark == ClearMark::None);
        marks[mark]++;
        EXPECT_GT(r.Amount, 0.0f);
        EXPECT_EQ(r.Description.size(), DescriptionLength);
    }
    for (int kind : {-2, 0, 1, 2, 3, 4})
        EXPECT_GT(kinds[kind], 0) << "kind " << kind;
    for (const ClearMark mark : {ClearMark::None, ClearMark::Cleared, ClearMark::Reconciled})
        EXPECT_GT(marks[mark], 10);
    EXPECT_GT(splits, 0);
    EXPECT_EQ(CategoryRules().size(), 2u);
    ASSERT_EQ(Statements().size(), 1u);
    EXPECT_EQ(Statements()[0].date, lockDate);
    EXPECT_EQ(GetNextCheckNumber(), highestCheck + 1);
    // The regular ones go on after the last day: each of them within the next five weeks.
    ASSERT_EQ(Schedules().size(), 4u);
    for (const Schedule& s : Schedules()) {
        const std::vector<Occurrence> next =
            PendingBetween(s, platform::FirstDayCount, platform::DayCountFromDate(QDate(2027, 1, 4)));
        ASSERT_FALSE(next.empty()) << s.description.toStdString();
        EXPECT_GT(next.front().nominal, platform::DayCountFromDate(QDate(2026, 11, 30)));
    }
    EXPECT_EQ(GetStartingBalance(), 2500.0f);
    EXPECT_TRUE(IsModified());
    EXPECT_TRUE(GetDataFileName().isEmpty());
}

TEST(SampleLedger, SameDaySameLedger) {
    BuildSampleLedger(QDate(2026, 6, 15));
    const auto first = AllRecords();
    BuildSampleLedger(QDate(2026, 6, 15));
    EXPECT_EQ(AllRecords(), first);
}

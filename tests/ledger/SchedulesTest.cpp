// Schedules: which occurrences are done, kept by the store, beside the data file by a save and by the journal.
#include "ledger/Schedules.h"
#include "LedgerTestSupport.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/RegisterTestSupport.h"

using namespace ledger;
using namespace tallix::test;

namespace {

Schedule Rent() {
    return {.isCheck = true,
            .description = "Rent",
            .amountCents = 120000,
            .rule = {.dayOfMonth = 31, .start = Day(2024, 1, 31)}};
}

TEST(SchedulesTest, DoneOccurrencesFoldIntoOneDay) {
    const double jan = Day(2024, 1, 31), feb = Day(2024, 2, 29), mar = Day(2024, 3, 31), apr = Day(2024, 4, 30);
    const struct {
        const char* what;
        std::vector<std::pair<double, bool>> steps;
        const char* done; // doneThrough, then doneAfter
        const char* next;
    } cases[] = {
        {"out of turn", {{mar, true}}, "- 3/31/2024", "1/31/2024"},
        {"in turn folds", {{mar, true}, {jan, true}, {feb, true}}, "3/31/2024", "4/30/2024"},
        {"no occurrence changes nothing", {{Day(2024, 2, 28), true}, {feb, false}}, "-", "1/31/2024"},
        {"undone after the fold", {{jan, true}, {apr, true}, {apr, false}}, "1/31/2024", "2/29/2024"},
        {"undone inside the fold",
         {{jan, true}, {feb, true}, {mar, true}, {feb, false}},
         "1/31/2024 3/31/2024",
         "2/29/2024"},
        {"undone first", {{jan, true}, {feb, true}, {jan, false}}, "- 2/29/2024", "1/31/2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Schedule s = Rent();
        for (const auto& [nominal, done] : c.steps)
            s = WithDone(s, nominal, done);
        QString done = s.doneThrough == 0 ? "-" : platform::FormatShortDate(s.doneThrough);
        for (double day : s.doneAfter)
            done += " " + platform::FormatShortDate(day);
        EXPECT_TRUE(IsValidSchedule(s));
        EXPECT_EQ(done.toStdString(), c.done);
        EXPECT_EQ(platform::FormatShortDate(NextDue(s)->nominal).toStdString(), c.next);
    }
    // Pending: overdue ones too, by the day they fall on; from a day on, the done ones taking no room in the limit.
    const Schedule s = WithDone(Rent(), feb, true);
    EXPECT_EQ(PendingBetween(s, platform::FirstDayCount, apr).size(), 3u);
    EXPECT_EQ(PendingBetween(s, platform::FirstDayCount, apr)[1].day, mar);
    EXPECT_EQ(PendingBetween(s, feb, apr, 1), std::vector<Occurrence>({{2, mar, mar}}));
}

TEST_F(LedgerTest, SchedulesAreCheckedAndMarkTheLedgerModified) {
    const std::function<void(Schedule&)> spoil[] = {
        [](Schedule& s) { s.typeCode = 5; },
        [](Schedule& s) { s.typeCode = Deposit; }, // a deposit is no check
        [](Schedule& s) { s.description = " Rent"; },
        [](Schedule& s) { s.amountCents = -1; },
        [](Schedule& s) {
            s.doneAfter = {Day(2024, 3, 31), Day(2024, 2, 29)};
        },
        [](Schedule& s) { s.doneThrough = Day(2024, 3, 31), s.doneAfter = {Day(2024, 2, 29)}; },
    };
    for (const auto& change : spoil) {
        Schedule bad = Rent();
        change(bad);
        EXPECT_FALSE(SetSchedules({Rent(), bad}));
    }
    EXPECT_TRUE(Schedules().empty() && !IsModified());
    ASSERT_TRUE(SetSchedules({Rent()}));
    EXPECT_TRUE(IsModified());
    SetModified(false);
    EXPECT_TRUE(SetSchedules({Rent()}));
    EXPECT_FALSE(IsModified()) << "the same list changes nothing";
    NewLedger();
    EXPECT_TRUE(Schedules().empty());
}

// Schedules alone make a companion; one of version 1, which has none, still gives its marks; the journal keeps
// them through a crash.
TEST_F(LedgerTest, SchedulesAreSavedBesideTheDataFileAndJournalled) {
    RecordingPrompts prompts;
    const QString path = PathOf("s.tlx");
    const auto reload = [&path] {
        NewLedger();
        SetDataFileName(path);
        ASSERT_TRUE(LoadLedger());
    };
    const std::vector<Schedule> made = {WithDone(WithDone(Rent(), Day(2024, 1, 31), true), Day(2024, 4, 30), true)};
    SetDataFileName(path);
    BuildMixedLedger();
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(Entries(dir.path()), QStringList({"s.tlx"}));
    ASSERT_TRUE(SetSchedules(made));
    ASSERT_TRUE(SaveLedger());
    reload();
    EXPECT_EQ(Schedules(), made);

    SetRecoveryJournal(true);
    ASSERT_TRUE(SetSchedules({})); // the journal begins with the whole ledger
    ASSERT_TRUE(SetSchedules({Rent()}));
    const QByteArray journal = ReadBytes(JournalPathFor(path));
    SetRecoveryJournal(false);
    SetClearMark(1, ClearMark::Cleared);
    ASSERT_TRUE(SaveLedger());
    QByteArray older = ReadBytes(path + ".db");
    older[63] = 1;
    WriteBytes(path + ".db", older);
    reload();
    EXPECT_TRUE(Schedules().empty());
    EXPECT_EQ(GetClearMark(1), ClearMark::Cleared);

    WriteBytes(JournalPathFor(path), journal);
    const RecoverySearch search = FindRecovery(path);
    ASSERT_EQ(search.found, RecoveryFound::Read);
    EXPECT_EQ(ApplyRecovery(search.pending).entries, 2);
    EXPECT_EQ(Schedules(), std::vector<Schedule>({Rent()}));
    EXPECT_TRUE(prompts.messages.empty());
}

} // namespace

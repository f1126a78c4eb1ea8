// Schedules: which occurrences are done, kept by the store, written to the companion beside the data file by a
// save, read back by a load, and kept by the recovery journal.
#include "ledger/Schedules.h"
#include "LedgerTestSupport.h"
#include "ledger/Recovery.h"
#include "support/FailingDisk.h"
#include "support/PromptScript.h"
#include "support/RegisterTestSupport.h"

#include <QFile>

using namespace ledger;
using namespace tallix::test;

namespace {

Schedule Rent() {
    Schedule rent;
    rent.isCheck = true;
    rent.description = "Rent";
    rent.amountCents = 120000;
    rent.rule.start = Day(2024, 1, 31);
    rent.rule.dayOfMonth = 31;
    return rent;
}

Schedule Paycheck() {
    Schedule pay;
    pay.typeCode = Deposit;
    pay.description = "Paycheck";
    pay.amountCents = 210050;
    pay.amountVaries = true;
    pay.toleranceCents = 5000;
    pay.rule.unit = RepeatUnit::Weeks;
    pay.rule.every = 2;
    pay.rule.start = Day(2024, 1, 5);
    pay.rule.weekend = WeekendShift::Before;
    return pay;
}

std::string Done(const Schedule& s) {
    std::string out = s.doneThrough == 0 ? "-" : platform::FormatShortDate(s.doneThrough).toStdString();
    for (double day : s.doneAfter)
        out += " " + platform::FormatShortDate(day).toStdString();
    return out;
}

TEST(SchedulesTest, DoneOccurrencesFoldIntoOneDay) {
    const struct {
        const char* what;
        std::vector<std::pair<double, bool>> steps;
        const char* done;
        const char* next;
    } cases[] = {
        {"none", {}, "-", "1/31/2024"},
        {"out of turn", {{Day(2024, 3, 31), true}}, "- 3/31/2024", "1/31/2024"},
        {"in turn folds",
         {{Day(2024, 3, 31), true}, {Day(2024, 1, 31), true}, {Day(2024, 2, 29), true}},
         "3/31/2024",
         "4/30/2024"},
        {"no occurrence changes nothing", {{Day(2024, 2, 28), true}, {Day(2024, 2, 29), false}}, "-", "1/31/2024"},
        {"undone after the fold",
         {{Day(2024, 1, 31), true}, {Day(2024, 4, 30), true}, {Day(2024, 4, 30), false}},
         "1/31/2024",
         "2/29/2024"},
        {"undone inside the fold",
         {{Day(2024, 1, 31), true}, {Day(2024, 2, 29), true}, {Day(2024, 3, 31), true}, {Day(2024, 2, 29), false}},
         "1/31/2024 3/31/2024",
         "2/29/2024"},
        {"undone first",
         {{Day(2024, 1, 31), true}, {Day(2024, 2, 29), true}, {Day(2024, 1, 31), false}},
         "- 2/29/2024",
         "1/31/2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Schedule s = Rent();
        for (const auto& [nominal, done] : c.steps)
            s = WithDone(s, nominal, done);
        EXPECT_TRUE(IsValidSchedule(s));
        EXPECT_EQ(Done(s), c.done);
        EXPECT_EQ(platform::FormatShortDate(NextDue(s)->nominal).toStdString(), c.next);
    }
    // Pending: overdue ones too, by the day they fall on.
    Schedule pay = WithDone(Paycheck(), Day(2024, 1, 19), true);
    std::vector<double> days;
    for (const Occurrence& o : PendingThrough(pay, Day(2024, 3, 1)))
        days.push_back(o.day);
    EXPECT_EQ(days, std::vector<double>({Day(2024, 1, 5), Day(2024, 2, 2), Day(2024, 2, 16), Day(2024, 3, 1)}));
}

TEST_F(LedgerTest, SchedulesAreCheckedAndMarkTheLedgerModified) {
    const std::function<void(Schedule&)> spoil[] = {
        [](Schedule& s) { s.typeCode = 5; },
        [](Schedule& s) { s.typeCode = Deposit; }, // a deposit is no check
        [](Schedule& s) { s.description = " Rent"; },
        [](Schedule& s) { s.description.clear(); },
        [](Schedule& s) { s.description = QString(DescriptionLength + 1, 'x'); },
        [](Schedule& s) { s.amountCents = -1; },
        [](Schedule& s) { s.toleranceCents = int64_t(MaxAmount) * 100 + 1; },
        [](Schedule& s) { s.rule.every = 0; },
        [](Schedule& s) {
            s.doneAfter = {Day(2024, 3, 31), Day(2024, 2, 29)};
        },
        [](Schedule& s) { s.doneThrough = Day(2024, 3, 31), s.doneAfter = {Day(2024, 2, 29)}; },
    };
    for (const auto& change : spoil) {
        Schedule bad = Rent();
        change(bad);
        EXPECT_FALSE(SetSchedules({Paycheck(), bad}));
    }
    EXPECT_TRUE(Schedules().empty() && !IsModified());
    ASSERT_TRUE(SetSchedules({Rent(), Paycheck()}));
    EXPECT_TRUE(IsModified());
    SetModified(false);
    EXPECT_TRUE(SetSchedules({Rent(), Paycheck()}));
    EXPECT_FALSE(IsModified()) << "the same list changes nothing";
    NewLedger();
    EXPECT_TRUE(Schedules().empty());
}

class SchedulesFileTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        SetDataFileName(path);
        BuildMixedLedger();
    }
    void Reload() {
        NewLedger();
        SetDataFileName(path);
        ASSERT_TRUE(LoadLedger());
    }
    std::vector<Schedule> Made() const {
        return {WithDone(WithDone(Rent(), Day(2024, 1, 31), true), Day(2024, 4, 30), true), Paycheck()};
    }
    QString path = PathOf("s.tlx");
    QString db = PathOf("s.tlx.db");
    RecordingPrompts prompts;
};

// Schedules alone make a companion; a version 1 companion, which has none, still gives its marks.
TEST_F(SchedulesFileTest, SavedBesideTheDataFile) {
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(Entries(dir.path()), QStringList({"s.tlx"}));
    ASSERT_TRUE(SetSchedules(Made()));
    ASSERT_TRUE(SaveLedger());
    Reload();
    EXPECT_EQ(Schedules(), Made());
    EXPECT_EQ(LastCompanionLoad().outcome, CompanionLoad::Outcome::Matched);

    SetClearMark(1, ClearMark::Cleared);
    ASSERT_TRUE(SaveLedger());
    QByteArray older = ReadBytes(db);
    older[63] = 1;
    WriteBytes(db, older);
    Reload();
    EXPECT_TRUE(Schedules().empty());
    EXPECT_EQ(GetClearMark(1), ClearMark::Cleared);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SchedulesFileTest, JournalBringsThemBackAfterACrash) {
    ASSERT_TRUE(SetSchedules({Rent()}));
    ASSERT_TRUE(SaveLedger());
    Reload();
    SetRecoveryJournal(true);
    DeleteTransaction(1); // the journal begins with the whole ledger, schedules too
    ASSERT_TRUE(SetSchedules(Made()));
    const QByteArray journal = ReadBytes(JournalPathFor(path));
    SetRecoveryJournal(false);
    NewLedger();
    WriteBytes(JournalPathFor(path), journal);
    Reload();
    EXPECT_EQ(Schedules(), std::vector<Schedule>({Rent()}));
    const RecoverySearch search = FindRecovery(path);
    ASSERT_EQ(search.found, RecoveryFound::Found);
    EXPECT_EQ(ApplyRecovery(search.pending), 2);
    EXPECT_EQ(Schedules(), Made());
}

} // namespace

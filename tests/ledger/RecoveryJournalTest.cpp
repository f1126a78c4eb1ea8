// Unsaved changes after a crash: every change is in the journal on disk as it is made, and comes back exactly.
#include "LedgerTestSupport.h"
#include "ledger/Categories.h"
#include "platform/AtomicFile.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/FailingDisk.h"
#include "support/PromptScript.h"
#include "support/WithoutRootOverride.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

using namespace ledger;
using namespace tallix::test;

namespace {

// What the data file would hold: the transactions' slots and the ledger-wide values; and their categories.
struct Contents {
    std::vector<TransactionRecord> slots;
    int32_t liveCount;
    int16_t nextCheckNumber;
    float startingBalance;
    double lockDate;
    CategorySnapshot categories;
    bool operator==(const Contents&) const = default;
};

Contents Now() {
    const LedgerState& s = State();
    CategorySnapshot categories{s.KeptCategories, s.CategoryRules, {}};
    for (int slot = 1; slot < s.NextSlot; ++slot)
        categories.bySlot.push_back(s.Marks.CategoryOf(slot));
    return {{s.Records.begin() + 1, s.Records.begin() + s.NextSlot},
            s.LiveCount,
            s.NextCheckNumber,
            s.StartingBalance,
            s.LockDate,
            categories};
}

class RecoveryJournalTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        BuildMixedLedger();
        SetDataFileName(path);
        ASSERT_TRUE(SaveLedger());
        SetRecoveryJournal(true);
    }
    void TearDown() override {
        SetRecoveryJournal(false);
        LedgerTest::TearDown();
    }
    // As the program starts after a crash: the journal's bytes are on disk and the file is loaded afresh.
    RecoverySearch RestartWith(const QByteArray& journal) {
        NewLedger();
        WriteBytes(JournalPathFor(path), journal);
        SetDataFileName(path);
        EXPECT_TRUE(LoadLedger());
        return FindRecovery(path);
    }
    QString path = PathOf("ledger.tlx");
};

TEST_F(RecoveryJournalTest, EveryChangeComesBackAndACutEntryLosesOnlyItself) {
    const QString journal = JournalPathFor(path);
    const std::vector<std::function<void()>> steps = {
        [] { AddTransaction(101, 45000, 12.5f, QStringLiteral("Grocer"), CheckOrPayment); },
        [] { AddTransaction(0, 45001, 100, QStringLiteral("Pay"), Deposit); },
        [] { UpdateTransaction(2, 7, 45002, 3.25f, QStringLiteral("Corrected"), true); },
        [] { DeleteTransaction(3); },
        [] { RestoreTransaction(3, Fee); },
        [] { SetLockDate(45001); },
        [] { SetStartingBalance(-20.5f); },
        [] {
            ASSERT_TRUE(SetCategory(1, {{}, {{"Food:Groceries", "Milk", 2000}, {"", "", 550}}}));
        },
        [] { ASSERT_TRUE(MoveCategory("Food", "Living:Food")); },
        [] {
            ASSERT_TRUE(SetCategoryRules({{"GROCER", "Living:Food"}}));
        },
        [] {
            const ChangeBatch batch;
            for (int i = 0; i < 200; ++i)
                AddTransaction(-1, 45010 + i, float(i), QStringLiteral("batch %1").arg(i), CheckOrPayment);
            SetNextCheckNumber(500);
        },
        [] { UpdateTransaction(1, 1, 45003, 1, QStringLiteral("Caf\u00e9 last"), false); },
    };
    std::vector<Contents> after;
    std::vector<qint64> sizes;
    for (const auto& step : steps) {
        step();
        after.push_back(Now());
        sizes.push_back(QFileInfo(journal).size());
    }
    const QByteArray bytes = ReadBytes(journal);

    RecoverySearch search = RestartWith(bytes);
    ASSERT_EQ(search.found, RecoveryFound::Read);
    EXPECT_EQ(search.pending.changeCount, int(steps.size()));
    EXPECT_FALSE(search.pending.ledgerChanged);
    EXPECT_EQ(ApplyRecovery(search.pending).entries, int(steps.size()));
    EXPECT_TRUE(Now() == after.back());
    EXPECT_TRUE(IsModified());

    // A power cut at any byte of the last entry keeps every entry before it.
    const qint64 lastStart = sizes[sizes.size() - 2];
    for (qint64 cut = lastStart; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        search = RestartWith(bytes.left(cut));
        ASSERT_EQ(search.found, RecoveryFound::Read);
        EXPECT_EQ(search.pending.contents.cutShort, cut > lastStart);
        (void)ApplyRecovery(search.pending);
        ASSERT_TRUE(Now() == after[after.size() - 2]);
    }
}

TEST_F(RecoveryJournalTest, JournalEndsWithASaveOrADiscardAndIsNotOfferedWhileInUse) {
    const QString journal = JournalPathFor(path);
    AddTransaction(0, 45000, 1, QStringLiteral("one"), Deposit);
    ASSERT_TRUE(QFile::exists(journal));
    EXPECT_TRUE(IsJournalInUse(journal));
    EXPECT_EQ(FindRecovery(path).found, RecoveryFound::Missing);
    ASSERT_TRUE(SaveLedger());
    EXPECT_FALSE(QFile::exists(journal));
    AddTransaction(0, 45000, 1, QStringLiteral("two"), Deposit);
    ASSERT_TRUE(QFile::exists(journal));
    (void)DiscardJournal();
    EXPECT_FALSE(QFile::exists(journal));

    // One that its folder no longer lets go is left with nothing to offer: the changes are saved.
    AddTransaction(0, 45000, 1, QStringLiteral("three"), Deposit);
    ASSERT_EQ(::chmod(QFile::encodeName(RecoveryFolder()).constData(), 0555), 0);
    {
        const WithoutRootOverride user;
        EXPECT_TRUE(SaveLedger());
        EXPECT_TRUE(!user.Binds() || QFile::exists(journal));
    }
    ::chmod(QFile::encodeName(RecoveryFolder()).constData(), 0700);
    EXPECT_EQ(FindRecovery(path).found, RecoveryFound::Missing);
}

// The journal holds the ledger as the user left it, so recovery brings that back even over a file someone else
// changed meanwhile; the user is told.
TEST_F(RecoveryJournalTest, LedgerChangedOnDiskIsSaidAndTheUsersLedgerComesBack) {
    DeleteTransaction(2);
    AddTransaction(0, 45000, 2, QStringLiteral("mine"), Deposit);
    const Contents mine = Now();
    const QByteArray bytes = ReadBytes(JournalPathFor(path));
    NewLedger();
    for (int i = 0; i < 3; ++i)
        AddTransaction(0, 45000, 5, QStringLiteral("theirs"), Deposit);
    SetRecoveryJournal(false);
    SetDataFileName(path);
    ASSERT_TRUE(SaveLedger());
    SetRecoveryJournal(true);
    const RecoverySearch search = RestartWith(bytes);
    ASSERT_EQ(search.found, RecoveryFound::Read);
    EXPECT_TRUE(search.pending.ledgerChanged);
    // Over their file it would undo their save: it comes back as a ledger without a name, and theirs stays.
    const QByteArray theirs = ReadBytes(path);
    EXPECT_EQ(ApplyRecovery(search.pending).entries, 2);
    EXPECT_TRUE(Now() == mine);
    EXPECT_EQ(GetDataFileName(), QString());
    EXPECT_EQ(ReadBytes(path), theirs);
}

// A journal that cannot be written is said once, by the change that found it out, and then stops until it ends.
TEST_F(RecoveryJournalTest, AFailingJournalIsSaidOnceByTheChangeThatFoundItOut) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a transaction", [] { AddTransaction(0, 45000, 1, QStringLiteral("one"), Deposit); }},
        {"a value", [] { SetStartingBalance(12); }},
        {"a mark", [] { SetClearMark(1, GetClearMark(1) == ClearMark::None ? ClearMark::Cleared : ClearMark::None); }},
        {"a register edit", [] { JournalPendingRecord(1, State().Records[1]); }},
        {"a batch",
         [] {
             const ChangeBatch batch;
             AddTransaction(0, 45000, 2, QStringLiteral("two"), Deposit);
             SetNextCheckNumber(500);
         }},
    };
    for (const bool begun : {false, true}) {
        for (const auto& [name, change] : changes) {
            SCOPED_TRACE(std::string(name) + (begun ? ", journal begun" : ", first change"));
            (void)DiscardJournal();
            if (begun)
                SetLockDate(1);
            PromptScript script;
            script.ExpectMessage(QStringLiteral("Unsaved changes cannot be kept for recovery after a crash:\r%1\r"
                                                "Save the ledger to keep them.")
                                     .arg(qt_error_string(EIO)));
            FailingDisk disk(DiskStep::Write);
            change();
            EXPECT_TRUE(script.Done());
            SetLockDate(2);
        }
    }
}

// A journal is found by its name alone: one that cannot be read, or that another ledger wrote (copied or renamed
// to this name), is never applied and never deleted.
TEST_F(RecoveryJournalTest, UnreadableOrForeignJournalIsKeptAsideAndNothingIsApplied) {
    AddTransaction(0, 45000, 1, QStringLiteral("one"), Deposit);
    const QByteArray good = ReadBytes(JournalPathFor(path));
    (void)DiscardJournal();
    SetDataFileName(PathOf("elsewhere.tlx"));
    AddTransaction(0, 45000, 2, QStringLiteral("theirs"), Deposit);
    const QByteArray foreign = ReadBytes(JournalPathFor(PathOf("elsewhere.tlx")));
    QByteArray newer = good, damaged = good;
    newer[8] = 2;
    damaged[20] = char(damaged[20] ^ 0x40);
    for (const QByteArray& bytes : {QByteArray("not a journal at all"), newer, damaged, foreign}) {
        const RecoverySearch search = RestartWith(bytes);
        const Contents loaded = Now();
        ASSERT_EQ(search.found, bytes == foreign ? RecoveryFound::Foreign : RecoveryFound::Unreadable);
        EXPECT_EQ(search.otherLedger, bytes == foreign ? platform::ResolveSymlinks(PathOf("elsewhere.tlx")) : "");
        EXPECT_FALSE(QFile::exists(JournalPathFor(path)));
        EXPECT_EQ(ReadBytes(search.keptAs), bytes);
        EXPECT_TRUE(Now() == loaded);
        QFile::remove(search.keptAs);
    }
}

} // namespace

// Cleared marks, statements and bank ids: kept by the store, written beside the data file by a save, matched back to
// the records by a load, and kept by the recovery journal.
#include "storage/Companion.h"
#include "LedgerTestSupport.h"
#include "formats/LedgerFormat.h"
#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/ClearMarks.h"
#include "storage/CompanionCheck.h"
#include "storage/DiskStamping.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/FailingDisk.h"
#include "support/PromptScript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>

using namespace ledger;
using namespace tallix::test;
using Outcome = CompanionLoad::Outcome;

namespace {

// The check to "Café “Zoë” – €5" of the sample ledger.
constexpr char Cafe[] = "Café “Zoë” – €5";

int16_t SlotOf(const char* description) {
    const LedgerState& s = State();
    for (int slot = 1; slot < s.NextSlot; ++slot) {
        if (s.Records[size_t(slot)].TypeCode != Deleted && s.Records[size_t(slot)].Description.trimmed() == description)
            return int16_t(slot);
    }
    return 0;
}

std::string Text(const CategoryAssignment& a) {
    std::string out = a.IsEmpty() ? "" : " in " + a.category.toStdString();
    for (const SplitPart& part : a.parts)
        out +=
            "[" + part.category.toStdString() + "/" + part.memo.toStdString() + "/" + std::to_string(part.cents) + "]";
    return out;
}

// The split of the check to the café (99.99): a part without a category and one taken back.
CategoryAssignment CafeSplit() {
    return {{}, {{"Food:Dining out", "Lunch", 12000}, {"", "Tip", 999}, {"Income:Other", "Voucher", -3000}}};
}

// The live records' marks, check details and categories by description, the statements by their records, the list
// of categories and the rules: comparable across saves, which renumber slots.
std::string View() {
    const LedgerState& s = State();
    const auto name = [&s](int slot) { return s.Records[size_t(slot)].Description.trimmed().toStdString(); };
    std::string out;
    for (int16_t slot = 1; slot < s.NextSlot; ++slot) {
        if (s.Records[size_t(slot)].TypeCode != Deleted)
            out += name(slot) + " " + std::to_string(int(GetClearMark(slot))) + " " + BankIdOf(slot).toStdString() +
                   (MemoOf(slot).isEmpty() ? "" : " memo " + MemoOf(slot).toStdString()) +
                   (AddressOf(slot).isEmpty() ? "" : " to " + AddressOf(slot).join('/').toStdString()) +
                   (IsWaitingToPrint(slot) ? " waiting" : "") + Text(CategoryOf(slot)) + "\n";
    }
    for (const ReconciledStatement& statement : Statements()) {
        out += "statement " + std::to_string(statement.date) + " " + std::to_string(statement.endingCents) + ":";
        for (int slot : statement.slots)
            out += " " + name(slot);
        out += "\n";
    }
    for (const Schedule& schedule : Schedules())
        out += "schedule " + schedule.description.toStdString() + " done through " +
               std::to_string(schedule.doneThrough) + "\n";
    for (const CategoryRule& rule : CategoryRules())
        out += "rule " + rule.contains.toStdString() + " " + rule.category.toStdString() + "\n";
    if (KeptCategories() != DefaultCategories())
        out += "kept: " + KeptCategories().join(QLatin1Char(',')).toStdString() + "\n";
    return out + "deleted: " + DeletedBankIds().join(QLatin1Char(',')).toStdString();
}

// The rent, due on the 23rd of each month from 3/23/2009.
Schedule Rent() {
    return {.description = "Rent", .amountCents = 70000, .rule = {.dayOfMonth = 23, .start = 39895}};
}

// The companion at `path` with `edit` made to what it holds, as bytes.
QByteArray EditedCompanion(const QString& path, const std::function<void(CompanionContents&)>& edit) {
    platform::Result<CompanionContents, FileRead> read =
        ReadCompanionFile(path, [](const CompanionContents&) { return false; });
    CompanionContents contents = read ? read.Value() : CompanionContents();
    edit(contents);
    const platform::Result<> written = WriteCompanionFile(path + ".edited", contents, 0600);
    EXPECT_TRUE(written.Ok()) << (written ? "" : written.Error().toStdString());
    const QByteArray bytes = ReadBytes(path + ".edited");
    QFile::remove(path + ".edited");
    return bytes;
}

// The record of the data file at `position` (1 for the first after the header).
QByteArray& Patched(QByteArray& file, int position, int offset, const QByteArray& bytes) {
    file.replace(position * RecordSize + offset, bytes.size(), bytes);
    return file;
}

class CompanionTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        SetDataFileName(path);
    }
    // The sample ledger with marks, bank ids, a statement, the id of a deleted record, two equal records, the
    // second marked, check details and categories, saved with its companion.
    void BuildMarked() {
        BuildMixedLedger();
        AddTransaction(0, 39895, 700, "Rent", Withdrawal);
        AddTransaction(0, 39895, 700, "Rent", Withdrawal);
        SetClearMark(int16_t(State().NextSlot - 1), ClearMark::Cleared);
        SetClearMark(SlotOf("Grocer"), ClearMark::Reconciled);
        SetClearMark(SlotOf("Electric company"), ClearMark::Cleared);
        SetClearMark(SlotOf("Salary"), ClearMark::Cleared);
        SetBankId(SlotOf("ATM"), "FIT-3");
        SetBankId(SlotOf("Salary"), "FIT-5");
        SetBankId(SlotOf("Interest"), "FIT-6");
        DeleteTransaction(SlotOf("Interest"));
        RecordStatement({39890, 123456, {SlotOf("Grocer"), SlotOf("Electric company")}});
        SetSchedules({Rent()});
        ASSERT_TRUE(SetMemo(SlotOf(Cafe), "Invoice 77") && SetWaitingToPrint(SlotOf(Cafe), true));
        ASSERT_TRUE(SetAddress(SlotOf("Electric company"), {"Electric Co.", "PO Box 9", "", "Springfield"}));
        ASSERT_TRUE(SetCategory(SlotOf("Electric company"), {"Utilities:Electricity", {}}) &&
                    SetCategory(SlotOf("Salary"), {"Income:Salary", {}}) && SetCategory(SlotOf(Cafe), CafeSplit()));
        ASSERT_TRUE(SetCategoryRules({{"GROCER", "Food:Groceries"}}) && AddCategory("Pets:Vet"));
        ASSERT_TRUE(SaveLedger());
    }
    // An empty folder and the marked ledger saved in it.
    void StartOver() {
        for (const QString& name : Entries(dir.path()))
            QFile::remove(PathOf(name));
        NewLedger();
        SetDataFileName(path);
        BuildMarked();
        prompts.messages.clear();
    }
    // As the program starts anew on the file.
    void Reload() {
        NewLedger();
        SetDataFileName(path);
        ASSERT_TRUE(LoadLedger());
    }
    // The texts of the messages shown, one a line.
    std::string Messages() const {
        QStringList texts;
        for (const platform::MessageRequest& request : prompts.messages)
            texts << request.text;
        return texts.join(QLatin1Char('\n')).toStdString();
    }
    QString path = PathOf("m.tlx");
    QString db = PathOf("m.tlx.db");
    RecordingPrompts prompts;
};

TEST_F(CompanionTest, StoreKeepsMarksOnLiveSlotsOnly) {
    BuildMarked();
    const int16_t salary = SlotOf("Salary");
    EXPECT_FALSE(SetClearMark(0, ClearMark::Cleared) || SetClearMark(int16_t(State().NextSlot), ClearMark::Cleared) ||
                 SetClearMark(salary, ClearMark(3)) ||
                 SetBankId(salary, QString(MaxBankIdLength + 1, QLatin1Char('x'))) ||
                 RecordStatement({39890, 0, {salary, 4}}) || RecordStatement({1e9, 0, {salary}}));
    EXPECT_FALSE(IsModified()) << "slot 4 is deleted, and 1e9 is no date";
    EXPECT_TRUE(SetClearMark(salary, ClearMark::Reconciled));
    EXPECT_TRUE(IsModified());

    DeleteTransaction(salary);
    EXPECT_TRUE(GetClearMark(salary) == ClearMark::None && !SetClearMark(salary, ClearMark::Cleared) &&
                BankIdOf(salary).isEmpty() && DeletedBankIds() == QStringList({"FIT-5", "FIT-6"}));
    RestoreTransaction(salary, Deposit);
    EXPECT_TRUE(GetClearMark(salary) == ClearMark::Reconciled && BankIdOf(salary) == "FIT-5" &&
                DeletedBankIds() == QStringList({"FIT-6"}));

    NewLedger();
    AddTransaction(0, 40000, 1, "fresh", Deposit);
    EXPECT_EQ(View(), "fresh 0 \ndeleted: ");
}

// Each step, then a save and a fresh load: the marks are on the same records, though the save renumbers slots.
TEST_F(CompanionTest, MarksFollowTheirRecordsThroughSavesAndLoads) {
    BuildMarked();
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"as saved", [] {}},
        {"a marked record deleted", [] { DeleteTransaction(SlotOf("Electric company")); }},
        {"a record added and marked",
         [] {
             AddTransaction(0, 39900, 5, "Refund", Deposit);
             SetClearMark(int16_t(State().NextSlot - 1), ClearMark::Cleared);
         }},
        {"deleted, saved, restored",
         [] {
             const int16_t atm = SlotOf("ATM");
             DeleteTransaction(atm);
             ASSERT_TRUE(SaveLedger());
             RestoreTransaction(atm, Withdrawal);
         }},
        {"a record with a bank id deleted", [] { DeleteTransaction(SlotOf("Salary")); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        SetModified();
        const std::string before = View();
        ASSERT_TRUE(SaveLedger());
        Reload();
        EXPECT_EQ(View(), before);
        EXPECT_EQ(LastCompanionLoad().outcome, Outcome::Matched);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CompanionTest, LedgerWithoutMarksHasNoCompanion) {
    BuildMixedLedger();
    SetClearMark(1, ClearMark::Cleared);
    SetClearMark(1, ClearMark::None);
    ASSERT_TRUE(SaveLedger());
    Reload();
    EXPECT_EQ(LastCompanionLoad().outcome, Outcome::None);
    EXPECT_EQ(Entries(dir.path()), QStringList({"m.tlx"}));

    // Once it has one, a copy of the data file alone has no marks, and taking every mark off keeps the companion.
    SetClearMark(1, ClearMark::Cleared);
    ASSERT_TRUE(SaveLedger());
    ASSERT_TRUE(QFile::copy(path, PathOf("copy.tlx")));
    SetDataFileName(PathOf("copy.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(GetClearMark(1), ClearMark::None);
    EXPECT_EQ(ReadBytes(db).at(63), '\2') << "without check details, versions before them read it whole";
    Reload();
    SetClearMark(1, ClearMark::None);
    ASSERT_TRUE(SaveLedger());
    Reload();
    EXPECT_EQ(GetClearMark(1), ClearMark::None);
    EXPECT_EQ(Entries(dir.path()), QStringList({"copy.tlx", "m.tlx", "m.tlx.bak", "m.tlx.db", "m.tlx.db.bak"}));
}

// Every kind of category comes back from a save and a load. The file is version 4 only for categories that differ
// from a new ledger's, so that versions before them read the rest; a split that does not add up to its record (which
// a save never writes) makes it unusable.
TEST_F(CompanionTest, CategoriesComeBackAndNeedVersion4OnlyWhenANewLedgerHasOthers) {
    const struct {
        const char* name;
        std::function<void()> change;
        char version;
    } cases[] = {
        {"marks only", [] {}, 2},
        {"a memo", [] { SetMemo(SlotOf(Cafe), "Invoice"); }, 3},
        {"a category",
         [] {
             ASSERT_TRUE(SetCategory(SlotOf("ATM"), {"Cash", {}}));
         },
         4},
        {"a split", [] { ASSERT_TRUE(SetCategory(SlotOf(Cafe), CafeSplit())); }, 4},
        {"a rule",
         [] {
             ASSERT_TRUE(SetCategoryRules({{"ATM", "Cash"}}));
         },
         4},
        {"a category added to the list", [] { ASSERT_TRUE(AddCategory("Pets:Vet")); }, 4},
        {"an empty list",
         [] {
             for (const QString& path : KeptCategories())
                 ASSERT_TRUE(DeleteCategory(path, {}));
         },
         4},
        {"one added and deleted again", [] { ASSERT_TRUE(AddCategory("Pets") && DeleteCategory("Pets", {})); }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(db);
        NewLedger();
        SetDataFileName(path);
        BuildMixedLedger();
        SetClearMark(SlotOf("ATM"), ClearMark::Cleared);
        c.change();
        const std::string before = View();
        ASSERT_TRUE(SaveLedger());
        EXPECT_EQ(ReadBytes(db).at(63), c.version);
        Reload();
        EXPECT_EQ(View(), before);
    }
    ASSERT_TRUE(SetCategory(SlotOf(Cafe), CafeSplit()) && SaveLedger());
    WriteBytes(db, EditedCompanion(db, [](CompanionContents& c) { c.categories[0].second.parts[1].cents += 1; }));
    Reload();
    EXPECT_EQ(LastCompanionLoad().problem, "it is damaged (a split does not add up to its transaction's amount)");
    EXPECT_TRUE(CategoryOf(SlotOf(Cafe)).IsEmpty());
    EXPECT_EQ(prompts.messages.size(), 1u) << "said once, as the load found it";
}

// The data file changed without its companion: records are found again by their bytes, even when the file keeps
// its size and time (file times are as coarse as 2 s). `change` edits the file and makes the same change in the
// store, dropping what the load cannot find, so that the store shows what to expect.
TEST_F(CompanionTest, ChangedDataFileIsMatchedRecordByRecord) {
    const QString backup = path + ".bak";
    const struct {
        const char* name;
        std::function<void(QByteArray& file)> change;
        const char* added; // what the store cannot add: a line in front
        Outcome outcome;
        const char* message;
    } cases[] = {
        {"rewritten with the same bytes", [](QByteArray&) {}, "", Outcome::Matched, ""},
        {"lock date changed elsewhere",
         [](QByteArray& file) {
             Patched(file, 0, 4, QByteArray(8, '\0'));
             SetLockDate(0);
         },
         "", Outcome::Rematched, ""},
        {"marked record with a bank id edited",
         [](QByteArray& file) {
             Patched(file, 4, 16, "Wages ");
             const int16_t salary = SlotOf("Salary");
             SetClearMark(salary, ClearMark::None);
             SetBankId(salary, {});
             SetCategory(salary, {});
             UpdateTransaction(salary, 0, 39891, 1500, "Wages", false);
         },
         "", Outcome::Rematched,
         "1 cleared mark, 1 bank transaction id and 1 transaction's category of %1 could not be matched to its "
         "records and were dropped."},
        {"marked record deleted",
         [](QByteArray& file) {
             file.remove(2 * RecordSize, RecordSize);
             Patched(file, 0, 0, "\x07");
             DeleteTransaction(SlotOf("Electric company"));
         },
         "", Outcome::Rematched,
         "1 cleared mark, 1 check's memo or address and 1 transaction's category of %1 could not be matched to its "
         "records and were dropped."},
        {"check with a memo edited elsewhere",
         [](QByteArray& file) {
             file.replace(file.indexOf("Caf"), 3, "Kaf");
             const int16_t cafe = SlotOf(Cafe);
             SetMemo(cafe, {});
             SetWaitingToPrint(cafe, false);
             SetCategory(cafe, {});
             UpdateTransaction(cafe, 102, 39893, 99.99f, QString::fromUtf8(Cafe).replace('C', 'K'), false);
         },
         "", Outcome::Rematched,
         "1 check's memo or address and 1 transaction's category of %1 could not be matched to its records and were "
         "dropped."},
        {"record inserted first",
         [](QByteArray& file) {
             file.insert(RecordSize, RawRecord(Deposit, 0, 39880, 7, "Inserted", 0));
             Patched(file, 0, 0, "\x09");
         },
         "Inserted 0 \n", Outcome::Rematched, ""},
        {"replaced by its .bak after a save that added a marked record and unmarked one",
         [&backup](QByteArray& file) {
             AddTransaction(0, 39900, 5, "Refund", Deposit);
             SetClearMark(SlotOf("Refund"), ClearMark::Cleared);
             SetClearMark(SlotOf("Grocer"), ClearMark::None);
             ASSERT_TRUE(SaveLedger());
             file = ReadBytes(backup);
             DeleteTransaction(SlotOf("Refund"));
         },
         "", Outcome::Rematched, "1 cleared mark of %1 could not be matched to its records and was dropped."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartOver();
        QByteArray file = ReadBytes(path);
        c.change(file);
        const std::string expected = c.added + View();
        struct stat written {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &written), 0);
        QFile::remove(path);
        WriteBytes(path, file);
        const struct timespec times[2] = {{0, UTIME_OMIT}, written.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        EXPECT_EQ(CheckCompanion(path, file).outcome, c.outcome);
        Reload();
        EXPECT_EQ(View(), expected);
        EXPECT_EQ(LastCompanionLoad().outcome, c.outcome);
        EXPECT_EQ(Messages(), QString::fromUtf8(c.message).replace("%1", path).toStdString());
    }
}

// A companion that cannot be used opens the ledger without marks or schedules, and no save writes over it: not the
// one loaded, even once a sound file is back in its place (a sync tool delivers it late), nor one that a ledger saved
// under a new name finds. Values that the store, the journal or the window could not take count as damage.
TEST_F(CompanionTest, UnusableCompanionIsNeverWrittenOver) {
    const auto edited = [this](const std::function<void(CompanionContents&)>& edit) {
        return [this, edit](QByteArray& b) { b = EditedCompanion(db, edit); };
    };
    const struct {
        const char* name;
        std::function<void(QByteArray& bytes)> spoil;
        const char* problem;
    } cases[] = {
        {"pages overwritten", [](QByteArray& b) { b.replace(4096, b.size() - 4096, QByteArray(b.size() - 4096, 'x')); },
         "it is damaged (database disk image is malformed)"},
        {"truncated", [](QByteArray& b) { b.truncate(2 * 4096); }, "it is damaged (database disk image is malformed)"},
        {"newer version", [](QByteArray& b) { b[63] = 5; }, "it was written by a newer version of Tallix"},
        {"another program's database", [](QByteArray& b) { b[71] = 1; },
         "it is not a file of cleared marks written by Tallix"},
        {"not a database", [](QByteArray& b) { b = "notes"; }, "it is not a file of cleared marks written by Tallix"},
        {"a bank id longer than any journal replays",
         edited([](CompanionContents& c) { c.bankIds[0].second = QString(MaxBankIdLength + 1, QLatin1Char('x')); }),
         "it is damaged (a bank transaction id is longer than 255 characters)"},
        {"a deleted record's bank id empty",
         edited([](CompanionContents& c) { c.deletedBankIds << QStringLiteral(""); }),
         "it is damaged (a deleted record's bank transaction id is empty)"},
        {"a statement's balance beyond any amount",
         edited([](CompanionContents& c) { c.statements[0].endingCents = std::numeric_limits<int64_t>::min(); }),
         "it is damaged (a statement's date or ending balance is out of range)"},
        {"a scheduled amount no record keeps to the cent",
         edited([](CompanionContents& c) { c.schedules[0].amountCents = 13107201; }),
         "it is damaged (a scheduled transaction is not one Tallix can keep)"},
        {"a memo longer than a check holds",
         edited([](CompanionContents& c) { c.details[0].second.memo = QString(MaxMemoLength + 1, QLatin1Char('x')); }),
         "it is damaged (a check's memo or address is too long)"},
        {"a fifth address line", edited([](CompanionContents& c) { c.details[0].second.address << "a"; }),
         "it is damaged (a check's memo or address is too long)"},
        {"a category that is not a path", edited([](CompanionContents& c) { c.categories[0].second.category = "A:"; }),
         "it is damaged (a transaction's category or split is not one Tallix can keep)"},
        {"a split of one part", edited([](CompanionContents& c) { c.categories.back().second.parts.resize(1); }),
         "it is damaged (a transaction's category or split is not one Tallix can keep)"},
        {"a category and parts at once",
         edited([](CompanionContents& c) { c.categories.back().second.category = "Food"; }),
         "it is damaged (a transaction's category or split is not one Tallix can keep)"},
        {"a rule without text", edited([](CompanionContents& c) { c.categoryLists->rules[0].contains = " "; }),
         "it is damaged (the list of categories or an import rule is not one Tallix can keep)"},
        {"a category kept twice", edited([](CompanionContents& c) { c.categoryLists->kept << "Pets:Vet"; }),
         "it is damaged (the list of categories or an import rule is not one Tallix can keep)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartOver();
        // What the data file alone holds.
        ASSERT_TRUE(QFile::copy(path, PathOf("plain.tlx")));
        SetDataFileName(PathOf("plain.tlx"));
        ASSERT_TRUE(LoadLedger() && QFile::remove(PathOf("plain.tlx")));
        const std::string bare = View();
        const QByteArray sound = ReadBytes(db);
        QByteArray spoilt = sound;
        c.spoil(spoilt);
        WriteBytes(db, spoilt);
        WriteBytes(PathOf("n.tlx.db"), spoilt);
        EXPECT_EQ(CheckCompanion(path, ReadBytes(path)).problem.toStdString(), c.problem);

        Reload();
        EXPECT_EQ(View(), bare);
        WriteBytes(db, sound);
        SetModified();
        EXPECT_TRUE(SaveLedger()) << "without marks there is nothing to keep from it";
        // With a mark, every save says that it is not saved, under either name, until the file is moved aside.
        SetClearMark(1, ClearMark::Cleared);
        EXPECT_FALSE(SaveLedger());
        EXPECT_FALSE(SaveLedger());
        SetDataFileName(PathOf("n.tlx"));
        EXPECT_FALSE(SaveLedger());
        QString reason = QString::fromUtf8(c.problem);
        reason[0] = reason[0].toUpper();
        const QString failed = QStringLiteral("\nUnable to save file:\r%1\r%2; it was left as it is. Move it aside to "
                                              "save the cleared marks, schedules and categories.");
        const QString opened =
            QStringLiteral(
                "%1 cannot be used: %2. The ledger opens without its cleared marks, schedules and categories, and "
                "saving leaves that file as it is; move it aside to save new ones.")
                .arg(db, c.problem);
        EXPECT_EQ(Messages(),
                  (opened + failed.arg(db, reason).repeated(2) + failed.arg(PathOf("n.tlx.db"), reason)).toStdString());
        EXPECT_TRUE(IsModified());
        EXPECT_EQ(ReadBytes(db), sound);
        EXPECT_EQ(ReadBytes(PathOf("n.tlx.db")), spoilt);
        ASSERT_TRUE(QFile::rename(PathOf("n.tlx.db"), PathOf("aside.db")));
        EXPECT_TRUE(SaveLedger());
        NewLedger();
        SetDataFileName(PathOf("n.tlx"));
        ASSERT_TRUE(LoadLedger());
        EXPECT_EQ(GetClearMark(1), ClearMark::Cleared);
        EXPECT_EQ(Entries(dir.path()),
                  QStringList({"aside.db", "m.tlx", "m.tlx.bak", "m.tlx.db", "n.tlx", "n.tlx.db"}));
    }
}

// A companion copied beside another ledger shares none of its records: neither its marks nor its schedules are
// taken, and saves leave it as it is.
TEST_F(CompanionTest, CompanionOfAnotherLedgerIsNotAdopted) {
    BuildMarked();
    WriteBytes(PathOf("o.tlx"), RawHeader(2, 0, 0, 0) + RawRecord(Deposit, 0, 39900, 5, "Refund", 0));
    ASSERT_TRUE(QFile::copy(db, PathOf("o.tlx.db")));
    SetDataFileName(PathOf("o.tlx"));
    ASSERT_TRUE(LoadLedger() && SetClearMark(1, ClearMark::Cleared));
    EXPECT_EQ(LastCompanionLoad().problem, "it belongs to another ledger: none of its records is in this one");
    EXPECT_TRUE(Schedules().empty() && !SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("o.tlx.db")), ReadBytes(db));
}

// A save stopped at any system call, by a kill or by a failing disk, leaves the ledger, its marks and its schedules
// all as before it or all as after it, also when only marks changed and the data file keeps its bytes. After a
// failure the ledger stays modified and the next save writes both (the .bak stays the version before); after a kill
// the next save keeps what the load found.
TEST_F(CompanionTest, SaveStoppedAnywhereLeavesTheOldOrTheNewLedger) {
    const std::function<void()> changes[] = {
        [] { // the rent entered from its schedule
            AddTransaction(0, Rent().rule.start, 700, "Rent", Withdrawal);
            SetSchedules({WithDone(Rent(), Rent().rule.start, true)});
            SetClearMark(SlotOf("ATM"), ClearMark::Cleared);
        },
        [] { SetBankId(SlotOf("Grocer"), "FIT-1"); }, // marks only
        [] {
            ASSERT_TRUE(SetCategory(SlotOf("ATM"), {"Cash", {}}));
        }, // a category only
    };
    for (int run = 0; run < 24; ++run) {
        const FailingStep& step = FailingSteps[run % 4];
        const bool kill = run / 4 % 2;
        for (int spared = 0;; ++spared) {
            SCOPED_TRACE(std::string(step.name) + " " + std::to_string(spared) + (kill ? " killed" : " failed"));
            StartOver();
            Reload();
            const std::string before = View();
            const QByteArray data = ReadBytes(path);
            changes[run / 8]();
            const std::string after = View();
            QTemporaryDir stopped;
            const auto keepFiles = [&] {
                for (const QString& name : Entries(dir.path())) {
                    if (!name.endsWith(".lock"))
                        WriteBytes(stopped.filePath(name), ReadBytes(PathOf(name)));
                }
            };
            {
                FailingDisk disk(step.step, spared, kill ? keepFiles : std::function<void()>());
                const bool saved = SaveLedger();
                if (!FailingDisk::Reached())
                    break;
                EXPECT_EQ(saved, kill);
            }
            if (!kill) {
                keepFiles();
                const bool companionFailed = prompts.messages.back().text.startsWith("Unable to save file:\r" + db);
                EXPECT_TRUE(IsModified() && SaveLedger());
                EXPECT_EQ(Entries(dir.path()), QStringList({"m.tlx", "m.tlx.bak", "m.tlx.db", "m.tlx.db.bak"}));
                EXPECT_TRUE(!companionFailed || ReadBytes(path + ".bak") == data);
                Reload();
                EXPECT_EQ(View(), after);
            }
            NewLedger();
            SetDataFileName(stopped.filePath("m.tlx"));
            ASSERT_TRUE(LoadLedger());
            const std::string found = View();
            EXPECT_TRUE(found == before || found == after) << found;
            SetModified();
            ASSERT_TRUE(SaveLedger() && LoadLedger());
            EXPECT_EQ(View(), found);
        }
    }
}

// Marks are journalled like records: a crash, even after a save that wrote only the data file, loses none.
TEST_F(CompanionTest, JournalBringsBackTheMarksAfterACrash) {
    BuildMarked();
    Reload();
    SetRecoveryJournal(true);
    DeleteTransaction(SlotOf("Salary")); // the journal begins with the whole ledger; the marks' changes follow
    SetClearMark(SlotOf("ATM"), ClearMark::Cleared);
    SetMemo(SlotOf(Cafe), "Invoice 78");
    SetWaitingToPrint(SlotOf(Cafe), false);
    SetAddress(SlotOf("Electric company"), {});
    AddTransaction(103, 39900, 12, "Roofer", CheckOrPayment);
    ASSERT_TRUE(SetAddress(SlotOf("Roofer"), {"J. Pipe", "1 Main St"}) && SetWaitingToPrint(SlotOf("Roofer"), true));
    ASSERT_TRUE(SetCategory(SlotOf("Roofer"), {{}, {{"Housing:Repairs", "Roof", 1500}, {"", "Refund", -300}}}));
    ASSERT_TRUE(SetCategory(SlotOf("ATM"), {"Cash", {}}) && SetCategory(SlotOf("Electric company"), {}));
    ASSERT_TRUE(MoveCategory("Food", "Living:Food") && SetCategoryRules({{"ROOFER", "Housing:Repairs"}}));
    SetBankId(SlotOf("Grocer"), "FIT-1");
    RecordStatement({39891, -5, {SlotOf("ATM")}});
    ASSERT_TRUE(DropLastStatement()); // every mark, detail and category again, as one entry
    AddTransaction(0, 39900, 5, "Refund", Deposit);
    {
        PromptScript script;
        script.ExpectMessage(QStringLiteral("Unable to save file:\r%1\r%2").arg(db, qt_error_string(EIO)));
        FailingDisk disk(DiskStep::Rename, 2); // the companion's staged file and the data file are renamed first
        EXPECT_FALSE(SaveLedger());
    }
    const std::string before = View();
    const QByteArray journal = ReadBytes(JournalPathFor(path));
    SetRecoveryJournal(false);
    NewLedger();
    WriteBytes(JournalPathFor(path), journal);
    Reload();
    const RecoverySearch search = FindRecovery(path);
    ASSERT_EQ(search.found, RecoveryFound::Read);
    (void)ApplyRecovery(search.pending);
    EXPECT_EQ(View(), before);
}

// A journal of a version without marks replays the records and keeps the marks that the load found.
TEST_F(CompanionTest, JournalWithoutMarksKeepsTheLoadedOnes) {
    BuildMarked();
    Reload();
    const std::string loaded = View();
    JournalEntry first; // the whole ledger as such a version began its journals: N, then every S
    first.changes.resize(size_t(State().NextSlot));
    first.changes[0].kind = JournalChange::SlotCount;
    for (int slot = 0; slot < State().NextSlot; ++slot) {
        first.changes[size_t(slot)].slot = slot ? slot : State().NextSlot;
        first.changes[size_t(slot)].record = State().Records[size_t(slot)];
    }
    JournalWriter writer;
    ASSERT_TRUE(QDir().mkpath(RecoveryFolder()));
    const JournalHeader header{0, WithHash(MetadataOf(path), ReadBytes(path)), path}; // begun from this very file
    const platform::Result<> begun = writer.Begin(JournalPathFor(path), header, first);
    ASSERT_TRUE(begun.Ok()) << (begun ? "" : begun.Error().toStdString());
    (void)writer.Close(false);
    const RecoverySearch search = FindRecovery(path);
    ASSERT_EQ(search.found, RecoveryFound::Read);
    (void)ApplyRecovery(search.pending);
    EXPECT_EQ(View(), loaded);
}

} // namespace

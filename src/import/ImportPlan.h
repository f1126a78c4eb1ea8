#pragma once
// What importing a statement would do to the ledger, line by line, and doing it. A preview shows the plan;
// ApplyPlan adds every planned line or none.
//
// A line is a duplicate of a live record when StatementMatch pairs them (same amount, dates at most MatchDays apart,
// same check number or payee), or of an earlier line of the same statement with the same bank id; equal lines
// without a bank id are separate transactions. A line whose bank id belongs to a record the user deleted is not added
// again. Import never removes a record and changes one only by marking it cleared: the bank has seen the line it
// matches. It plans no record that the data file's loader would refuse.
//
// A line to add that looks like a scheduled transaction falling due (ScheduledMatch) enters that occurrence: the line
// is added as it is, and the occurrence is done, as if entered from the register.
//
// A line to add takes a category from the first of: the statement's own (its split where the parts fit), the first
// import rule its payee matches (ledger::CategoryRules, after the rules made for this import), the category of the
// payee's last transaction (ledger::LastCategoryOf). The preview may choose another, and make rules.

#include "import/Statement.h"
#include "model/ScheduleRule.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace import {

// Skipped: a line the reader says is no transaction to add (StatementLine::skipped).
enum class PlanKind { Add, Duplicate, Skipped, Refused };

// Where a line's category comes from; None: it has none.
enum class CategorySource { None, Statement, Rule, Payee, Chosen };

struct PlannedLine {
    StatementLine line;
    PlanKind kind = PlanKind::Add;
    // For Add: what the record will hold.
    int16_t typeCode = 0;
    int16_t checkNumber = 0;
    float amount = 0;    // unsigned, as the record keeps it
    QString description; // cut to the description's length, in characters the data file can hold
    // The category or split it is added with; a split's cents in the record's sense, adding up to its amount.
    ledger::CategoryAssignment category;
    CategorySource categorySource = CategorySource::None;
    QString rule; // for CategorySource::Rule: the text of the rule it matched
    // For Duplicate: the slot of the record it repeats, or 0 when it repeats the statement line `duplicateLine`
    // (an index into the plan's lines).
    int duplicateSlot = 0;
    int duplicateLine = -1;
    int duplicateSource = 0;     // that line's line or element number
    QString duplicateRecord;     // that record as the register shows it: date, payee and amount
    bool marksCleared = false;   // the record `duplicateSlot` is neither cleared nor reconciled yet
    bool deletedEarlier = false; // no slot, no line: the bank id of a record the user deleted
    QString reason;              // for Refused and Skipped
    // For Add: the pending occurrence that the line enters, of the schedule at that index and description.
    struct Scheduled {
        int schedule = 0;
        ledger::Occurrence occurrence;
        QString description;
    };
    std::optional<Scheduled> entersScheduled;
};

struct ImportPlan {
    std::vector<PlannedLine> lines;
    // Rules made in the preview, the newest first: they hold over the ledger's and are kept with the import.
    std::vector<ledger::CategoryRule> newRules;
    int Count(PlanKind kind) const;
    int Marks() const; // the duplicates that mark their record cleared
    int Skips() const; // the other duplicates, and the lines skipped for the reader's reasons: they change nothing
};

// Plans against the ledger store as it is now; changes nothing.
ImportPlan PlanImport(const std::vector<StatementLine>& statement);
// The category the user typed for line `index` (a line to add that is no split), tidied; empty takes it away. False
// (nothing changes) for what is no path once tidied.
bool ChooseCategory(ImportPlan& plan, size_t index, const QString& typed);
// A rule made in the preview: it goes before the others, and every line to add whose category came from no source,
// a rule or the payee takes the category the rules now give it. False (nothing changes) for a rule the ledger
// would not keep (ledger::SetCategoryRules).
bool AddRule(ImportPlan& plan, const ledger::CategoryRule& rule);

// Adds every line planned as Add, in statement order, cleared, with its bank id and its category, marks cleared the
// records of the duplicates that say so (giving them the line's bank id when they have none), marks done the
// occurrences the lines enter and keeps the new rules; or does nothing: a failure when the ledger has no room for all
// of them. Does not save.
platform::Result<> ApplyPlan(const ImportPlan& plan);

// The statement's opening balance (ReadResult::openingCents) is no transaction. When the ledger holds none yet and
// starts from another balance, a sentence that says so; empty otherwise.
QString OpeningNote(const std::optional<int64_t>& openingCents);

// "added as Check", "added as Payment, Food:Groceries", "added as Payment: enters scheduled Rent of 12/1/2026",
// "matches 12/4/2026 Autohaus Meier 420.00: marks it cleared", "skipped, duplicate of 12/4/2026 Autohaus Meier 420.00",
// "refused: dated on or before the lock date 1/31/2024".
QString PlanText(const PlannedLine& line);
// A split as the CLI and the preview's tooltip show it: "Food:Groceries 120.00, Household 67.34".
QString PartsText(const std::vector<ledger::SplitPart>& parts);

// Text the data file's code page can hold: a character it lacks becomes its compatibility decomposition without
// combining marks (e -> e, "ﬁ" -> "fi"), else "?".
QString ToCp1252Text(const QString& text);

} // namespace import
